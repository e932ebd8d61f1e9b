// Working memory that outlives one archive. The system heap returns freed
// blocks of this size to the system, so fresh ones would cost a page fault
// per page for every archive (about a sixth of the time of a large entry).
// A buffer leases a kept block for its lifetime and hands it back at the
// end; a nested extraction (started from a progress handler) finds the
// blocks leased and takes fresh memory.
#pragma once

#include <cstddef>
#include <cstdint>

#include "runtime/byte_array.h"

namespace rt {

class ScratchBuffer {
 public:
  explicit ScratchBuffer(std::size_t size);
  ScratchBuffer(const ScratchBuffer&) = delete;
  ScratchBuffer& operator=(const ScratchBuffer&) = delete;
  ~ScratchBuffer();

  std::uint8_t* data() { return bytes_.data(); }
  std::size_t size() const { return bytes_.size(); }

 private:
  ByteArray bytes_;
};

}  // namespace rt
