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

void PaintBackgroundFromForm(HWND control, HostLink link, ChildClip clip, HDC dc) {
  SkinWindowRecord* host = HostSkinRecord(control, link == HostLink::Kj);
  if (!host) return;
  const RECT r = GetClientRectInSkinWindow(control);
  const auto copy = [&](HDC target) {
    BitBlt(target, 0, 0, r.right - r.left, r.bottom - r.top, host->compositionDc.get(), r.left, r.top,
           SRCCOPY);
  };

  if (clip == ChildClip::SelfPainting) {
    copy(GetDcWithoutSelfPaintingChildren(control).get());
  } else if (dc) {
    // The children are cut out of the caller's clip region for the copy
    // only.
    rt::ScopedSaveDc saved(dc);
    copy(GetDcWithoutChildren(control, dc));
  } else {
    copy(GetDcWithoutChildren(control).get());
  }
}

void PaintBackgroundFromForm(HWND control, HDC dc) {
  PaintBackgroundFromForm(control, HostLink::Hw, ChildClip::All, dc);
}

}  // namespace skin
