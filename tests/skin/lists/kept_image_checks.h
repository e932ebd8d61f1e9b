// Checks of painters that keep their last finished image: whatever was
// kept before, a paint must leave exactly the pixels a paint drawn afresh
// leaves.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/skin/core/composed_frame.h"

namespace quillora_test {

// The whole pixels (alpha included) of a rectangle of a memory DC's DIB,
// row by row.
inline std::vector<std::uint32_t> AreaPixels(HDC dc, const RECT& r) {
  DibPixels pixels(dc);
  std::vector<std::uint32_t> area;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) area.push_back(pixels.at(x, y));
  return area;
}

inline ::testing::AssertionResult SamePixels(const std::vector<std::uint32_t>& actual,
                                             const std::vector<std::uint32_t>& fresh, const char* which) {
  if (actual.size() != fresh.size())
    return ::testing::AssertionFailure() << which << ": " << actual.size() << " pixels, fresh " << fresh.size();
  std::size_t differing = 0, first = 0;
  for (std::size_t i = 0; i < actual.size(); ++i) {
    if (actual[i] != fresh[i] && differing++ == 0) first = i;
  }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << which << ": " << differing << " of " << actual.size()
                                       << " pixels differ from a fresh paint, the first at " << first << std::hex
                                       << " (0x" << actual[first] << " for 0x" << fresh[first] << ")";
}

// Paints with whatever the painter kept from the paints before (a changed
// state must not be taken for the kept one), paints again (now from the
// image just kept), then lets the painter forget and paints afresh: all
// three must leave the same pixels. `read` gives the pixels a paint left.
template <class Paint, class Forget, class Read>
::testing::AssertionResult KeptPaintsAreFresh(Paint paint, Forget forget, Read read) {
  paint();
  const std::vector<std::uint32_t> afterChange = read();
  paint();
  const std::vector<std::uint32_t> repeated = read();
  forget();
  paint();
  const std::vector<std::uint32_t> fresh = read();
  if (::testing::AssertionResult r = SamePixels(afterChange, fresh, "first paint in this state"); !r) return r;
  return SamePixels(repeated, fresh, "repeated paint");
}

}  // namespace quillora_test
