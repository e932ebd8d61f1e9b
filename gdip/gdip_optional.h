// Optional arguments of the wrapper operations: a value and whether the
// caller gave it. An omitted value is 0; each operation either passes the
// value unchanged (GDI+ reads 0 as its default) or substitutes its own
// default through Or().
#pragma once

#include <type_traits>
#include <utility>

namespace gdip {

template <class T>
struct Opt {
  T value{};
  bool given = false;

  Opt() = default;
  // Implicit, so a caller simply writes the value (or leaves it out).
  template <class U>
    requires(!std::is_same_v<std::remove_cvref_t<U>, Opt> && std::is_constructible_v<T, U &&>)
  Opt(U&& v) : value(std::forward<U>(v)), given(true) {}

  const T& Or(const T& fallback) const { return given ? value : fallback; }
};

}  // namespace gdip
