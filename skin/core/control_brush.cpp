#include "skin/core/control_brush.h"

#include "skin/core/control_background.h"
#include "skin/core/window_properties.h"

namespace skin {

void DeleteControlBrush(HWND child) {
  if (auto brush = prop::ReadHandle<HGDIOBJ>(child, prop::kCtlColourBrush)) DeleteObject(brush);
  if (auto bitmap = prop::ReadHandle<HGDIOBJ>(child, prop::kCtlColourBitmap)) DeleteObject(bitmap);
  prop::Write(child, prop::kCtlColourBrush, 0);
  prop::Write(child, prop::kCtlColourBitmap, 0);
}

HBRUSH RenewControlBrush(HWND child) {
  DeleteControlBrush(child);
  rt::UniqueBitmap bitmap = MakeBackgroundBitmap(child);
  const HBRUSH brush = CreatePatternBrush(bitmap.get());
  // From here on the child's properties own both objects.
  prop::WriteHandle(child, prop::kCtlColourBrush, brush);
  prop::WriteHandle(child, prop::kCtlColourBitmap, bitmap.release());
  return brush;
}

}  // namespace skin
