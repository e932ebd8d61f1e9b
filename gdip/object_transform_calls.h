// The bodies of TransformOps, for the source file of a wrapper that
// derives from it. That file defines the wrapper's table of flat calls:
//
//   struct PenTransformCalls {
//     using Native = Gdiplus::GpPen;
//     static inline const auto Get = flat::GdipGetPenTransform;  ... and so on
//   };
//
// (Get, Set, Reset, Multiply, Translate, Scale, Rotate) and instantiates
// `template class TransformOps<GdipPen, PenTransformCalls>;`.
#pragma once

#include "gdip/gdip_matrix.h"
#include "gdip/gdip_object.h"
#include "gdip/gdip_status.h"
#include "gdip/object_transform.h"
#include "gdip/transform_at.h"

namespace gdip {

namespace transform_detail {

inline Gdiplus::MatrixOrder OrderOf(const Opt<int>& order) {
  return static_cast<Gdiplus::MatrixOrder>(order.value);
}

}  // namespace transform_detail

template <class Derived, class Calls>
auto* TransformOps<Derived, Calls>::Native() const {
  return NativeOf<typename Calls::Native>(static_cast<const Derived&>(*this));
}

template <class Derived, class Calls>
bool TransformOps<Derived, Calls>::GetTransform(GdipMatrix& target) {
  if (!target.Create()) return false;
  return Record(Calls::Get(Native(), NativeOf<Gdiplus::GpMatrix>(target)));
}

template <class Derived, class Calls>
bool TransformOps<Derived, Calls>::SetTransform(const GdipMatrix& matrix) {
  return Record(Calls::Set(Native(), NativeOf<Gdiplus::GpMatrix>(matrix)));
}

template <class Derived, class Calls>
bool TransformOps<Derived, Calls>::ResetTransform() {
  return Record(Calls::Reset(Native()));
}

template <class Derived, class Calls>
bool TransformOps<Derived, Calls>::MultiplyTransform(const GdipMatrix& matrix, Opt<int> order) {
  return Record(Calls::Multiply(Native(), NativeOf<Gdiplus::GpMatrix>(matrix), transform_detail::OrderOf(order)));
}

template <class Derived, class Calls>
bool TransformOps<Derived, Calls>::TranslateTransform(REAL dx, REAL dy, Opt<int> order) {
  return Record(Calls::Translate(Native(), dx, dy, transform_detail::OrderOf(order)));
}

template <class Derived, class Calls>
bool TransformOps<Derived, Calls>::ScaleTransform(REAL sx, REAL sy, Opt<int> order) {
  return Record(Calls::Scale(Native(), sx, sy, transform_detail::OrderOf(order)));
}

template <class Derived, class Calls>
bool TransformOps<Derived, Calls>::RotateTransform(REAL angle, Opt<int> order) {
  return Record(Calls::Rotate(Native(), angle, transform_detail::OrderOf(order)));
}

template <class Derived, class Calls>
bool TransformOps<Derived, Calls>::ScaleTransformAt(REAL sx, REAL sy, const PointF& centre, Opt<int> order) {
  return TransformAt(
      centre, order, [&](REAL dx, REAL dy, Gdiplus::MatrixOrder o) { return Calls::Translate(Native(), dx, dy, o); },
      [&](Gdiplus::MatrixOrder o) { return Calls::Scale(Native(), sx, sy, o); });
}

template <class Derived, class Calls>
bool TransformOps<Derived, Calls>::RotateTransformAt(REAL angle, const PointF& centre, Opt<int> order) {
  return TransformAt(
      centre, order, [&](REAL dx, REAL dy, Gdiplus::MatrixOrder o) { return Calls::Translate(Native(), dx, dy, o); },
      [&](Gdiplus::MatrixOrder o) { return Calls::Rotate(Native(), angle, o); });
}

}  // namespace gdip
