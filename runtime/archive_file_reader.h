// minizip's file functions over an archive read through two buffered
// windows. The walk alternates between the central directory (at the end)
// and the entries' data (from the start), in many small reads; each window
// stays on one of the two regions, so most reads copy memory instead of
// making a system call.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "ioapi.h"

#include "runtime/byte_array.h"
#include "runtime/scratch_buffer.h"
#include "runtime/win_handle.h"

namespace rt {

class ArchiveFileReader {
 public:
  static constexpr std::size_t kWindowSize = 64 * 1024;

  explicit ArchiveFileReader(const Text& path);
  ArchiveFileReader(const ArchiveFileReader&) = delete;
  ArchiveFileReader& operator=(const ArchiveFileReader&) = delete;

  // The file could not be opened because it (or its folder) does not exist.
  bool missing() const { return missing_; }
  bool opened() const { return static_cast<bool>(file_); }

  // Up to `size` bytes at the start of the file.
  ByteArray Head(std::size_t size);

  // Functions for unzOpen2_64 reading this file (the name passed to
  // minizip's open is not used); valid while this object lives.
  zlib_filefunc64_def Functions();

 private:
  struct Window {
    ScratchBuffer bytes{kWindowSize};
    std::uint64_t start = 0;
    std::size_t length = 0;  // valid bytes
    std::uint64_t lastUse = 0;
  };

  // Copies up to `size` bytes at the current position; the count copied.
  std::size_t ReadAt(void* buffer, std::size_t size);
  bool ReadFromFile(std::uint64_t position, void* buffer, std::size_t size, std::size_t& read);
  Window& Refill(std::uint64_t position);

  static voidpf ZCALLBACK Open(voidpf opaque, const void* name, int mode);
  static uLong ZCALLBACK Read(voidpf opaque, voidpf stream, void* buffer, uLong size);
  static uLong ZCALLBACK Write(voidpf opaque, voidpf stream, const void* buffer, uLong size);
  static ZPOS64_T ZCALLBACK Tell(voidpf opaque, voidpf stream);
  static long ZCALLBACK Seek(voidpf opaque, voidpf stream, ZPOS64_T offset, int origin);
  static int ZCALLBACK Close(voidpf opaque, voidpf stream);
  static int ZCALLBACK Error(voidpf opaque, voidpf stream);

  FileHandle file_;
  bool missing_ = false;
  std::uint64_t size_ = 0;
  std::uint64_t position_ = 0;
  std::uint64_t uses_ = 0;
  bool failed_ = false;
  std::array<Window, 2> windows_;
};

}  // namespace rt
