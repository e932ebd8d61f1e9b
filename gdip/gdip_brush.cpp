#include "gdip/gdip_brush.h"

namespace gdip {

using Gdiplus::GpBrush;

namespace {

GpStatus DeleteBrush(void* native) { return flat::GdipDeleteBrush(static_cast<GpBrush*>(native)); }

}  // namespace

GdipBrush::GdipBrush() : GdipObject(DeleteBrush) {}

bool GdipBrush::Delete() { return ReleaseNative(); }

bool GdipBrush::CloneInto(GdipBrush& target) const {
  if (&target == this) return RefuseArgument();
  return target.CreateWith<GpBrush>([&](GpBrush** out) { return flat::GdipCloneBrush(Native(), out); });
}

int GdipBrush::GetType() {
  Gdiplus::BrushType type = Gdiplus::BrushTypeSolidColor;
  Record(flat::GdipGetBrushType(Native(), &type));
  return static_cast<int>(type);
}

}  // namespace gdip
