#include "gdip/memory_stream.h"

#include <cstring>
#include <utility>

#include "gdip/gdip_status.h"

namespace gdip {

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : memory_(std::exchange(other.memory_, nullptr)),
      stream_(std::exchange(other.stream_, nullptr)),
      ownsMemory_(std::exchange(other.ownsMemory_, false)) {}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
  if (this != &other) {
    Release();
    memory_ = std::exchange(other.memory_, nullptr);
    stream_ = std::exchange(other.stream_, nullptr);
    ownsMemory_ = std::exchange(other.ownsMemory_, false);
  }
  return *this;
}

IStream* MemoryStream::CreateFromBytes(const rt::ByteArray* bytes, Opt<std::size_t> size) {
  const std::size_t available = bytes != nullptr ? bytes->size() : 0;
  if (bytes != nullptr && size.given && size.value > available) {
    RefuseArgument();
    return nullptr;
  }
  Release();
  const std::size_t blockSize = size.Or(available);
  memory_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize);
  if (memory_ == nullptr) return nullptr;
  ownsMemory_ = true;
  if (bytes != nullptr && blockSize > 0) {
    if (void* block = GlobalLock(memory_)) {
      std::memcpy(block, bytes->data(), blockSize);
      GlobalUnlock(memory_);
    }
  }
  // The block stays ours: releasing the stream must not free it.
  if (FAILED(CreateStreamOnHGlobal(memory_, FALSE, &stream_))) stream_ = nullptr;
  return stream_;
}

void MemoryStream::Release() {
  // The stream may have moved its bytes to another block while growing.
  HGLOBAL memory = GetHglobal();
  const bool owned = std::exchange(ownsMemory_, false);
  memory_ = nullptr;
  if (stream_ != nullptr) std::exchange(stream_, nullptr)->Release();
  if (owned && memory != nullptr) GlobalFree(memory);
}

bool MemoryStream::Attach(IStream* stream) {
  Release();
  stream_ = stream;
  if (stream_ == nullptr) return false;
  HGLOBAL memory = nullptr;
  if (FAILED(GetHGlobalFromStream(stream_, &memory))) return false;
  memory_ = memory;
  return memory_ != nullptr;
}

HGLOBAL MemoryStream::GetHglobal() const {
  // A growing stream may move its contents to another block; ask it.
  HGLOBAL memory = nullptr;
  if (stream_ != nullptr && SUCCEEDED(GetHGlobalFromStream(stream_, &memory))) return memory;
  return memory_;
}

std::size_t MemoryStream::GetSize() const {
  HGLOBAL memory = GetHglobal();
  if (memory == nullptr) return 0;
  std::size_t size = GlobalSize(memory);
  // The block may be larger than what was written into the stream.
  STATSTG stat{};
  if (stream_ != nullptr && SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME)) && stat.cbSize.QuadPart < size)
    size = static_cast<std::size_t>(stat.cbSize.QuadPart);
  return size;
}

rt::ByteArray MemoryStream::ToBytes() const {
  const std::size_t size = GetSize();
  if (size == 0) return {};
  HGLOBAL memory = GetHglobal();
  const void* block = GlobalLock(memory);
  if (block == nullptr) return {};
  rt::ByteArray bytes(static_cast<const std::uint8_t*>(block), static_cast<const std::uint8_t*>(block) + size);
  GlobalUnlock(memory);
  return bytes;
}

}  // namespace gdip
