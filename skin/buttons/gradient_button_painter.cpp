#include "skin/buttons/gradient_button_painter.h"

#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
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
// button's less one pixel when the record stretches its images. An image
// that does not load measures 0 x 0 unless stretched.
bool Decode(const rt::ByteArray& bytes, const ButtonRecord& record, int w, int h, gdip::GdipImage& image,
            float& iw, float& ih) {
  const bool loaded = !bytes.empty() && image.LoadFromStream(bytes);
  if (record.stretchImages != 0) {
    iw = float(w - 1);
    ih = float(h - 1);
  } else {
    iw = loaded ? float(image.GetWidth()) : 0;
    ih = loaded ? float(image.GetHeight()) : 0;
  }
  return loaded;
}

void DrawCaption(gdip::GdipGraphics& g, HWND window, const ButtonRecord& record, float iw, float ih) {
  const auto textColour = static_cast<COLORREF>(prop::Read(window, prop::kTextColour));
  if (HasTextEffect(record)) {
    DrawSkinText(g, record.caption, MakeRectF(2, 2, iw, ih - 2), textColour, record.textEffect, 4,
                 record.font.face, record.font.style, float(record.font.size), 1, 1);
    return;
  }
  gdip::GdipSolidBrush brush;
  brush.Create(ToArgb(textColour, 255));
  gdip::GdipFont font;
  font.CreateFromName(record.font.face, float(record.font.size), gdip::FontStyle{record.font.style});
  gdip::GdipStringFormat format;
  format.Create();  // no hot-key handling: an ampersand is drawn as it is
  format.SetAlign(gdip::StringAlignment::Center);
  format.SetLineAlign(gdip::StringAlignment::Center);
  g.DrawString(record.caption, font, brush, gdip::RectF{2, 2, iw, ih}, format);
}

}  // namespace

void PaintGradientButton(HWND window, HDC dc, int state, const RECT* rectangle) {
  const ListedButton listed = FindListedButton(window);
  if (!listed) return;
  RECT area{};
  if (rectangle != nullptr) {
    area = *rectangle;
  } else {
    GetClientRect(window, &area);
  }
  const int w = area.right - area.left, h = area.bottom - area.top;
  CachedDc memory = ComposeControlBackground(window, area);
  if (!memory) return;
  const ButtonRecord& record = *listed.button;
  const Look look = LookOf(state);
  {
    gdip::GdipGraphics g;
    g.CreateFromHdc(memory.get());
    const rt::ByteArray* own = look == Look::Disabled ? &record.disabledImage
                               : look == Look::Hover  ? &record.hoverImage
                               : look == Look::Pressed ? &record.pressedImage
                                                       : nullptr;
    gdip::GdipImage image;
    float iw = 0, ih = 0;
    if (own != nullptr && !own->empty()) {
      if (Decode(*own, record, w, h, image, iw, ih)) g.DrawImageRect(image, 2, 2, iw, ih);
    } else {
      const bool loaded = Decode(record.normalImage, record, w, h, image, iw, ih);
      if (look != Look::Normal) {
        const Overlay o = OverlayOf(look);
        const float frameW = iw + float(o.grow), frameH = ih + float(o.grow);
        const gdip::GdipPath frame = MakeRoundRectPath(0, 0, frameW, frameH, o.corner);
        OutlinePath(g, frame, ToArgb(o.pen, o.penAlpha));
        FillPathGradient(g, frame, MakePair(0.0f, 0.0f), MakePair(0.0f, frameH), ToArgb(o.from, o.fromAlpha),
                         ToArgb(o.to, o.toAlpha));
      }
      if (loaded) g.DrawImageRect(image, 2, 2, iw, ih);
    }
    if (!record.caption.empty()) DrawCaption(g, window, record, iw, ih);
  }
  BlitControlToHost(window, memory.get());
  BitBlt(dc, 0, 0, w, h, memory.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
