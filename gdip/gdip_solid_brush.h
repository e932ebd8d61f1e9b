// A GDI+ brush that fills with one ARGB colour.
#pragma once

#include "gdip/gdip_brush.h"

namespace gdip {

class GdipSolidBrush : public GdipBrush {
 public:
  GdipSolidBrush() = default;
  GdipSolidBrush(GdipSolidBrush&&) noexcept = default;
  GdipSolidBrush& operator=(GdipSolidBrush&&) noexcept = default;

  bool Create(ARGB colour);
  bool SetColor(ARGB colour);
  ARGB GetColor();

 private:
  Gdiplus::GpSolidFill* Native() const { return NativeAs<Gdiplus::GpSolidFill>(); }
};

}  // namespace gdip
