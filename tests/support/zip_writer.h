// Builds small ZIP archives in memory for tests and benchmarks: stored and
// deflated entries, folder entries, names as raw bytes (code page 936 or
// anything hostile), and deliberately broken entries. No dependency on the
// test framework, so benchmarks link it too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testzip {

using Bytes = std::vector<std::uint8_t>;

enum class Method { Stored, Deflated };

struct EntryOptions {
  Method method = Method::Deflated;
  bool corruptCrc = false;                    // store a CRC that does not match the data
  std::optional<std::size_t> keepDataBytes;   // cut the stored data to this many bytes
  std::uint32_t externalAttributes = 0x20;    // FILE_ATTRIBUTE_ARCHIVE
};

// Shorthands for the usual options.
inline EntryOptions StoredEntry() {
  EntryOptions options;
  options.method = Method::Stored;
  return options;
}
inline EntryOptions WithWrongCrc(Method method) {
  EntryOptions options;
  options.method = method;
  options.corruptCrc = true;
  return options;
}
inline EntryOptions WithDataCut(Method method, std::size_t keepBytes) {
  EntryOptions options;
  options.method = method;
  options.keepDataBytes = keepBytes;
  return options;
}

class ZipWriter {
 public:
  // A file entry; `name` is written byte for byte.
  ZipWriter& AddFile(std::string_view name, std::string_view data, const EntryOptions& options = {});
  // A folder entry; a "/" is appended unless the name ends in one.
  ZipWriter& AddFolder(std::string_view name);

  std::size_t EntryCount() const { return entries_; }

  // The archive: local entries, the central directory, its end record.
  Bytes Finish() const;

 private:
  void AddEntry(std::string_view name, std::string_view data, const EntryOptions& options, bool folder);

  Bytes local_;
  Bytes central_;
  std::size_t entries_ = 0;
};

// Writes the bytes to the file (ANSI path); false on failure.
bool WriteFile(const std::string& path, const Bytes& bytes);

// Raw deflate (no zlib header), as ZIP stores it.
Bytes Deflate(std::string_view data);

}  // namespace testzip
