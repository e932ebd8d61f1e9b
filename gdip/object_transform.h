// The transform operations that pens and the linear-gradient, path-gradient
// and texture brushes share. A wrapper takes them by deriving from
// TransformOps with a table of its own flat calls (a struct declared here
// and defined beside the wrapper, see object_transform_calls.h), so the
// nine operations are written once.
//
// Matrix orders are GDI+'s own numbers: 0 (also when omitted) prepends the
// change to the transform the object holds, 1 appends it.
#pragma once

#include "gdip/gdip_optional.h"
#include "gdip/gdip_records.h"
#include "gdip/gdiplus_api.h"

namespace gdip {

class GdipMatrix;

template <class Derived, class Calls>
class TransformOps {
 public:
  // GDI+ copies the transform into the target, which is made first.
  bool GetTransform(GdipMatrix& target);
  bool SetTransform(const GdipMatrix& matrix);
  bool ResetTransform();
  bool MultiplyTransform(const GdipMatrix& matrix, Opt<int> order = {});
  bool TranslateTransform(REAL dx, REAL dy, Opt<int> order = {});
  bool ScaleTransform(REAL sx, REAL sy, Opt<int> order = {});
  bool RotateTransform(REAL angle, Opt<int> order = {});
  // Scale or rotation about a centre point (see transform_at.h).
  bool ScaleTransformAt(REAL sx, REAL sy, const PointF& centre, Opt<int> order = {});
  bool RotateTransformAt(REAL angle, const PointF& centre, Opt<int> order = {});

 private:
  auto* Native() const;
};

}  // namespace gdip
