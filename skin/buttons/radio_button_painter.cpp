#include "skin/buttons/radio_button_painter.h"

#include "gdip/gdip_path.h"
#include "gdip/gdip_pen.h"
#include "skin/core/colour_convert.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/paint_kit.h"

namespace skin {

namespace {

constexpr COLORREF kDisabledGrey = RGB(96, 96, 96);

gdip::GdipPath Ellipse(float x, float y, float size) {
  gdip::GdipPath path;
  path.Create();
  path.AddEllipse(x, y, size, size);
  return path;
}

// The drawn circle: white and shaded, an accent glow around it on hover
// and an accent dot when checked.
void DrawCircle(gdip::GdipGraphics& graphics, const RECT& bounds, const CheckButtonState& state) {
  const int left = bounds.left, top = bounds.top, height = bounds.bottom - top;
  // Handed to GDI+ unrounded: an odd height puts the circle on a half pixel.
  const double y0 = top + (height - 12) / 2.0;
  const float fl = float(left), fy0 = float(y0);
  const gdip::GdipPath circle = Ellipse(fl + 2, fy0, 12);
  graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
  FillPathSolid(graphics, circle, ToArgb(kWhite, 254));
  FillPathGradient(graphics, circle, MakePair(fl + 3, fy0 + 1), MakePair(fl + 10, fy0 + 11), ToArgb(kBlack, 100),
                   ToArgb(kBlack, 0));

  if (state.hover && !state.disabled) {
    // The glow is a ring: the glow ellipse less the circle.
    const gdip::GdipPath glow = Ellipse(fl - 1, fy0 - 3, 18);
    graphics.SetClipPath(circle, gdip::CombineMode::Intersect);
    graphics.SetClipPath(glow, gdip::CombineMode::Xor);
    FillPathGlow(graphics, glow, ToArgb(kWhite, 254), ToArgb(kWhite, 0), 0.4f, 0.4f);
    FillPathGlow(graphics, glow, ToArgb(AccentColour, 255), ToArgb(kWhite, 0), 0.3f, 0.3f);
    ClipToCheckButton(graphics, bounds);
    FillPathGradient(graphics, circle, MakePair(fl + 3, fy0 + 1), MakePair(fl + 11, fy0 + 12),
                     ToArgb(AccentColour, 100), ToArgb(kBlack, 0));
  }

  OutlinePath(graphics, circle, ToArgb(kBlack, 200));
  {
    gdip::GdipPen ring;
    ring.Create(ToArgb(kWhite, 254), 1);
    graphics.DrawEllipse(ring, fl + 3, float(top + (height - 11) / 2.0 + 1), 9, 9);
  }

  if (state.checked) {
    const gdip::GdipPath dot = Ellipse(fl + 5, fy0 + 3, 6);
    OutlinePath(graphics, dot, ToArgb(kBlack, 150));
    OutlinePath(graphics, dot, ToArgb(AccentColour, 150));
    FillPathGlow(graphics, dot, ToArgb(kWhite, 80), ToArgb(state.disabled ? kDisabledGrey : AccentColour, 254));
  }
}

}  // namespace

void DrawRadioButton(gdip::GdipGraphics& graphics, const RECT& bounds, const CheckButtonState& state,
                     const CheckButtonLook& look) {
  const int left = bounds.left, top = bounds.top, width = bounds.right - left, height = bounds.bottom - top;
  ClipToCheckButton(graphics, bounds);
  int contentWidth = 0;
  if (look.useStateImages) {
    contentWidth = DrawCheckButtonStateImages(graphics, bounds, state, look.images);
  } else {
    DrawCircle(graphics, bounds, state);
    contentWidth = 13;
  }
  ClipToCheckButton(graphics, bounds);

  const float textX = float(left + contentWidth + 2);
  DrawCheckButtonCaption(graphics, look.caption, RectF{textX, float(top + 2), float(width), float(height)},
                         RectF{textX, float(top), float(width), float(height + 2)},
                         state.disabled ? kDisabledGrey : look.caption.colour);
}

void PaintRadioButton(HWND window, int itemState) {
  PaintCheckButton(window, itemState, std::nullopt,
                   [&](gdip::GdipGraphics& graphics, const RECT& client, const CheckButtonState& state,
                       const ButtonRecord& record) {
                     DrawRadioButton(graphics, client, state, CheckButtonLookOf(window, record));
                   });
}

}  // namespace skin
