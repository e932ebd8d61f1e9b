#include "runtime/archive_file_reader.h"

#include <algorithm>
#include <cstring>

namespace rt {
namespace {

// minizip reads entry data in blocks of 16 KiB; smaller reads are headers
// and the data of small entries.
constexpr std::size_t kDirectReadSize = 16 * 1024;

}  // namespace

ArchiveFileReader::ArchiveFileReader(const Text& path) {
  file_.reset(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file_) {
    const DWORD error = GetLastError();
    missing_ = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return;
  }
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file_.get(), &size)) size_ = static_cast<std::uint64_t>(size.QuadPart);
}

ByteArray ArchiveFileReader::Head(std::size_t size) {
  ByteArray head(size);
  std::size_t read = 0;
  if (!file_ || !ReadFromFile(0, head.data(), head.size(), read)) read = 0;
  head.resize(read);
  return head;
}

bool ArchiveFileReader::ReadFromFile(std::uint64_t position, void* buffer, std::size_t size, std::size_t& read) {
  LARGE_INTEGER offset{};
  offset.QuadPart = static_cast<LONGLONG>(position);
  DWORD count = 0;
  if (!SetFilePointerEx(file_.get(), offset, nullptr, FILE_BEGIN) ||
      !ReadFile(file_.get(), buffer, static_cast<DWORD>(size), &count, nullptr))
    return false;
  read = count;
  return true;
}

ArchiveFileReader::Window& ArchiveFileReader::Refill(std::uint64_t position) {
  Window& window = windows_[0].lastUse <= windows_[1].lastUse ? windows_[0] : windows_[1];
  window.start = position;
  window.length = 0;
  if (!ReadFromFile(position, window.bytes.data(), window.bytes.size(), window.length)) failed_ = true;
  return window;
}

std::size_t ArchiveFileReader::ReadAt(void* buffer, std::size_t size) {
  if (position_ >= size_) return 0;
  size = static_cast<std::size_t>(std::min<std::uint64_t>(size, size_ - position_));
  if (size >= kDirectReadSize) {  // a data block of a large entry goes straight to the caller
    std::size_t read = 0;
    if (!ReadFromFile(position_, buffer, size, read)) failed_ = true;
    position_ += read;
    return read;
  }
  Window* source = nullptr;
  for (Window& window : windows_) {
    if (position_ >= window.start && position_ + size <= window.start + window.length) source = &window;
  }
  if (!source) source = &Refill(position_);
  source->lastUse = ++uses_;
  const std::size_t offset = static_cast<std::size_t>(position_ - source->start);
  const std::size_t count = std::min(size, source->length - std::min(offset, source->length));
  std::memcpy(buffer, source->bytes.data() + offset, count);
  position_ += count;
  return count;
}

zlib_filefunc64_def ArchiveFileReader::Functions() {
  zlib_filefunc64_def functions{};
  functions.zopen64_file = Open;
  functions.zread_file = Read;
  functions.zwrite_file = Write;
  functions.ztell64_file = Tell;
  functions.zseek64_file = Seek;
  functions.zclose_file = Close;
  functions.zerror_file = Error;
  functions.opaque = this;
  return functions;
}

voidpf ZCALLBACK ArchiveFileReader::Open(voidpf opaque, const void*, int) {
  auto* self = static_cast<ArchiveFileReader*>(opaque);
  if (!self->file_) return nullptr;
  self->position_ = 0;
  return self;  // the stream is the reader itself: minizip opens the archive once
}

uLong ZCALLBACK ArchiveFileReader::Read(voidpf, voidpf stream, void* buffer, uLong size) {
  return static_cast<uLong>(static_cast<ArchiveFileReader*>(stream)->ReadAt(buffer, size));
}

uLong ZCALLBACK ArchiveFileReader::Write(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK ArchiveFileReader::Tell(voidpf, voidpf stream) {
  return static_cast<ArchiveFileReader*>(stream)->position_;
}

long ZCALLBACK ArchiveFileReader::Seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* self = static_cast<ArchiveFileReader*>(stream);
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: self->position_ = offset; return 0;
    case ZLIB_FILEFUNC_SEEK_CUR: self->position_ += offset; return 0;
    case ZLIB_FILEFUNC_SEEK_END: self->position_ = self->size_ + offset; return 0;
    default: return -1;
  }
}

int ZCALLBACK ArchiveFileReader::Close(voidpf, voidpf) { return 0; }

int ZCALLBACK ArchiveFileReader::Error(voidpf, voidpf stream) {
  return static_cast<ArchiveFileReader*>(stream)->failed_ ? 1 : 0;
}

}  // namespace rt
