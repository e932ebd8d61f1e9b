// Owning wrapper of any GDI+ brush, and the operations the four brush
// classes share. A plain GdipBrush also serves as the target of operations
// that hand out a brush of unknown kind (a pen's fill, a brush clone).
#pragma once

#include "gdip/gdip_object.h"

namespace gdip {

class GdipBrush : public GdipObject {
 public:
  GdipBrush();
  GdipBrush(GdipBrush&&) noexcept = default;
  GdipBrush& operator=(GdipBrush&&) noexcept = default;

  bool Delete();
  // An independent copy of this brush in the target.
  bool CloneInto(GdipBrush& target) const;
  // 0 solid, 1 hatch, 2 texture, 3 path gradient, 4 linear gradient; an
  // empty brush also gives 0, and LastStatus tells the two apart.
  int GetType();

 private:
  Gdiplus::GpBrush* Native() const { return NativeAs<Gdiplus::GpBrush>(); }
};

}  // namespace gdip
