#include "runtime/zip_extraction.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "unzip.h"

#include "runtime/archive.h"
#include "runtime/archive_file_reader.h"
#include "runtime/files.h"
#include "runtime/path_text.h"
#include "runtime/scratch_buffer.h"
#include "runtime/win_handle.h"

namespace rt {
namespace {

constexpr std::size_t kCopyBufferSize = 64 * 1024;  // below the heap's separately mapped blocks
constexpr std::size_t kNameBufferSize = 1024;       // longer names take a second call

// An open archive, closed once.
class ZipReader {
 public:
  ZipReader(ArchiveFileReader& reader, const Text& path) {
    zlib_filefunc64_def io = reader.Functions();
    file_ = unzOpen2_64(path.c_str(), &io);
  }
  ZipReader(const ZipReader&) = delete;
  ZipReader& operator=(const ZipReader&) = delete;
  ~ZipReader() {
    if (file_) unzClose(file_);
  }
  unzFile get() const { return file_; }
  explicit operator bool() const { return file_ != nullptr; }

 private:
  unzFile file_ = nullptr;
};

// The entry being read; closing it checks the CRC once all data was read.
class OpenEntry {
 public:
  explicit OpenEntry(unzFile archive) : archive_(archive), open_(unzOpenCurrentFile(archive) == UNZ_OK) {}
  OpenEntry(const OpenEntry&) = delete;
  OpenEntry& operator=(const OpenEntry&) = delete;
  ~OpenEntry() {
    if (open_) unzCloseCurrentFile(archive_);
  }
  explicit operator bool() const { return open_; }
  bool Close() {
    open_ = false;
    return unzCloseCurrentFile(archive_) == UNZ_OK;
  }

 private:
  unzFile archive_;
  bool open_;
};

enum class FileCheck { Missing, NotZip, Zip };

constexpr std::size_t kSignatureWindow = 32;

// A ZIP file starts with a local header, possibly after a short stub.
bool HasLocalHeader(const std::uint8_t* head, std::size_t size) {
  static constexpr std::uint8_t kSignature[4] = {0x50, 0x4B, 0x03, 0x04};
  for (std::size_t i = 0; i + sizeof kSignature <= size; ++i) {
    if (std::memcmp(head + i, kSignature, sizeof kSignature) == 0) return true;
  }
  return false;
}

FileCheck CheckZipFile(ArchiveFileReader& reader) {
  if (reader.missing()) return FileCheck::Missing;
  const ByteArray head = reader.Head(kSignatureWindow);
  return HasLocalHeader(head.data(), head.size()) ? FileCheck::Zip : FileCheck::NotZip;
}

bool IsLead(char c) { return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE; }

// The entry name with every "/" turned into "\" (a two-byte character's
// trail byte is never "/" in code page 936, so this is byte-safe).
Text WindowsName(std::string_view name) {
  Text text(name);
  for (char& c : text) {
    if (c == '/') c = '\\';
  }
  return text;
}

// A name that is relative, has no drive or stream colon and no ".."
// component. Components made of dots and blanks only are refused too: the
// system strips trailing dots and blanks, so ".. " could mean "..".
bool IsPlainRelativeName(std::string_view name) {
  if (name.empty() || name.front() == '\\') return false;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= name.size(); ++i) {
    if (i < name.size() && IsLead(name[i])) {
      ++i;
      continue;
    }
    if (i < name.size() && name[i] == ':') return false;
    if (i == name.size() || name[i] == '\\') {
      const std::string_view part = name.substr(start, i - start);
      const bool dotsAndBlanks = !part.empty() && part.find_first_not_of(". ") == std::string_view::npos;
      if (dotsAndBlanks && part != ".") return false;
      start = i + 1;
    }
  }
  return true;
}

Text FullPath(const Text& path) {
  char buffer[MAX_PATH * 2];
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  if (length == 0 || length >= sizeof buffer) return {};
  return Text(buffer, length);
}

// Writes the data of the current entry to `path`. A failed, short or
// corrupt entry leaves no file behind.
class EntryWriter {
 public:
  // `targetFolder` (no trailing separator) exists already.
  EntryWriter(unzFile archive, std::string_view targetFolder)
      : archive_(archive), buffer_(kCopyBufferSize), knownFolder_(targetFolder) {}

  bool Write(const Text& path, const unz_file_info64& info) {
    if (!EnsureParentFolder(path)) return false;
    FileHandle file = CreateTarget(path);
    if (!file) return false;
    const bool complete = CopyData(file.get(), info.uncompressed_size);
    if (complete) SetNormalAttributes(file.get());
    file.reset();
    if (!complete) DeleteFileA(path.c_str());
    return complete;
  }

 private:
  // Creates the entry's folder when the archive holds no (or a later)
  // folder entry for it; the last folder made is remembered.
  bool EnsureParentFolder(const Text& path) {
    const std::size_t cut = LastSeparator(path);
    if (cut == std::string_view::npos) return true;
    const std::string_view folder(path.data(), cut);
    if (folder == knownFolder_) return true;
    if (!MakeDirectories(folder)) return false;
    knownFolder_.assign(folder);
    return true;
  }

  // Through the open handle: a second open by path costs as much as the
  // write of a small file.
  static void SetNormalAttributes(HANDLE file) {
    FILE_BASIC_INFO basic{};  // zero times stay as they are
    basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    SetFileInformationByHandle(file, FileBasicInfo, &basic, sizeof basic);
  }

  static FileHandle CreateTarget(const Text& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file && GetLastError() == ERROR_ACCESS_DENIED) {
      // A read-only (or hidden) file of the same name is overwritten.
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      file.reset(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                             nullptr));
    }
    return file;
  }

  bool CopyData(HANDLE file, ZPOS64_T expectedSize) {
    OpenEntry entry(archive_);
    if (!entry) return false;
    ZPOS64_T total = 0;
    for (;;) {
      const int read = unzReadCurrentFile(archive_, buffer_.data(), static_cast<unsigned>(buffer_.size()));
      if (read < 0) return false;
      if (read == 0) break;
      DWORD written = 0;
      if (!WriteFile(file, buffer_.data(), static_cast<DWORD>(read), &written, nullptr) ||
          written != static_cast<DWORD>(read))
        return false;
      total += static_cast<ZPOS64_T>(read);
    }
    // The CRC is checked on close only when all data was read, so a short
    // entry must be caught by its size.
    return total == expectedSize && entry.Close();
  }

  unzFile archive_;
  ScratchBuffer buffer_;
  Text knownFolder_;
};

// The walk over the central directory, first entry to last.
class Extraction {
 public:
  Extraction(unzFile archive, Text folder, const ExtractionListener& listener)
      : archive_(archive), folder_(std::move(folder)), fullFolder_(FullPath(folder_)), listener_(listener),
        writer_(archive, std::string_view(folder_).substr(0, folder_.size() - 1)), name_(kNameBufferSize, '\0') {}

  int Run() {
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(archive_, &global) != UNZ_OK) return Finish(kExtractFailed);
    const ZPOS64_T count = global.number_entry;
    int status = unzGoToFirstFile(archive_);
    for (ZPOS64_T i = 0; i < count; ++i) {
      if (status != UNZ_OK || !WriteCurrentEntry()) return Finish(kExtractFailed);
      if (!listener_(static_cast<int>(i * 100 / count), reported_)) return kExtractDone;
      status = unzGoToNextFile(archive_);
    }
    return Finish(kExtractDone);
  }

 private:
  // The closing event, after the last entry or a failure.
  int Finish(int result) {
    listener_(100, reported_);
    return result;
  }

  bool WriteCurrentEntry() {
    unz_file_info64 info{};
    if (!ReadEntryInfo(info)) return false;
    const Text name = WindowsName(std::string_view(name_.data(), info.size_filename));
    Text path = folder_ + name;
    if (!IsInsideTarget(name, path)) return false;
    const bool written = EndsWithSeparator(name) ? MakeDirectories(path) : writer_.Write(path, info);
    if (!written) return false;
    reported_ = std::move(path);
    return true;
  }

  // The entry's header and name (name_ grows for a long one).
  bool ReadEntryInfo(unz_file_info64& info) {
    for (;;) {
      if (unzGetCurrentFileInfo64(archive_, &info, name_.data(), static_cast<uLong>(name_.size()), nullptr, 0,
                                  nullptr, 0) != UNZ_OK)
        return false;
      if (info.size_filename <= name_.size()) return true;
      name_.resize(info.size_filename);
    }
  }

  // Refuses names that would land outside the target folder.
  bool IsInsideTarget(const Text& name, const Text& path) const {
    if (!IsPlainRelativeName(name) || fullFolder_.empty()) return false;
    const Text full = FullPath(path);
    return full.size() > fullFolder_.size() && full.compare(0, fullFolder_.size(), fullFolder_) == 0;
  }

  unzFile archive_;
  Text folder_;      // target folder with its trailing "\"
  Text fullFolder_;  // the same, resolved
  const ExtractionListener& listener_;
  EntryWriter writer_;
  std::string name_;
  Text reported_;
};

}  // namespace

int ExtractZipFile(std::string_view zipFile, std::string_view targetFolder, const ExtractionListener& listener) {
  MakeDirectories(targetFolder);
  const Text zipPath(zipFile);
  ArchiveFileReader reader(zipPath);
  const FileCheck check = CheckZipFile(reader);
  if (check != FileCheck::Zip) {
    listener(0, Text());
    return check == FileCheck::Missing ? kExtractNoSuchFile : kExtractFailed;
  }
  const ZipReader archive(reader, zipPath);
  if (!archive) {
    listener(0, Text());
    return kExtractFailed;
  }
  return Extraction(archive.get(), WithTrailingSeparator(targetFolder), listener).Run();
}

}  // namespace rt
