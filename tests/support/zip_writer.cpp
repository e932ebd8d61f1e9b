#include "tests/support/zip_writer.h"

#include <windows.h>

#include <zlib.h>

#include <memory>

namespace testzip {
namespace {

constexpr std::uint32_t kLocalSignature = 0x04034B50;
constexpr std::uint32_t kCentralSignature = 0x02014B50;
constexpr std::uint32_t kEndSignature = 0x06054B50;
constexpr std::uint16_t kVersion = 20;
constexpr std::uint16_t kDosTime = 12 << 11;                           // 12:00:00
constexpr std::uint16_t kDosDate = ((2019 - 1980) << 9) | (6 << 5) | 9;  // 2019-06-09

void Put16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void PutBytes(Bytes& out, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  out.insert(out.end(), bytes, bytes + size);
}

}  // namespace

Bytes Deflate(std::string_view data) {
  z_stream stream{};
  deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&stream, static_cast<uLong>(data.size())) + 16);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  deflate(&stream, Z_FINISH);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

ZipWriter& ZipWriter::AddFile(std::string_view name, std::string_view data, const EntryOptions& options) {
  AddEntry(name, data, options, false);
  return *this;
}

ZipWriter& ZipWriter::AddFolder(std::string_view name) {
  std::string folder(name);
  if (folder.empty() || folder.back() != '/') folder += '/';
  EntryOptions options;
  options.method = Method::Stored;
  options.externalAttributes = 0x10;  // FILE_ATTRIBUTE_DIRECTORY
  AddEntry(folder, {}, options, true);
  return *this;
}

void ZipWriter::AddEntry(std::string_view name, std::string_view data, const EntryOptions& options, bool folder) {
  std::uint32_t crc = static_cast<std::uint32_t>(
      crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
  if (options.corruptCrc) crc ^= 0xFFFFFFFFu;
  const bool deflated = options.method == Method::Deflated && !folder;
  Bytes payload = deflated ? Deflate(data) : Bytes(data.begin(), data.end());
  if (options.keepDataBytes && *options.keepDataBytes < payload.size()) payload.resize(*options.keepDataBytes);
  const std::uint16_t method = deflated ? 8 : 0;
  const auto offset = static_cast<std::uint32_t>(local_.size());

  Put32(local_, kLocalSignature);
  Put16(local_, kVersion);
  Put16(local_, 0);  // flags: names in the archive's own code page
  Put16(local_, method);
  Put16(local_, kDosTime);
  Put16(local_, kDosDate);
  Put32(local_, crc);
  Put32(local_, static_cast<std::uint32_t>(payload.size()));
  Put32(local_, static_cast<std::uint32_t>(data.size()));
  Put16(local_, static_cast<std::uint32_t>(name.size()));
  Put16(local_, 0);  // extra field
  PutBytes(local_, name.data(), name.size());
  PutBytes(local_, payload.data(), payload.size());

  Put32(central_, kCentralSignature);
  Put16(central_, kVersion);  // made by: MS-DOS
  Put16(central_, kVersion);
  Put16(central_, 0);
  Put16(central_, method);
  Put16(central_, kDosTime);
  Put16(central_, kDosDate);
  Put32(central_, crc);
  Put32(central_, static_cast<std::uint32_t>(payload.size()));
  Put32(central_, static_cast<std::uint32_t>(data.size()));
  Put16(central_, static_cast<std::uint32_t>(name.size()));
  Put16(central_, 0);  // extra field
  Put16(central_, 0);  // comment
  Put16(central_, 0);  // disk
  Put16(central_, 0);  // internal attributes
  Put32(central_, options.externalAttributes);
  Put32(central_, offset);
  PutBytes(central_, name.data(), name.size());
  ++entries_;
}

Bytes ZipWriter::Finish() const {
  Bytes out = local_;
  out.insert(out.end(), central_.begin(), central_.end());
  Put32(out, kEndSignature);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<std::uint32_t>(entries_));
  Put16(out, static_cast<std::uint32_t>(entries_));
  Put32(out, static_cast<std::uint32_t>(central_.size()));
  Put32(out, static_cast<std::uint32_t>(local_.size()));
  Put16(out, 0);  // comment
  return out;
}

bool WriteFile(const std::string& path, const Bytes& bytes) {
  struct FileCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
  };
  HANDLE raw = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (raw == INVALID_HANDLE_VALUE) return false;
  const std::unique_ptr<void, FileCloser> file(raw);
  DWORD written = 0;
  return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace testzip
