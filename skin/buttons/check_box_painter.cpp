#include "skin/buttons/check_box_painter.h"

#include <cstdint>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_font.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"
#include "runtime/gdi_object.h"
#include "skin/buttons/button_records.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/control_picture.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/host_composition.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_text.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

constexpr int kBigTick = 1;
constexpr int kHoverBox = 2;
constexpr int kSmallTick = 3;
constexpr int kNormalBox = 5;
constexpr int kDisabledBox = 6;
constexpr char kPngFormat[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

RECT ClipOf(int left, int top, int width, int height, const RECT* clipRect) {
  return clipRect != nullptr ? *clipRect : RECT{left, top, left + width + 1, top + height + 1};
}

// Draws an image centred vertically in the control at x, at `scale` of its
// size; returns its natural width.
int DrawCentredImage(gdip::GdipGraphics& g, gdip::GdipImage& image, double x, int top, int height,
                     double scale = 1.0, bool centreInWidth = false) {
  const double w = image.GetWidth(), h = image.GetHeight();
  const double drawnW = w * scale, drawnH = h * scale;
  const double drawX = centreInWidth ? x + (w - drawnW) / 2 : x;
  const double drawY = top + (height - drawnH) / 2;
  g.DrawImageRect(image, float(drawX), float(drawY), float(drawnW), float(drawnH));
  return static_cast<int>(w);
}

// The same for PNG bytes; 0 when they do not decode.
int DrawImageBytes(gdip::GdipGraphics& g, const rt::ByteArray& png, int x, int top, int height) {
  gdip::GdipImage image;
  if (png.empty() || !image.LoadFromStream(png)) return 0;
  return DrawCentredImage(g, image, x, top, height);
}

// A glyph of the engine's strip, decoded once for all paints.
int DrawPiece(gdip::GdipGraphics& g, int piece, int left, int top, int height, double scale = 1.0) {
  gdip::GdipImage* image = GlyphStrip.DecodedPiece(piece);
  return image != nullptr ? DrawCentredImage(g, *image, left, top, height, scale, scale != 1.0) : 0;
}

void DrawPlainCaption(gdip::GdipGraphics& g, const rt::Text& caption, const gdip::RectF& layout,
                      const rt::Text& fontFace, int fontSize, int fontStyle, COLORREF textColour) {
  gdip::GdipSolidBrush brush;
  brush.Create(ToArgb(textColour, 254));
  gdip::GdipFont font;
  font.CreateFromName(fontFace, float(fontSize), gdip::FontStyle{fontStyle}, gdip::Unit::Pixel);
  gdip::GdipStringFormat format;
  format.Create(gdip::StringFormatFlags::NoWrap);
  format.SetAlign(gdip::StringAlignment::Near);
  format.SetLineAlign(gdip::StringAlignment::Center);
  g.DrawString(caption, font, brush, layout, format);
}

}  // namespace

void DrawCheckBoxFrames(gdip::GdipGraphics& graphics, int left, int top, int width, int height,
                        const rt::Text& caption, bool hover, bool checked, bool pressed, bool disabled, int animate,
                        int frame, const rt::Text& fontFace, int fontSize, int fontStyle, COLORREF textColour,
                        bool useEffect, COLORREF effectColour, const RECT* clipRect, int effectFactor) {
  const RECT clip = ClipOf(left, top, width, height, clipRect);
  ClipToRect(graphics, clip);
  int pieceWidth = 0;
  if (animate != 0) {
    pieceWidth = DrawPiece(graphics, kNormalBox, left, top, height);
    if (frame == 4) {
      pieceWidth = DrawPiece(graphics, 4, left, top, height, checked ? 0.6 : 0.5);
    } else if (frame != 0) {
      pieceWidth = DrawPiece(graphics, frame, left, top, height);
    }
  } else {
    const int box = disabled ? kDisabledBox : hover ? kHoverBox : kNormalBox;
    (void)pressed;  // pressed comes only with hover, whose box wins
    pieceWidth = DrawPiece(graphics, box, left, top, height);
    if (checked) pieceWidth = DrawPiece(graphics, kSmallTick, left, top, height);
  }
  ClipToRect(graphics, clip);

  if (!useEffect) {
    DrawPlainCaption(graphics, caption,
                     gdip::RectF{float(left + pieceWidth - 4), float(top + 2), float(width), float(height + 1)},
                     fontFace, fontSize, fontStyle, textColour);
  } else {
    DrawSkinText(graphics, caption,
                 MakeRectF(float(left + pieceWidth - 4), float(top + 1), float(width), float(height + 1)),
                 textColour, effectColour, effectFactor, fontFace, fontStyle, float(fontSize), 0, 1);
  }
}

void DrawCheckBox(gdip::GdipGraphics& graphics, int left, int top, int width, int height, const rt::Text& caption,
                  bool hover, bool checked, bool pressed, bool disabled, bool useStateImages,
                  const CheckBoxImages& images, const rt::Text& fontFace, int fontSize, int fontStyle,
                  COLORREF textColour, bool useEffect, COLORREF effectColour, const RECT* clipRect,
                  gdip::GdipImage* tintedMark) {
  static const rt::ByteArray kNone;
  auto image = [](const rt::ByteArray* bytes) -> const rt::ByteArray& { return bytes ? *bytes : kNone; };
  const double y0 = top + (height - 12) / 2.0;
  const float fl = float(left), fy0 = float(y0);
  const RECT clip = ClipOf(left, top, width, height, clipRect);
  ClipToRect(graphics, clip);
  int contentWidth = 0;

  if (!useStateImages) {
    FillRectSolid(graphics, {fl + 3, fy0 + 1, 11, 11}, ToArgb(kWhite, 254));
    FillRectGradient(graphics, {fl + 3, fy0 + 1, 11, 11}, MakePair(fl, fy0), MakePair(fl, fy0 + 12), ToArgb(kBlack, 40),
                     ToArgb(kWhite, 254));
    contentWidth = 13;
  }

  if (hover && !disabled) {
    if (useStateImages) {
      contentWidth = DrawImageBytes(graphics, image(checked ? images.checkedHover : images.uncheckedHover), left,
                                    top, height);
    } else {
      // A ring of glow around the box: the rounded rectangle less the box.
      graphics.SetClipRect(fl + 2, fy0, 12, 12, gdip::CombineMode::Intersect);
      const gdip::GdipPath ring = MakeRoundRectPath(fl - 1, fy0 - 3, 18, 18, 6);
      graphics.SetClipPath(ring, gdip::CombineMode::Xor);
      const gdip::ARGB clear = ToArgb(kWhite, 0);
      FillPathGlow(graphics, ring, ToArgb(kWhite, 254), clear, 0.4f, 0.4f);
      FillPathGlow(graphics, ring, ToArgb(AccentColour, 255), clear, 0.3f, 0.3f);
      graphics.ResetClip();
      const float gy = float(top + (height - 11) / 2.0);
      FillRectGradient(graphics, {fl + 2, fy0, 12, 12}, MakePair(fl, gy), MakePair(fl + 12, gy + 12),
                       ToArgb(AccentColour, 90), ToArgb(kWhite, 30));
    }
  }

  if (!useStateImages) {
    OutlineRect(graphics, {fl + 2, fy0, 12, 12}, ToArgb(kBlack, 150));
    OutlineRect(graphics, {fl + 4, fy0 + 1, 9, 10}, ToArgb(kWhite, 254));
  }

  if (pressed && useStateImages) {
    contentWidth = DrawImageBytes(graphics, image(checked ? images.checkedPressed : images.uncheckedPressed), left,
                                  top, height);
  }

  if (checked) {
    if (useStateImages && !hover) {
      contentWidth = DrawImageBytes(graphics, image(disabled ? images.checkedDisabled : images.checked), left, top,
                                    height);
    } else if (!useStateImages) {
      gdip::GdipImage decoded;
      gdip::GdipImage* mark = tintedMark;
      if (mark == nullptr && decoded.LoadFromStream(MakeTintedCheckMark())) mark = &decoded;
      if (mark != nullptr) graphics.DrawImageRect(*mark, fl + 2, fy0, 13, 12);
    }
  } else if (useStateImages && !hover) {
    contentWidth = DrawImageBytes(graphics, image(disabled ? images.uncheckedDisabled : images.unchecked), left,
                                  top, height);
  }
  ClipToRect(graphics, clip);

  if (!useEffect) {
    DrawPlainCaption(graphics, caption,
                     gdip::RectF{float(left + contentWidth), float(top + 1), float(width - contentWidth + 2),
                                 float(height)},
                     fontFace, fontSize, fontStyle, textColour);
  } else {
    DrawSkinText(graphics, caption,
                 MakeRectF(float(left + contentWidth), float(top), float(width), float(height + 1)), textColour,
                 effectColour, 4, fontFace, fontStyle, float(fontSize), 0, 1);
  }
}

void TintCheckMark(gdip::GdipBitmap& bitmap) {
  const int w = static_cast<int>(bitmap.GetWidth()), h = static_cast<int>(bitmap.GetHeight());
  const COLORREF accent = AccentColour;
  const double aR = accent % 256, aG = (accent % 65536) / 256, aB = accent / 65536;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) {
      std::uint8_t alpha = 0;
      const COLORREF c = PixelToColor(bitmap.GetPixel(x, y), alpha);
      if (c == 0xFFFFFF) continue;
      const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
      const int grey = (r + g + b) / 3;
      const auto scaled = [](int channel, double accentChannel) {
        const double share = channel / 255.0;
        return static_cast<int>(share * accentChannel);
      };
      bitmap.SetPixel(x, y, ToArgb(RGB(scaled(r, aR), scaled(g, aG), scaled(b, aB)), 255 - grey));
    }
  }
}

rt::ByteArray MakeTintedCheckMark() {
  gdip::GdipBitmap bitmap;
  if (!bitmap.CreateFromStream(rt::LoadEmbeddedBytes(IDR_CHECK_MARK))) return {};
  TintCheckMark(bitmap);
  return bitmap.SaveToStream(rt::Text(kPngFormat));
}

gdip::GdipImage* KeptTintedCheckMark(const DecodedPicture& kept) {
  return kept.Get(rt::LoadEmbeddedBytes(IDR_CHECK_MARK), &TintCheckMark, AccentColour);
}

void PaintCheckBox(HWND window, int itemState, int animate, int frame) {
  const ListedButton listed = FindListedButton(window);
  if (!listed) return;
  const bool checked = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
  const bool disabled = (itemState & ODS_DISABLED) != 0;
  const bool hover = (itemState & ODS_HOTLIGHT) != 0 && !disabled;
  const bool pressed = hover && (itemState & ODS_SELECTED) != 0;

  RECT client{};
  GetClientRect(window, &client);
  const int left = client.left, top = client.top;
  const int width = client.right - client.left, height = client.bottom - client.top;
  const CachedDc image = ComposeControlBackground(window, client);
  HDC memory = image.get();
  if (memory == nullptr) return;
  // The record is read again: sending BM_GETCHECK ran the window's procedure.
  const ListedButton again = FindListedButton(window);
  if (!again) return;
  const ButtonRecord& record = *again.button;
  const auto textColour = static_cast<COLORREF>(prop::Read(window, prop::kTextColour));
  {
    gdip::GdipGraphics g;
    g.CreateFromHdc(memory);
    if (prop::Read(window, prop::kClickAnimation) != 0) {
      DrawCheckBoxFrames(g, left, top, width, height, record.caption, hover, checked, pressed, disabled, animate,
                         frame, record.font.face, record.font.size, record.font.style, textColour,
                         HasTextEffect(record), record.textEffect);
    } else {
      const CheckBoxImages images{&record.checkedImage,          &record.checkedHoverImage,
                                  &record.checkedPressedImage,   &record.checkedDisabledImage,
                                  &record.uncheckedImage,        &record.uncheckedHoverImage,
                                  &record.uncheckedPressedImage, &record.uncheckedDisabledImage};
      const ControlPicture mark(window, KeptPicture::TintedCheckMark, rt::LoadEmbeddedBytes(IDR_CHECK_MARK),
                                &TintCheckMark, AccentColour);
      DrawCheckBox(g, left, top, width, height, record.caption, hover, checked, pressed, disabled,
                   record.useStateImages != 0, images, record.font.face, record.font.size, record.font.style,
                   textColour, HasTextEffect(record), record.textEffect, nullptr, mark.get());
    }
    BlitControlToHost(window, memory);
    rt::WindowDc dc(window);
    BitBlt(dc.get(), 0, 0, width, height, memory, 0, 0, SRCCOPY);
  }
}

}  // namespace skin
