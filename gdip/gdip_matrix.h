// Owning wrapper of a GDI+ matrix: the transform argument of path, pen,
// brush and graphics operations (an empty matrix stands for none), and the
// turn used when a bitmap is rotated.
#pragma once

#include "gdip/gdip_object.h"

namespace gdip {

class GdipMatrix : public GdipObject {
 public:
  GdipMatrix();
  GdipMatrix(GdipMatrix&&) noexcept = default;
  GdipMatrix& operator=(GdipMatrix&&) noexcept = default;

  bool Delete();
  // An identity matrix.
  bool Create();
  bool Translate(REAL dx, REAL dy, Opt<int> order = {});
  bool Rotate(REAL angle, Opt<int> order = {});

 private:
  Gdiplus::GpMatrix* Native() const { return NativeAs<Gdiplus::GpMatrix>(); }
};

}  // namespace gdip
