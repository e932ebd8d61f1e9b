#include "gdip/gdip_solid_brush.h"

namespace gdip {

using Gdiplus::GpSolidFill;

bool GdipSolidBrush::Create(ARGB colour) {
  return CreateWith<GpSolidFill>([&](GpSolidFill** out) { return flat::GdipCreateSolidFill(colour, out); });
}

bool GdipSolidBrush::SetColor(ARGB colour) { return Record(flat::GdipSetSolidFillColor(Native(), colour)); }

ARGB GdipSolidBrush::GetColor() {
  ARGB colour = 0;
  Record(flat::GdipGetSolidFillColor(Native(), &colour));
  return colour;
}

}  // namespace gdip
