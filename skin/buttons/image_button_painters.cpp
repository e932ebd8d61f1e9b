#include "skin/buttons/image_button_painters.h"

#include <optional>

#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_linear_gradient_brush.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/buttons/button_records.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/host_composition.h"
#include "skin/core/paint_kit.h"
#include "skin/core/round_rect_path.h"
#include "skin/core/skin_text.h"
#include "skin/core/window_properties.h"

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

void DrawDrawnFace(gdip::GdipGraphics& g, const ButtonRecord& record, int state, int left, int top, int width,
                   int height) {
  const float l = float(left), t = float(top);
  if ((state & ODS_DISABLED) != 0) {
    FillPathGradient(g, MakeRoundRectPath(l + 2, t + 2, float(width - 6), float(height - 6), 5), MakePair(1.0f, 1.0f),
                     MakePair(1.0f, float(height)), ToArgb(kGrey, 50), ToArgb(kWhite, 0));
    if (record.highlight != 0) {
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
  } else if (record.highlight != 0) {
    FocusOutlines(g, l, t, width, height);
  }
}

// The faces from the button's nine-grid image.
void DrawLoadedFace(gdip::GdipGraphics& g, ButtonRecord& record, int state, int left, int top, int width,
                    int height) {
  NineGridImage& face = record.face;
  face.SetRect(left, top, width, height);
  const int a = face.GetInsetA(), c = face.GetInsetB();
  const float l = float(left), t = float(top);
  const gdip::GdipPath inner =
      MakeRoundRectPath(float(left + a - 1), float(top + a - 1), float(width - a - 2), float(height - a - 2), c, true);
  const PointF from = MakePair(l, t), to = MakePair(l, float(top + height));
  if (record.highlight != 0) FillPathGradient(g, inner, from, to, ToArgb(kWhite, 100), ToArgb(kBlack, 10));
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
  } else if (record.highlight != 0) {
    face.DrawState1(g);
  }
}

void DrawText(gdip::GdipGraphics& g, const ButtonRecord& record, COLORREF textColour, const gdip::RectF& box,
              gdip::StringAlignment alignment, gdip::StringAlignment lineAlignment, bool ellipsis = false) {
  if (HasTextEffect(record)) {
    DrawSkinText(g, record.caption, MakeRectF(box.x, box.y, box.width, box.height), textColour, record.textEffect,
                 4, record.font.face, record.font.style, float(record.font.size), gdip::ToInt(alignment),
                 gdip::ToInt(lineAlignment), std::nullopt, ellipsis ? 1 : 0);
    return;
  }
  gdip::GdipSolidBrush brush;
  brush.Create(ToArgb(textColour, 255));
  gdip::GdipFont font;
  font.CreateFromName(record.font.face, float(record.font.size), gdip::FontStyle{record.font.style},
                      gdip::Unit::Pixel);
  gdip::GdipStringFormat format;
  format.Create();
  format.SetAlign(alignment);
  format.SetLineAlign(lineAlignment);
  if (ellipsis) format.SetTrimming(gdip::StringTrimming::EllipsisCharacter);
  g.DrawString(record.caption, font, brush, box, format);
}

// The image and caption; `client` is the window's client rectangle.
void DrawContent(gdip::GdipGraphics& g, HWND window, const ButtonRecord& record, int width, int height,
                 const RECT& client) {
  const auto textColour = static_cast<COLORREF>(prop::Read(window, prop::kTextColour));
  if (record.imageBesideCaption != 0) {
    if (record.normalImage.empty()) {
      DrawText(g, record, textColour, gdip::RectF{0, 0, float(width), float(height)}, gdip::StringAlignment::Center,
               gdip::StringAlignment::Center);
      return;
    }
    gdip::GdipImage image;
    int iw = 0, ih = 0;
    if (image.LoadFromStream(record.normalImage)) {
      iw = int(image.GetWidth());
      ih = int(image.GetHeight());
    }
    int drawnW = iw, drawnH = ih;
    if (ih > height - 8) {
      // Scaled down to the button's height less 8, keeping the proportions.
      drawnH = height - 8;
      drawnW = iw == ih ? drawnH : int(double(drawnH) * iw / ih);
    }
    if (record.caption.empty()) {
      g.DrawImageRect(image, float((width - drawnW) / 2.0), float((height - drawnH) / 2.0), float(drawnW),
                      float(drawnH));
      return;
    }
    g.DrawImageRect(image, 3, float((height - drawnH) / 2.0 - 1), float(drawnW), float(drawnH));
    DrawText(g, record, textColour,
             gdip::RectF{float(drawnW + 5), 2, float(client.right - drawnW - 7), float(client.bottom - 2)},
             gdip::StringAlignment::Near, gdip::StringAlignment::Center);
    return;
  }
  const int side = int((height - record.font.size - 2) * 0.8);
  const double imageTop = 0.05 * height;
  gdip::GdipImage image;
  if (!record.normalImage.empty() && image.LoadFromStream(record.normalImage)) {
    g.DrawImageRect(image, float((width - side) / 2.0), float(imageTop), float(side), float(side));
  }
  DrawText(g, record, textColour,
           gdip::RectF{0, float(imageTop + side + 2), float(width), float(height - side)},
           gdip::StringAlignment::Center, gdip::StringAlignment::Near, true);
}

}  // namespace

void PaintImageButton(HWND window, HDC dc, int state, const RECT* rectangle) {
  const ListedButton listed = FindListedButton(window);
  if (!listed) return;
  RECT client{};
  GetClientRect(window, &client);
  const RECT area = rectangle != nullptr ? *rectangle : client;
  const int left = area.left, top = area.top;
  const int width = area.right - area.left, height = area.bottom - area.top;
  CachedDc memory = ComposeControlBackground(window, area);
  if (!memory) return;
  ButtonRecord& record = *listed.button;
  {
    gdip::GdipGraphics g;
    g.CreateFromHdc(memory.get());
    if (record.faceLoaded != 0) {
      DrawLoadedFace(g, record, state, left, top, width, height);
    } else {
      DrawDrawnFace(g, record, state, left, top, width, height);
    }
    DrawContent(g, window, record, width, height, client);
  }
  BlitControlToHost(window, memory.get());
  BitBlt(dc, 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
}

void PaintImageCheckBox(HWND window, int itemState) {
  if (!FindListedButton(window)) return;
  const bool checked = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right - client.left, height = client.bottom - client.top;
  CachedDc memory = ComposeControlBackground(window, client);
  if (!memory) return;
  // Looked up again: sending BM_GETCHECK ran the window's procedure.
  const ListedButton listed = FindListedButton(window);
  if (!listed) return;
  const ButtonRecord& record = *listed.button;
  {
    gdip::GdipGraphics g;
    g.CreateFromHdc(memory.get());
    const rt::ByteArray& bytes = checked ? record.pressedImage : record.normalImage;
    gdip::GdipImage image;
    if (!bytes.empty() && image.LoadFromStream(bytes)) {
      g.DrawImageRect(image, 0, 0, float(image.GetWidth()), float(image.GetHeight()));
    }
    if ((itemState & ODS_DISABLED) != 0) {
      FillRectSolid(g, {float(client.left), float(client.top), float(width), float(height)}, ToArgb(kVeil, 120));
    }
    BlitControlToHost(window, memory.get());
    rt::WindowDc own(window);
    BitBlt(own.get(), 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
  }
}

}  // namespace skin
