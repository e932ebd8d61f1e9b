// Optional arguments of the wrapper operations: a value and whether the
// caller gave it. An omitted value is 0; each operation either passes the
// value unchanged (GDI+ reads 0 as its default) or substitutes its own
// default through Or().
#pragma once

#include <utility>

namespace gdip {

template <class T>
struct Opt {
  T value{};
  bool given = false;

  Opt() = default;
  Opt(T v) : value(std::move(v)), given(true) {}  // NOLINT: implicit by design

  const T& Or(const T& fallback) const { return given ? value : fallback; }
};

}  // namespace gdip
