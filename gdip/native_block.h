// A zero-filled buffer for GDI+'s variable-size blocks (codec lists,
// encoder parameters, property items, palettes), aligned for the records
// they start with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gdip {

class NativeBlock {
 public:
  explicit NativeBlock(std::size_t size) : words_((size + sizeof(Word) - 1) / sizeof(Word), 0), size_(size) {}

  std::size_t size() const { return size_; }
  void* data() { return size_ == 0 ? nullptr : words_.data(); }

  template <class Record>
  Record* As() {
    return static_cast<Record*>(data());
  }

  // Whether [first, first + count) lies inside the block: GDI+ points into
  // its blocks, and nothing outside them is read.
  bool Holds(const void* first, std::size_t count) const {
    const auto* begin = reinterpret_cast<const std::uint8_t*>(words_.data());
    const auto* p = static_cast<const std::uint8_t*>(first);
    if (p == nullptr || size_ == 0 || p < begin || p > begin + size_) return false;
    return count <= static_cast<std::size_t>(begin + size_ - p);
  }

 private:
  using Word = std::uint64_t;
  std::vector<Word> words_;
  std::size_t size_;
};

}  // namespace gdip
