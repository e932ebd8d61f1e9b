#include "skin/lists/keyed_composition.h"

#include "runtime/gdi_object.h"
#include "skin/core/child_clipping.h"
#include "skin/core/host_record.h"
#include "skin/core/skin_lookups.h"

namespace skin {

void FillKeyColour(HDC image, const RECT& area, COLORREF key) {
  rt::UniqueBrush brush(CreateSolidBrush(key));
  FillRect(image, &area, brush.get());
}

void ComposeKeyedImage(HWND control, HDC source, COLORREF key, int kjLink) {
  SkinWindowRecord* host = HostSkinRecord(control, kjLink != 0);
  if (host == nullptr || host->compositionDc == nullptr) return;
  const RECT r = GetRectInSkinWindow(control);
  HDC target = host->compositionDc.get();
  ExcludeVisibleChildren(control, target);
  TransparentBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0, r.right - r.left,
                 r.bottom - r.top, key);
  SelectClipRgn(target, nullptr);
}

}  // namespace skin
