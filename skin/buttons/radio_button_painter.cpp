#include "skin/buttons/radio_button_painter.h"

#include "gdip/gdip_font.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/buttons/button_records.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/host_composition.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_text.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

constexpr COLORREF kDisabledGrey = RGB(96, 96, 96);

// Draws a PNG at its natural size at x, centred vertically in the control;
// returns its natural width (0 when it does not load).
int DrawStateImage(gdip::GdipGraphics& g, const rt::ByteArray* png, int x, int top, int height) {
  gdip::GdipImage image;
  if (png == nullptr || png->empty() || !image.LoadFromStream(*png)) return 0;
  const double w = image.GetWidth(), h = image.GetHeight();
  g.DrawImageRect(image, float(x), float(top + (height - h) / 2), float(w), float(h));
  return static_cast<int>(w);
}

gdip::GdipPath Ellipse(float x, float y, float size) {
  gdip::GdipPath path;
  path.Create();
  path.AddEllipse(x, y, size, size);
  return path;
}

}  // namespace

void DrawRadioButton(gdip::GdipGraphics& graphics, int left, int top, int width, int height,
                     const rt::Text& caption, bool hover, bool checked, bool pressed, bool disabled,
                     bool useStateImages, const CheckBoxImages& images, const rt::Text& fontFace, int fontSize,
                     int fontStyle, COLORREF textColour, bool useEffect, COLORREF effectColour,
                     const RECT* clipRect, int effectFactor) {
  const RECT clip = clipRect != nullptr ? *clipRect : RECT{left, top, left + width + 1, top + height + 1};
  // Handed to GDI+ unrounded: an odd height puts the circle on a half pixel.
  const double y0 = top + (height - 12) / 2.0;
  const float fl = float(left), fy0 = float(y0);
  const gdip::GdipPath circle = Ellipse(fl + 2, fy0, 12);
  ClipToRect(graphics, clip);
  int contentWidth = 0;

  if (!useStateImages) {
    graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
    FillPathSolid(graphics, circle, ToArgb(kWhite, 254));
    FillPathGradient(graphics, circle, MakePair(fl + 3, fy0 + 1), MakePair(fl + 10, fy0 + 11), ToArgb(kBlack, 100),
                     ToArgb(kBlack, 0));
    contentWidth = 13;
  }

  if (hover && !disabled) {
    if (useStateImages) {
      contentWidth = DrawStateImage(graphics, checked ? images.checkedHover : images.uncheckedHover, left, top,
                                    height);
    } else {
      // The glow is a ring: the glow ellipse less the circle.
      const gdip::GdipPath glow = Ellipse(fl - 1, fy0 - 3, 18);
      graphics.SetClipPath(circle, gdip::CombineMode::Intersect);
      graphics.SetClipPath(glow, gdip::CombineMode::Xor);
      FillPathGlow(graphics, glow, ToArgb(kWhite, 254), ToArgb(kWhite, 0), 0.4f, 0.4f);
      FillPathGlow(graphics, glow, ToArgb(AccentColour, 255), ToArgb(kWhite, 0), 0.3f, 0.3f);
      ClipToRect(graphics, clip);
      FillPathGradient(graphics, circle, MakePair(fl + 3, fy0 + 1), MakePair(fl + 11, fy0 + 12),
                       ToArgb(AccentColour, 100), ToArgb(kBlack, 0));
    }
  }

  if (!useStateImages) {
    OutlinePath(graphics, circle, ToArgb(kBlack, 200));
    gdip::GdipPen ring;
    ring.Create(ToArgb(kWhite, 254), 1);
    graphics.DrawEllipse(ring, fl + 3, float(top + (height - 11) / 2.0 + 1), 9, 9);
  }

  if (pressed && !disabled && useStateImages) {
    contentWidth = DrawStateImage(graphics, checked ? images.checkedPressed : images.uncheckedPressed, left, top,
                                  height);
  }

  if (checked) {
    if (useStateImages) {
      if (!hover) {
        contentWidth = DrawStateImage(graphics, disabled ? images.checkedDisabled : images.checked, left, top,
                                      height);
      }
    } else {
      const gdip::GdipPath dot = Ellipse(fl + 5, fy0 + 3, 6);
      OutlinePath(graphics, dot, ToArgb(kBlack, 150));
      OutlinePath(graphics, dot, ToArgb(AccentColour, 150));
      FillPathGlow(graphics, dot, ToArgb(kWhite, 80), ToArgb(disabled ? kDisabledGrey : AccentColour, 254));
    }
  } else if (useStateImages && !hover) {
    contentWidth = DrawStateImage(graphics, disabled ? images.uncheckedDisabled : images.unchecked, left, top,
                                  height);
  }
  ClipToRect(graphics, clip);

  const float textX = float(left + contentWidth + 2);
  if (!useEffect) {
    gdip::GdipSolidBrush brush;
    brush.Create(ToArgb(disabled ? kDisabledGrey : textColour, 254));
    gdip::GdipFont font;
    font.CreateFromName(fontFace, float(fontSize), gdip::FontStyle{fontStyle}, gdip::Unit::Pixel);
    gdip::GdipStringFormat format;
    format.Create(gdip::StringFormatFlags::NoWrap);
    format.SetAlign(gdip::StringAlignment::Near);
    format.SetLineAlign(gdip::StringAlignment::Center);
    graphics.DrawString(caption, font, brush, gdip::RectF{textX, float(top + 2), float(width), float(height)},
                        format);
  } else {
    DrawSkinText(graphics, caption, MakeRectF(textX, float(top), float(width), float(height + 2)), textColour,
                 effectColour, effectFactor, fontFace, fontStyle, float(fontSize), 0, 1);
  }
}

void PaintRadioButton(HWND window, int itemState) {
  if (!FindListedButton(window)) return;
  const bool checked = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
  const bool disabled = (itemState & ODS_DISABLED) != 0;
  const bool hover = (itemState & ODS_HOTLIGHT) != 0 && !disabled;
  const bool pressed = hover && (itemState & ODS_SELECTED) != 0;

  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right - client.left, height = client.bottom - client.top;
  CachedDc memory = ComposeControlBackground(window, client);
  if (!memory) return;
  // Looked up again: sending BM_GETCHECK ran the window's procedure.
  const ListedButton listed = FindListedButton(window);
  if (!listed) return;
  const ButtonRecord& record = *listed.button;
  const auto textColour = static_cast<COLORREF>(prop::Read(window, prop::kTextColour));
  {
    gdip::GdipGraphics g;
    g.CreateFromHdc(memory.get());
    const CheckBoxImages images{&record.checkedImage,          &record.checkedHoverImage,
                                &record.checkedPressedImage,   &record.checkedDisabledImage,
                                &record.uncheckedImage,        &record.uncheckedHoverImage,
                                &record.uncheckedPressedImage, &record.uncheckedDisabledImage};
    DrawRadioButton(g, client.left, client.top, width, height, record.caption, hover, checked, pressed, disabled,
                    record.useStateImages != 0, images, record.font.face, record.font.size, record.font.style,
                    textColour, HasTextEffect(record), record.textEffect);
    BlitControlToHost(window, memory.get());
    rt::WindowDc dc(window);
    BitBlt(dc.get(), 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
  }
}

}  // namespace skin
