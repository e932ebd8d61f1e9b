#include "skin/buttons/check_box_painter.h"

#include <cstdint>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_path.h"
#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"
#include "skin/buttons/button_records.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_image.h"
#include "skin/core/control_picture.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/paint_kit.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

constexpr int kBigTick = 1;
constexpr int kHoverBox = 2;
constexpr int kSmallTick = 3;
constexpr int kNormalBox = 5;
constexpr int kDisabledBox = 6;
constexpr char kPngFormat[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

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

// A glyph of the engine's strip, decoded once for all paints.
int DrawPiece(gdip::GdipGraphics& g, int piece, int left, int top, int height, double scale = 1.0) {
  gdip::GdipImage* image = GlyphStrip.DecodedPiece(piece);
  return image != nullptr ? DrawCentredImage(g, *image, left, top, height, scale, scale != 1.0) : 0;
}

// The drawn box: white with a gradient and a frame, an accent glow around
// it on hover and the tinted check mark when checked. The glow leaves the
// drawing unclipped.
void DrawBox(gdip::GdipGraphics& graphics, int left, int top, int height, const CheckButtonState& state,
             gdip::GdipImage* tintedMark) {
  const double y0 = top + (height - 12) / 2.0;
  const float fl = float(left), fy0 = float(y0);
  FillRectSolid(graphics, {fl + 3, fy0 + 1, 11, 11}, ToArgb(kWhite, 254));
  FillRectGradient(graphics, {fl + 3, fy0 + 1, 11, 11}, MakePair(fl, fy0), MakePair(fl, fy0 + 12), ToArgb(kBlack, 40),
                   ToArgb(kWhite, 254));

  if (state.hover && !state.disabled) {
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

  OutlineRect(graphics, {fl + 2, fy0, 12, 12}, ToArgb(kBlack, 150));
  OutlineRect(graphics, {fl + 4, fy0 + 1, 9, 10}, ToArgb(kWhite, 254));

  if (state.checked) {
    gdip::GdipImage decoded;
    gdip::GdipImage* mark = tintedMark;
    if (mark == nullptr && decoded.LoadFromStream(MakeTintedCheckMark())) mark = &decoded;
    if (mark != nullptr) graphics.DrawImageRect(*mark, fl + 2, fy0, 13, 12);
  }
}

}  // namespace

void DrawCheckBoxFrames(gdip::GdipGraphics& graphics, const RECT& bounds, const CheckButtonState& state,
                        const CheckButtonLook& look) {
  const int left = bounds.left, top = bounds.top, width = bounds.right - left, height = bounds.bottom - top;
  const bool checked = state.checked;
  ClipToCheckButton(graphics, bounds);
  int pieceWidth = 0;
  if (state.animationFrame) {
    const int frame = *state.animationFrame;
    pieceWidth = DrawPiece(graphics, kNormalBox, left, top, height);
    if (frame == 4) {
      pieceWidth = DrawPiece(graphics, 4, left, top, height, checked ? 0.6 : 0.5);
    } else if (frame != 0) {
      pieceWidth = DrawPiece(graphics, frame, left, top, height);
    }
  } else {
    // Pressed comes only with hover, whose box wins.
    const int box = state.disabled ? kDisabledBox : state.hover ? kHoverBox : kNormalBox;
    pieceWidth = DrawPiece(graphics, box, left, top, height);
    if (checked) pieceWidth = DrawPiece(graphics, kSmallTick, left, top, height);
  }
  ClipToCheckButton(graphics, bounds);

  DrawCheckButtonCaption(graphics, look.caption,
                         RectF{float(left + pieceWidth - 4), float(top + 2), float(width), float(height + 1)},
                         RectF{float(left + pieceWidth - 4), float(top + 1), float(width), float(height + 1)},
                         look.caption.colour);
}

void DrawCheckBox(gdip::GdipGraphics& graphics, const RECT& bounds, const CheckButtonState& state,
                  const CheckButtonLook& look, gdip::GdipImage* tintedMark) {
  const int left = bounds.left, top = bounds.top, width = bounds.right - left, height = bounds.bottom - top;
  ClipToCheckButton(graphics, bounds);
  int contentWidth = 0;
  if (look.useStateImages) {
    contentWidth = DrawCheckButtonStateImages(graphics, bounds, state, look.images);
  } else {
    DrawBox(graphics, left, top, height, state, tintedMark);
    contentWidth = 13;
  }
  ClipToCheckButton(graphics, bounds);

  DrawCheckButtonCaption(
      graphics, look.caption,
      RectF{float(left + contentWidth), float(top + 1), float(width - contentWidth + 2), float(height)},
      RectF{float(left + contentWidth), float(top), float(width), float(height + 1)}, look.caption.colour);
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

void PaintCheckBox(HWND window, int itemState, std::optional<int> animationFrame) {
  const bool animated = prop::Read(window, prop::kClickAnimation) != 0;
  const auto keyOf = [&](const CheckButtonState&, const ButtonRecord& record) -> std::optional<LookKey> {
    const CheckButtonLook look = CheckButtonLookOf(window, record);
    LookKey key;
    key.Add(animated).Add(AccentColour);
    AddCaptionKey(key, look.caption);
    if (animated) {
      // The glyphs come from the engine's strip, which may be loaded anew.
      for (int piece = kBigTick; piece <= kDisabledBox; ++piece) key.Add(GlyphStrip.GetPiece(piece));
    } else if (look.useStateImages) {
      const CheckBoxImages& images = look.images;
      for (const rt::ByteArray* bytes :
           {images.checked, images.checkedHover, images.checkedPressed, images.checkedDisabled, images.unchecked,
            images.uncheckedHover, images.uncheckedPressed, images.uncheckedDisabled})
        key.Add(*bytes);
    }
    key.Add(look.useStateImages);
    return key;
  };
  PaintCheckButton(
      window, itemState, animationFrame,
      [&](gdip::GdipGraphics& graphics, const RECT& client, const CheckButtonState& state,
          const ButtonRecord& record) {
        const CheckButtonLook look = CheckButtonLookOf(window, record);
        if (animated) {
          DrawCheckBoxFrames(graphics, client, state, look);
          return;
        }
        const ControlPicture mark(window, KeptPicture::TintedCheckMark, rt::LoadEmbeddedBytes(IDR_CHECK_MARK),
                                  &TintCheckMark, AccentColour);
        DrawCheckBox(graphics, client, state, look, mark.get());
      },
      keyOf);
}

}  // namespace skin
