#include "runtime/scratch_buffer.h"

#include <utility>
#include <vector>

namespace rt {
namespace {

constexpr std::size_t kMaxKeptBlocks = 4;  // one extraction uses three

// Blocks not leased at the moment. Only the user-interface thread extracts.
std::vector<ByteArray>& KeptBlocks() {
  static std::vector<ByteArray> blocks;
  return blocks;
}

}  // namespace

ScratchBuffer::ScratchBuffer(std::size_t size) {
  auto& kept = KeptBlocks();
  for (auto block = kept.begin(); block != kept.end(); ++block) {
    if (block->size() == size) {
      bytes_ = std::move(*block);
      kept.erase(block);
      return;
    }
  }
  bytes_.resize(size);
}

ScratchBuffer::~ScratchBuffer() {
  auto& kept = KeptBlocks();
  if (kept.size() < kMaxKeptBlocks) kept.push_back(std::move(bytes_));
}

}  // namespace rt
