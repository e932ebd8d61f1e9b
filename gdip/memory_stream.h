// An in-memory COM stream over a global memory block holding a private copy
// of a byte array: what GDI+ decodes images from and encodes them into.
#pragma once

#include <cstddef>

#include "gdip/gdip_optional.h"
#include "gdip/gdiplus_api.h"
#include "runtime/byte_array.h"

namespace gdip {

class MemoryStream {
 public:
  MemoryStream() = default;
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  MemoryStream(MemoryStream&& other) noexcept;
  MemoryStream& operator=(MemoryStream&& other) noexcept;
  ~MemoryStream() { Release(); }

  // Releases what the object held, then makes a stream at position 0 over a
  // new block of `size` bytes (the array's length when omitted) holding a
  // copy of the array. A size beyond a given array is refused (null, with
  // LastStatus = InvalidParameter); without an array the block is zeroed.
  // Returns the stream, null when it could not be made.
  IStream* CreateFromBytes(const rt::ByteArray* bytes = nullptr, Opt<std::size_t> size = {});
  IStream* CreateFromBytes(const rt::ByteArray& bytes) { return CreateFromBytes(&bytes); }

  // Releases the stream and frees the block this object owns, each on its own.
  void Release();

  // Takes over the caller's reference to a stream on global memory, after
  // releasing what the object held. The stream keeps governing its block.
  // True when the stream has a memory block.
  bool Attach(IStream* stream);

  // Number of bytes the stream holds (not the block's possibly larger size).
  std::size_t GetSize() const;
  // A copy of the bytes the stream holds.
  rt::ByteArray ToBytes() const;

  IStream* GetStream() const { return stream_; }
  HGLOBAL GetHglobal() const;

 private:
  HGLOBAL memory_ = nullptr;
  IStream* stream_ = nullptr;
  bool ownsMemory_ = false;
};

}  // namespace gdip
