// Reading GDI+'s variable-length arrays (blend factors and positions,
// preset colours, dash and compound values): ask for the count, then fill
// arrays of exactly that size.
#pragma once

#include <span>
#include <vector>

#include "gdip/gdip_records.h"
#include "gdip/gdip_status.h"

namespace gdip {

// count(INT*) reads the element count; when it fails, 0 is returned and
// the arrays stay as they were. Otherwise every array is replaced by count
// zeros, fill(first elements..., count) writes them, and the count is
// returned even when the fill fails.
template <class Count, class Fill, class... Elements>
int ReadArrays(Count count, Fill fill, std::vector<Elements>&... arrays) {
  INT n = 0;
  if (!Record(count(&n))) return 0;
  if (n < 0) n = 0;
  (arrays.assign(static_cast<std::size_t>(n), Elements{}), ...);
  Record(fill(FirstOrNull(std::span<Elements>(arrays))..., n));
  return n;
}

// Arrays handed to GDI+ beside a first array whose size is the count must
// hold at least as many elements.
template <class First, class Second>
bool CoversCount(std::span<const First> first, std::span<const Second> second) {
  return second.size() >= first.size();
}

}  // namespace gdip
