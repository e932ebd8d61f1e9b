// A scale or rotation about a centre point, made of three changes of one
// object's transform: a translation, the turn itself, the opposite
// translation. In prepend order (0, also when omitted) it applies before
// the transform the object already holds, in any other order after it.
#pragma once

#include "gdip/gdip_optional.h"
#include "gdip/gdip_records.h"
#include "gdip/gdip_status.h"

namespace gdip {

// translate(dx, dy, order) and turn(order) are the object's own flat calls.
// Every status reaches LastStatus and a failed call does not stop the
// next; true when the last one is Ok.
template <class Translate, class Turn>
bool TransformAt(const PointF& centre, const Opt<int>& order, Translate translate, Turn turn) {
  const auto matrixOrder = static_cast<Gdiplus::MatrixOrder>(order.value);
  const REAL toward = order.value == 0 ? 1.0f : -1.0f;
  Record(translate(toward * centre.x, toward * centre.y, matrixOrder));
  Record(turn(matrixOrder));
  return Record(translate(-toward * centre.x, -toward * centre.y, matrixOrder));
}

}  // namespace gdip
