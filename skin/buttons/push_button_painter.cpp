#include "skin/buttons/push_button_painter.h"

#include <utility>

#include "gdip/gdip_pen.h"
#include "gdip/gdip_solid_brush.h"
#include "skin/buttons/button_records.h"
#include "skin/buttons/hover_fades.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_image.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/paint_kit.h"
#include "skin/core/round_rect_path.h"
#include "skin/core/skin_text.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

constexpr COLORREF kGlowColour = 0xDDCA22;  // fixed: the focus glow ignores the theme's accent
constexpr int kCorner = 5;

void ClipToFaceInset(gdip::GdipGraphics& g, int x, int y, int w, int h, int a, int b) {
  gdip::GdipPath inset =
      MakeRoundRectPath(float(x + a - 1), float(y + a - 1), float(w - 2 * a + 1), float(h - 2 * a + 1), b, true);
  g.SetClipPath(inset, gdip::CombineMode::Replace);
}

void DrawCaption(gdip::GdipGraphics& g, const PushButtonLook& look, int state, int w, int h) {
  const ButtonCaption& caption = look.caption;
  if (caption.halo) {
    DrawSkinText(g, caption.text, MakeRectF(0, 0, float(w), float(h + 2)), caption.colour, *caption.halo, 4,
                 caption.font.face, caption.font.style, float(caption.font.size), 1, 1, std::nullopt, 0, nullptr,
                 caption.kit != nullptr ? &caption.kit->font : nullptr);
    return;
  }
  const COLORREF colour = (state & ODS_DISABLED) != 0 ? look.disabledColour : caption.colour;
  TextLayout layout;
  layout.align = gdip::StringAlignment::Center;
  layout.lineAlign = gdip::StringAlignment::Center;
  layout.hotkeyPrefix = gdip::HotkeyPrefix::Show;
  DrawPlainText(g, caption.text, caption.font, gdip::Unit::World, layout, ToArgb(colour, 255),
                gdip::RectF{0, 2, float(w), float(h)}, caption.kit);
}

PushButtonLook PushButtonLookOf(HWND window, const ListedButton& listed, int state) {
  ButtonRecord& record = *listed.record;
  // The button's own face, else the window's; neither is ever loaded here.
  NineGridImage* face = record.faceLoaded != 0                 ? &record.face
                        : listed.host->faceImageLoaded != 0 ? &listed.host->faceImage
                                                               : nullptr;
  // The disabled colour is asked for only when it is drawn: a property
  // read is a round trip to the window server.
  const COLORREF disabled =
      (state & ODS_DISABLED) != 0 ? static_cast<COLORREF>(prop::Read(window, prop::kDisabledTextColour)) : 0;
  return PushButtonLook{CaptionOf(window, record), disabled, face};
}

// Everything a push button without a loaded face is drawn from.
LookKey PushButtonKey(const PushButtonLook& look, const RECT& area, int state) {
  LookKey key;
  key.Add(area).Add(state).Add(look.disabledColour).Add(AccentColour);
  AddCaptionKey(key, look.caption);
  return key;
}

}  // namespace

void DrawGlow(gdip::GdipGraphics& graphics, const gdip::GdipPath& path, int count, COLORREF colour, int alpha) {
  gdip::GdipPen pen;
  pen.Create(ToArgb(colour, alpha), 1);
  for (int i = 1; i <= count; ++i) {
    pen.SetWidth(float(i));
    graphics.DrawPath(pen, path);
  }
}

void DrawPushButton(gdip::GdipGraphics& g, const RECT& area, int state, const PushButtonLook& look) {
  const int x = area.left, y = area.top, w = area.right - area.left, h = area.bottom - area.top;
  const COLORREF accent = AccentColour;
  NineGridImage* face = look.face;
  int a = 0, b = 0;
  {
    gdip::GdipPath base;
    base.Create();
    if (face != nullptr) {
      g.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
      g.SetPixelOffsetMode(gdip::PixelOffsetMode::HighQuality);
      face->SetRect(x, y, w, h);
      a = face->GetInsetA();
      b = face->GetInsetB();
      AddRoundRectPathI(base, float(x + a - 1), float(y + a - 1), float(w - 2 * a + 1), float(h - 2 * a + 1), b);
      g.SetClipPath(base, gdip::CombineMode::Replace);
    } else {
      AddRoundRectPath(base, float(x), float(y), float(w - 1), float(h - 1), kCorner);
    }
    FillPathSolid(g, base, ToArgb(kWhite, 160));
  }

  const float left = float(x), top = float(y);
  if ((state & ODS_DISABLED) != 0) {
    gdip::GdipPath p = MakeRoundRectPath(left, top, float(w - 1), float(h - 1), kCorner);
    FillPathSolid(g, p, ToArgb(0xC0C0C0, 255));
    FillPathGradient(g, p, MakePair(left, top), MakePair(left, float(y + h)), ToArgb(kWhite, 10), ToArgb(kWhite, 50));
    if (face != nullptr) {
      g.ResetClip();
      face->DrawState4(g);
    } else {
      OutlinePath(g, p, ToArgb(kBlack, 80));
    }
  } else {
    gdip::GdipPath p = MakeRoundRectPath(left, top, float(w - 1), float(h - 1), face != nullptr ? b : kCorner);
    const PointF from = MakePair(left, top), to = MakePair(left, float(y + h - 1));
    FillPathGradient(g, p, from, to, ToArgb(kWhite, 30), ToArgb(0x808080, 60));
    if ((state & ODS_HOTLIGHT) != 0) {
      if (face != nullptr) {
        FillPathGradient(g, p, from, to, ToArgb(accent, 30), ToArgb(kBlack, 10));
        g.ResetClip();
        face->DrawState2(g);
        ClipToFaceInset(g, x, y, w, h, a, b);
      } else {
        FillPathGradient(g, p, from, to, ToArgb(accent, 60), ToArgb(kWhite, 80));
        FillPathGradient(g, p, from, to, ToArgb(kWhite, 100), ToArgb(accent, 30));
        OutlinePath(g, p, ToArgb(kBlack, 150));
        OutlinePath(g, p, ToArgb(accent, 100));
      }
    } else if ((state & ODS_FOCUS) != 0) {
      if (face != nullptr) {
        g.ResetClip();
        face->DrawState3(g);
        ClipToFaceInset(g, x, y, w, h, a, b);
      } else {
        g.SetClipPath(p, gdip::CombineMode::Replace);
        DrawGlow(g, p, 3, kGlowColour, 120);
        g.ResetClip();
        OutlinePath(g, p, ToArgb(kBlack, 80));
      }
    } else if (face != nullptr) {
      g.ResetClip();
      face->DrawState1(g);
      ClipToFaceInset(g, x, y, w, h, a, b);
    } else {
      OutlinePath(g, p, ToArgb(kBlack, 120));
    }
    if ((state & ODS_SELECTED) != 0) {
      gdip::GdipPath pressed = MakeRoundRectPath(float(x + 2), float(y + 2), float(w - 3), float(h - 3), kCorner);
      FillPathGradient(g, pressed, MakePair(2.0f, 2.0f), MakePair(2.0f, float(h - 2)), ToArgb(accent, 60),
                       ToArgb(kWhite, 100));
    }
  }

  DrawCaption(g, look, state, w, h);
}

void PaintPushButton(HWND window, HDC dc, int state, const RECT* rectangle) {
  const ListedButton listed = FindListedButton(window);
  if (!listed) return;
  const RECT area = ControlArea(window, rectangle);
  const int w = area.right - area.left, h = area.bottom - area.top;
  const PushButtonLook look = PushButtonLookOf(window, listed, state);
  const ControlDraw draw = [&](gdip::GdipGraphics& graphics) {
    DrawPushButton(graphics, area, state, look);
    return true;
  };
  // A loaded face has no cheap identity to key on: it is drawn each time.
  CachedDc image = look.face != nullptr
                       ? ComposeControlImage(window, area, draw)
                       : ComposeControlImage(window, area, draw, listed.record->finished, PushButtonKey(look, area, state));
  if (!image) return;

  StopAllFades();
  rt::WindowDc own;
  if (GetDeviceCaps(dc, HORZRES) == 0) {
    own = rt::WindowDc(window);
    dc = own.get();
  }
  if ((state & ODS_HOTLIGHT) != 0) {
    StartFade(window, 0, 0, w, h, std::move(image), 0, 0);  // the fade owns the image now
  } else {
    BitBlt(dc, 0, 0, w, h, image.get(), 0, 0, SRCCOPY);
  }
}

}  // namespace skin
