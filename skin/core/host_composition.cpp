#include "skin/core/host_composition.h"

#include "skin/core/child_clipping.h"
#include "skin/core/host_record.h"
#include "skin/core/skin_lookups.h"

namespace skin {

void BlitControlToHost(HWND control, HDC image, bool kjLink, bool wholeWindow) {
  SkinWindowRecord* host = HostSkinRecord(control, kjLink);
  if (!host) return;
  const RECT r = wholeWindow ? GetRectInSkinWindow(control) : GetClientRectInSkinWindow(control);
  HDC target = host->compositionDc.get();
  ExcludeVisibleChildren(control, target);
  BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, image, 0, 0, SRCCOPY);
  SelectClipRgn(target, nullptr);
}

void PaintBackgroundFromForm(HWND control, bool kjLink, bool skinnedChildrenMode, HDC dc) {
  SkinWindowRecord* host = HostSkinRecord(control, kjLink);
  if (!host) return;
  const RECT r = GetClientRectInSkinWindow(control);

  rt::WindowDc own;
  HDC target = dc;
  if (skinnedChildrenMode) {
    own = GetDcWithoutSelfPaintingChildren(control);
    target = own.get();
  } else if (dc) {
    GetDcWithoutChildren(control, dc);
  } else {
    own = GetDcWithoutChildren(control);
    target = own.get();
  }
  BitBlt(target, 0, 0, r.right - r.left, r.bottom - r.top, host->compositionDc.get(), r.left, r.top, SRCCOPY);
}

}  // namespace skin
