#include "skin/buttons/image_button_painters.h"

#include <optional>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_linear_gradient_brush.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_solid_brush.h"
#include "skin/buttons/button_records.h"
#include "skin/buttons/check_button_painter.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_image.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/paint_kit.h"
#include "skin/core/round_rect_path.h"
#include "skin/core/skin_text.h"

namespace skin {

namespace {

constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kVeil = RGB(192, 192, 192);

// The focus face's two outlines, also the resting face of a highlighted
// button.
void FocusOutlines(gdip::GdipGraphics& g, float left, float top, int width, int height) {
  OutlinePath(g, MakeRoundRectPath(left, top, float(width - 2), float(height - 2), 5), ToArgb(kBlack, 60));
  OutlinePath(g, MakeRoundRectPath(left + 1, top + 1, float(width - 4), float(height - 4), 5), ToArgb(kWhite, 120));
}

void DrawDrawnFace(gdip::GdipGraphics& g, const ImageButtonLook& look, int state, int left, int top, int width,
                   int height) {
  const float l = float(left), t = float(top);
  if ((state & ODS_DISABLED) != 0) {
    FillPathGradient(g, MakeRoundRectPath(l + 2, t + 2, float(width - 6), float(height - 6), 5), MakePair(1.0f, 1.0f),
                     MakePair(1.0f, float(height)), ToArgb(kGrey, 50), ToArgb(kWhite, 0));
    if (look.highlight) {
      gdip::GdipPath frame;
      frame.Create();
      frame.AddRoundRect(l, t, float(width - 2), float(height - 2), 8);
      OutlinePath(g, frame, ToArgb(kBlack, 150));
    }
    return;
  }
  const bool hover = (state & ODS_HOTLIGHT) != 0;
  if (hover) {
    FillPathGradient(g, MakeRoundRectPath(l + 2, t + 1, float(width - 5), float(height - 4), 2), MakePair(l + 1, t + 1),
                     MakePair(l + 1, float(top + height - 5)), ToArgb(kWhite, 50), ToArgb(kWhite, 40));
    // A bright line along the bottom, fading to both ends.
    gdip::GdipLinearGradientBrush shine;
    shine.Create(MakePair(l + 1, 0.0f), MakePair(float(width - 1), 0.0f), ToArgb(kWhite, 0), ToArgb(kWhite, 255));
    shine.SetLinearBlend(0.5f, 1.0f);
    gdip::GdipPen line;
    line.CreateFromBrush(shine, 2);
    g.DrawLine(line, l + 1, float(height - 3), float(width - 1), float(height - 3));
  }
  if (hover || (state & ODS_FOCUS) != 0) {
    FillPathGradient(g, MakeRoundRectPath(l + 2, t + 2, float(width - 5), float(height - 5), 2), MakePair(2.0f, 3.0f),
                     MakePair(2.0f, float(height)), ToArgb(kWhite, 60), ToArgb(kWhite, 50));
    FocusOutlines(g, l, t, width, height);
  } else if (look.highlight) {
    FocusOutlines(g, l, t, width, height);
  }
}

// The faces from the button's nine-grid image.
void DrawLoadedFace(gdip::GdipGraphics& g, const ImageButtonLook& look, int state, int left, int top, int width,
                    int height) {
  NineGridImage& face = *look.face;
  face.SetRect(left, top, width, height);
  const int a = face.GetInsetA(), c = face.GetInsetB();
  const float l = float(left), t = float(top);
  const gdip::GdipPath inner =
      MakeRoundRectPath(float(left + a - 1), float(top + a - 1), float(width - a - 2), float(height - a - 2), c, true);
  const PointF from = MakePair(l, t), to = MakePair(l, float(top + height));
  if (look.highlight) FillPathGradient(g, inner, from, to, ToArgb(kWhite, 100), ToArgb(kBlack, 10));
  const bool disabled = (state & ODS_DISABLED) != 0;
  const bool hover = !disabled && (state & ODS_HOTLIGHT) != 0;
  const bool focus = !disabled && (state & ODS_FOCUS) != 0;
  if (disabled || hover) {
    g.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
    g.SetPixelOffsetMode(gdip::PixelOffsetMode::HighQuality);
  }
  if (disabled) {
    FillPathGradient(g,
                     MakeRoundRectPath(float(left + a - 1), float(top + a - 1), float(width - a + 1),
                                       float(height - a + 1), c, true),
                     from, to, ToArgb(kGrey, 50), ToArgb(kWhite, 0));
    face.DrawState4(g);
    return;
  }
  if (hover) {
    FillPathGradient(g, inner, from, to, ToArgb(kWhite, 50), ToArgb(kBlack, 10));
    face.DrawState2(g);
  }
  if (hover || focus) {
    g.SetClipPath(inner, gdip::CombineMode::Replace);
    FillPathGradient(g, inner, from, to, ToArgb(kWhite, 160), ToArgb(kWhite, 50));
    g.ResetClip();
    if (hover) {
      face.DrawState2(g);
    } else {
      face.DrawState3(g);
    }
  } else if (look.highlight) {
    face.DrawState1(g);
  }
}

void DrawText(gdip::GdipGraphics& g, const ButtonCaption& caption, const gdip::RectF& box,
              gdip::StringAlignment alignment, gdip::StringAlignment lineAlignment, bool ellipsis = false) {
  if (caption.halo) {
    DrawSkinText(g, caption.text, MakeRectF(box.x, box.y, box.width, box.height), caption.colour, *caption.halo, 4,
                 caption.font.face, caption.font.style, float(caption.font.size), gdip::ToInt(alignment),
                 gdip::ToInt(lineAlignment), std::nullopt, ellipsis ? 1 : 0, nullptr,
                 caption.kit != nullptr ? &caption.kit->font : nullptr);
    return;
  }
  TextLayout layout;
  layout.align = alignment;
  layout.lineAlign = lineAlignment;
  if (ellipsis) layout.trimming = gdip::StringTrimming::EllipsisCharacter;
  DrawPlainText(g, caption.text, caption.font, gdip::Unit::Pixel, layout, ToArgb(caption.colour, 255), box,
                caption.kit);
}

// The picture of `bytes`, kept decoded in `kept` when given, else decoded
// into `own` for this paint; nullptr when there is none or it does not
// decode.
gdip::GdipImage* Decoded(const rt::ByteArray& bytes, const DecodedPicture* kept, gdip::GdipImage& own) {
  if (bytes.empty()) return nullptr;
  if (kept != nullptr) return kept->Get(bytes);
  return own.LoadFromStream(bytes) ? &own : nullptr;
}

// The image and caption.
void DrawContent(gdip::GdipGraphics& g, const ImageButtonLook& look, int width, int height) {
  static const rt::ByteArray kNone;
  const rt::ByteArray& bytes = look.image != nullptr ? *look.image : kNone;
  const RECT& client = look.client;
  if (look.imageBesideCaption) {
    if (bytes.empty()) {
      DrawText(g, look.caption, gdip::RectF{0, 0, float(width), float(height)}, gdip::StringAlignment::Center,
               gdip::StringAlignment::Center);
      return;
    }
    gdip::GdipImage own;
    gdip::GdipImage* decoded = Decoded(bytes, look.decoded, own);
    gdip::GdipImage& image = decoded != nullptr ? *decoded : own;
    int iw = 0, ih = 0;
    if (decoded != nullptr) {
      iw = int(image.GetWidth());
      ih = int(image.GetHeight());
    }
    int drawnW = iw, drawnH = ih;
    if (ih > height - 8) {
      // Scaled down to the button's height less 8, keeping the proportions.
      drawnH = height - 8;
      drawnW = iw == ih ? drawnH : int(double(drawnH) * iw / ih);
    }
    if (look.caption.text.empty()) {
      g.DrawImageRect(image, float((width - drawnW) / 2.0), float((height - drawnH) / 2.0), float(drawnW),
                      float(drawnH));
      return;
    }
    g.DrawImageRect(image, 3, float((height - drawnH) / 2.0 - 1), float(drawnW), float(drawnH));
    DrawText(g, look.caption,
             gdip::RectF{float(drawnW + 5), 2, float(client.right - drawnW - 7), float(client.bottom - 2)},
             gdip::StringAlignment::Near, gdip::StringAlignment::Center);
    return;
  }
  const int side = int((height - look.caption.font.size - 2) * 0.8);
  const double imageTop = 0.05 * height;
  gdip::GdipImage own;
  if (gdip::GdipImage* image = Decoded(bytes, look.decoded, own)) {
    g.DrawImageRect(*image, float((width - side) / 2.0), float(imageTop), float(side), float(side));
  }
  DrawText(g, look.caption, gdip::RectF{0, float(imageTop + side + 2), float(width), float(height - side)},
           gdip::StringAlignment::Center, gdip::StringAlignment::Near, true);
}

ImageButtonLook ImageButtonLookOf(HWND window, ButtonRecord& record, const RECT& client) {
  return ImageButtonLook{CaptionOf(window, record),     record.faceLoaded != 0 ? &record.face : nullptr,
                         record.highlight != 0,         record.imageBesideCaption != 0,
                         &record.normalImage,           client,
                         &record.statePictures[0]};
}

// The pressed image when checked, else the normal one, under a grey veil
// when disabled.
void DrawImageCheckBox(gdip::GdipGraphics& g, const RECT& client, const CheckButtonState& state,
                       const ButtonRecord& record) {
  const rt::ByteArray& bytes = state.checked ? record.pressedImage : record.normalImage;
  gdip::GdipImage own;
  if (gdip::GdipImage* image = Decoded(bytes, &record.statePictures[state.checked ? 1 : 0], own)) {
    g.DrawImageRect(*image, 0, 0, float(image->GetWidth()), float(image->GetHeight()));
  }
  if (state.disabled) {
    FillRectSolid(g, {float(client.left), float(client.top), float(client.right - client.left),
                      float(client.bottom - client.top)},
                  ToArgb(kVeil, 120));
  }
}

}  // namespace

void DrawImageButton(gdip::GdipGraphics& graphics, const RECT& area, int state, const ImageButtonLook& look) {
  const int left = area.left, top = area.top;
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (look.face != nullptr) {
    DrawLoadedFace(graphics, look, state, left, top, width, height);
  } else {
    DrawDrawnFace(graphics, look, state, left, top, width, height);
  }
  DrawContent(graphics, look, width, height);
}

void PaintImageButton(HWND window, HDC dc, int state, const RECT* rectangle) {
  const ListedButton listed = FindListedButton(window);
  if (!listed) return;
  RECT client{};
  GetClientRect(window, &client);
  const RECT area = rectangle != nullptr ? *rectangle : client;
  PresentControlImage(window, area, dc, [&](gdip::GdipGraphics& graphics) {
    DrawImageButton(graphics, area, state, ImageButtonLookOf(window, *listed.record, client));
    return true;
  });
}

void PaintImageCheckBox(HWND window, int itemState) {
  PaintCheckButton(window, itemState, std::nullopt, &DrawImageCheckBox);
}

}  // namespace skin
