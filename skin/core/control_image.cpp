#include "skin/core/control_image.h"

#include "runtime/gdi_object.h"
#include "skin/core/control_background.h"
#include "skin/core/host_composition.h"

namespace skin {

namespace {

void CopyToControl(HDC dc, const RECT& area, HDC image) {
  BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, image, 0, 0, SRCCOPY);
}

}  // namespace

RECT ControlArea(HWND control, const RECT* given) {
  RECT area{};
  if (given != nullptr) {
    area = *given;
  } else {
    GetClientRect(control, &area);
  }
  return area;
}

CachedDc ComposeControlImage(HWND control, const RECT& area, const ControlDraw& draw) {
  CachedDc image = ComposeControlBackground(control, area);
  if (!image) return image;
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(image.get());
    if (!draw(graphics)) return {};
  }
  BlitControlToHost(control, image.get());
  return image;
}

CachedDc ComposeControlImage(HWND control, const RECT& area, const ControlDraw& draw, const FinishedImage& kept,
                             const LookKey& key) {
  CachedDc image = ComposeControlBackground(control, area);
  if (!image) return image;
  const bool drawn = kept.Finish(image.get(), key, [&] {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(image.get());
    return draw(graphics);
  });
  if (!drawn) return {};
  BlitControlToHost(control, image.get());
  return image;
}

void PresentControlImage(HWND control, const RECT& area, const ControlDraw& draw, const FinishedImage& kept,
                         const LookKey& key) {
  const CachedDc image = ComposeControlImage(control, area, draw, kept, key);
  if (!image) return;
  const rt::WindowDc own(control);
  CopyToControl(own.get(), area, image.get());
}

void PresentControlImage(HWND control, const RECT& area, HDC dc, const ControlDraw& draw) {
  const CachedDc image = ComposeControlImage(control, area, draw);
  if (image) CopyToControl(dc, area, image.get());
}

void PresentControlImage(HWND control, const RECT& area, const ControlDraw& draw) {
  const CachedDc image = ComposeControlImage(control, area, draw);
  if (!image) return;
  const rt::WindowDc own(control);
  CopyToControl(own.get(), area, image.get());
}

}  // namespace skin
