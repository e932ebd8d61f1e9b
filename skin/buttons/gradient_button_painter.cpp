#include "skin/buttons/gradient_button_painter.h"

#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "skin/buttons/button_records.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_image.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_text.h"

namespace skin {

namespace {

enum class Look { Normal, Disabled, Hover, Pressed };

Look LookOf(int state) {
  if ((state & ODS_DISABLED) != 0) return Look::Disabled;
  if ((state & ODS_HOTLIGHT) != 0) return Look::Hover;
  if ((state & ODS_SELECTED) != 0) return Look::Pressed;
  return Look::Normal;
}

// The overlay a state without its own image shows under the normal image.
struct Overlay {
  COLORREF pen;
  int penAlpha;
  int grow;  // the frame is (0, 0, iw + grow, ih + grow)
  int corner;
  COLORREF from;
  int fromAlpha;
  COLORREF to;
  int toAlpha;
};

Overlay OverlayOf(Look look) {
  switch (look) {
    case Look::Disabled:
      return {kBlack, 80, 2, 5, kWhite, 60, kBlack, 100};
    case Look::Hover:
      return {AccentColour, 250, 3, 3, kWhite, 120, AccentColour, 100};
    default:
      return {AccentColour, 250, 3, 3, kBlack, 60, kWhite, 100};
  }
}

// Decodes an image and gives the size it is drawn at: its own, or the
// button's less one pixel when the images are stretched. An image
// that does not load measures 0 x 0 unless stretched.
bool Decode(const rt::ByteArray* bytes, const GradientButtonLook& look, int w, int h, gdip::GdipImage& image,
            float& iw, float& ih) {
  const bool loaded = bytes != nullptr && !bytes->empty() && image.LoadFromStream(*bytes);
  if (look.stretchImages) {
    iw = float(w - 1);
    ih = float(h - 1);
  } else {
    iw = loaded ? float(image.GetWidth()) : 0;
    ih = loaded ? float(image.GetHeight()) : 0;
  }
  return loaded;
}

void DrawCaption(gdip::GdipGraphics& g, const ButtonCaption& caption, float iw, float ih) {
  if (caption.halo) {
    DrawSkinText(g, caption.text, MakeRectF(2, 2, iw, ih - 2), caption.colour, *caption.halo, 4, caption.font.face,
                 caption.font.style, float(caption.font.size), 1, 1);
    return;
  }
  gdip::GdipSolidBrush brush;
  brush.Create(ToArgb(caption.colour, 255));
  gdip::GdipFont font;
  font.CreateFromName(caption.font.face, float(caption.font.size), gdip::FontStyle{caption.font.style});
  gdip::GdipStringFormat format;
  format.Create();  // no hot-key handling: an ampersand is drawn as it is
  format.SetAlign(gdip::StringAlignment::Center);
  format.SetLineAlign(gdip::StringAlignment::Center);
  g.DrawString(caption.text, font, brush, gdip::RectF{2, 2, iw, ih}, format);
}

GradientButtonLook GradientButtonLookOf(HWND window, const ButtonRecord& record) {
  return GradientButtonLook{CaptionOf(window, record), &record.normalImage,   &record.hoverImage,
                            &record.pressedImage,      &record.disabledImage, record.stretchImages != 0};
}

}  // namespace

void DrawGradientButton(gdip::GdipGraphics& g, const RECT& area, int state, const GradientButtonLook& look) {
  const int w = area.right - area.left, h = area.bottom - area.top;
  const Look kind = LookOf(state);
  const rt::ByteArray* own = kind == Look::Disabled ? look.disabledImage
                             : kind == Look::Hover  ? look.hoverImage
                             : kind == Look::Pressed ? look.pressedImage
                                                     : nullptr;
  gdip::GdipImage image;
  float iw = 0, ih = 0;
  if (own != nullptr && !own->empty()) {
    if (Decode(own, look, w, h, image, iw, ih)) g.DrawImageRect(image, 2, 2, iw, ih);
  } else {
    const bool loaded = Decode(look.normalImage, look, w, h, image, iw, ih);
    if (kind != Look::Normal) {
      const Overlay o = OverlayOf(kind);
      const float frameW = iw + float(o.grow), frameH = ih + float(o.grow);
      const gdip::GdipPath frame = MakeRoundRectPath(0, 0, frameW, frameH, o.corner);
      OutlinePath(g, frame, ToArgb(o.pen, o.penAlpha));
      FillPathGradient(g, frame, MakePair(0.0f, 0.0f), MakePair(0.0f, frameH), ToArgb(o.from, o.fromAlpha),
                       ToArgb(o.to, o.toAlpha));
    }
    if (loaded) g.DrawImageRect(image, 2, 2, iw, ih);
  }
  if (!look.caption.text.empty()) DrawCaption(g, look.caption, iw, ih);
}

void PaintGradientButton(HWND window, HDC dc, int state, const RECT* rectangle) {
  const ListedButton listed = FindListedButton(window);
  if (!listed) return;
  const RECT area = ControlArea(window, rectangle);
  PresentControlImage(window, area, dc, [&](gdip::GdipGraphics& graphics) {
    DrawGradientButton(graphics, area, state, GradientButtonLookOf(window, *listed.record));
    return true;
  });
}

}  // namespace skin
