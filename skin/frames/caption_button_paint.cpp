#include "skin/frames/caption_button_paint.h"

#include <algorithm>

#include "gdip/gdip_image.h"
#include "gdip/gdip_linear_gradient_brush.h"
#include "gdip/gdip_pen.h"
#include "runtime/fatal_error.h"
#include "runtime/gdi_object.h"
#include "skin/containers/tab_outline.h"
#include "skin/core/colour_convert.h"
#include "skin/core/engine_globals.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_window_table.h"

namespace skin {

namespace {

CaptionButtonRecord& ButtonAt(SkinWindowRecord& record, int buttonIndex) {
  return rt::At1(record.captionButtons, static_cast<std::size_t>(buttonIndex), "caption buttons");
}

// The button's drawing rectangle: one pixel left of its layout rectangle.
struct ButtonBox {
  int x, y, w, h;
};

ButtonBox BoxOf(const CaptionButtonRecord& button) {
  return {static_cast<int>(button.rect.x - 1), static_cast<int>(button.rect.y), button.width, button.height};
}

bool VerticalGradient(gdip::GdipLinearGradientBrush& brush, int x, int y1, int y2, gdip::ARGB top,
                      gdip::ARGB bottom) {
  return brush.Create(PointF{static_cast<float>(x), static_cast<float>(y1)},
                      PointF{static_cast<float>(x), static_cast<float>(y2)}, top, bottom);
}

const rt::ByteArray& ImageOf(const SkinWindowRecord& record, const CaptionButtonRecord& button) {
  const bool restore = button.kind == CaptionButtonKind::MaximizeRestore && record.maximized;
  return restore ? button.restoreImage : button.image;
}

// Copies the button's finished rectangle from the backgroundDc to the window.
void ShowButton(const SkinWindowRecord& record, const ButtonBox& box) {
  rt::WindowDc window(record.hwnd);
  BitBlt(window.get(), box.x, box.y, box.w, box.h, record.backgroundDc.get(), box.x, box.y, SRCCOPY);
}

// A single repaint needs the caches of a compose.
bool Composed(const SkinWindowRecord& record) {
  return record.backgroundDc.get() != nullptr && record.captionDc.get() != nullptr;
}

// The pressed look draws on a surface of its own at default quality.
void PaintPressed(SkinWindowRecord& record, int windowIndex, const CaptionButtonRecord& button) {
  const ButtonBox b = BoxOf(button);
  gdip::GdipGraphics graphics;
  if (!graphics.CreateFromHdc(record.backgroundDc.get())) return;
  RestoreCaptionArea(windowIndex, RECT{b.x, b.y, b.x + b.w, b.y + b.h});

  gdip::GdipPath shape;
  shape.Create();
  if (button.kind == CaptionButtonKind::Close) {
    AddCaptionButtonPath(shape, b.x, b.y, b.w, b.h, 5);
  } else {
    shape.AddRectangleI(b.x, b.y, b.w, b.h);
  }
  const bool close = button.kind == CaptionButtonKind::Close;
  const PointF from{static_cast<float>(b.x), static_cast<float>(b.y)};
  const PointF to{static_cast<float>(b.x), static_cast<float>(b.y + b.h)};
  FillPathGradient(graphics, shape, from, to, close ? ToArgb(kRed, 255) : ToArgb(kBlack, 80),
                   close ? ToArgb(kWhite, 30) : ToArgb(kWhite, 5));
  if (gdip::GdipImage* image = button.decoded.Get(ImageOf(record, button))) {
    graphics.DrawImageRect(*image, static_cast<float>(b.x), static_cast<float>(b.y), static_cast<float>(b.w - 1),
                           static_cast<float>(b.h));
  }
  graphics.Delete();
  ShowButton(record, b);
}

}  // namespace

void RestoreCaptionArea(int windowIndex, const RECT& rect) {
  const SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (record.captionDc.get() == nullptr) return;
  // The strip holds the top captionHeight rows only: below them there is
  // nothing cached to read.
  const LONG bottom = std::min<LONG>(rect.bottom, record.captionHeight);
  const LONG top = std::max<LONG>(rect.top, 0);
  const LONG left = std::max<LONG>(rect.left, 0);
  if (rect.right <= left || bottom <= top) return;
  BitBlt(record.backgroundDc.get(), left, top, rect.right - left, bottom - top, record.captionDc.get(), left, top, SRCCOPY);
}

void AddCaptionButtonPath(gdip::GdipPath& path, int x, int y, int w, int h, int r) {
  const auto f = [](int v) { return static_cast<float>(v); };
  path.AddLine(f(x), f(y + h), f(x), f(y));
  path.AddLine(f(x), f(y), f(x + w - r), f(y));
  path.AddArc(f(x + w - r), f(y), f(r), f(r), 270.0f, 90.0f);
  path.AddLine(f(x + w), f(y + r), f(x + w), f(y + h));
}

void PaintCaptionButtonHover(gdip::GdipGraphics& graphics, int windowIndex, int buttonIndex, int alpha) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const CaptionButtonRecord& button = ButtonAt(record, buttonIndex);
  const ButtonBox b = BoxOf(button);
  const bool close = button.kind == CaptionButtonKind::Close;
  RestoreCaptionArea(windowIndex, RECT{b.x - 1, b.y, b.x + b.w + 1, b.y + b.h + 1});
  const int bottom = b.y + b.h + 1;

  gdip::GdipPath tab;
  tab.Create();
  AddTopTabOutline(tab, b.x, b.y, b.w, b.h, 1);
  const PointF from{static_cast<float>(b.x), static_cast<float>(b.y)};
  const PointF to{static_cast<float>(b.x), static_cast<float>(bottom)};
  FillPathGradient(graphics, tab, from, to, ToArgb(kBlack, alpha / 5), ToArgb(kWhite, 0));

  const gdip::ARGB colour = ToArgb(close ? kRed : AccentColour, alpha);
  if (close) {
    gdip::GdipPath shape;
    shape.Create();
    AddCaptionButtonPath(shape, b.x, b.y, b.w, b.h, 5);
    FillPathGradient(graphics, shape, from, to, colour, ToArgb(kWhite, 0));
  } else {
    FillPathGradient(graphics, tab, from, to, colour, ToArgb(kWhite, 0));
  }

  gdip::GdipPath rim;
  rim.Create();
  const int rimHeight = static_cast<int>(b.h * 0.8);
  if (close) {
    AddCaptionButtonPath(rim, b.x, b.y, b.w - 1, rimHeight, 5);
  } else {
    AddTopTabOutline(rim, b.x, b.y, b.w - 1, rimHeight, 1);
  }
  gdip::GdipLinearGradientBrush rimBrush;
  gdip::GdipPen rimPen;
  if (VerticalGradient(rimBrush, b.x, b.y, bottom, ToArgb(kWhite, static_cast<int>(alpha * 0.8)), ToArgb(kWhite, 0)) &&
      rimPen.CreateFromBrush(rimBrush, 1.0f)) {
    graphics.DrawPath(rimPen, rim);
  }
}

void DrawCaptionButtonSeparator(int windowIndex, int buttonIndex, gdip::GdipGraphics& graphics) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const int top = record.buttonsY;
  const int height = record.buttonsHeight;
  const auto line = [&](const CaptionButtonRecord& button, int alpha) {
    const int sx = static_cast<int>(button.rect.x - 2);
    gdip::GdipLinearGradientBrush brush;
    gdip::GdipPen pen;
    if (!VerticalGradient(brush, sx, top, top + height - 3, ToArgb(kBlack, alpha), ToArgb(kBlack, 0)) ||
        !pen.CreateFromBrush(brush, 1.0f)) {
      return;
    }
    graphics.DrawLine(pen, static_cast<float>(sx), static_cast<float>(top + 1), static_cast<float>(sx),
                      static_cast<float>(top + height - 4));
  };
  line(ButtonAt(record, buttonIndex), buttonIndex == 1 ? 100 : 60);
  if (buttonIndex < static_cast<int>(record.captionButtons.size())) line(ButtonAt(record, buttonIndex + 1), 60);
}

void DrawCaptionButton(int windowIndex, int buttonIndex, gdip::GdipGraphics& graphics, int hoverAlpha) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (buttonIndex < 1) return;
  const CaptionButtonRecord& button = ButtonAt(record, buttonIndex);
  PaintCaptionButtonHover(graphics, windowIndex, buttonIndex, hoverAlpha);

  const ButtonBox b = BoxOf(button);
  gdip::GdipLinearGradientBrush gloss;
  if (VerticalGradient(gloss, b.x, b.y, b.y + b.h, ToArgb(kWhite, 50), ToArgb(kBlack, 0))) {
    graphics.FillRectangleI(gloss, b.x - 1, b.y, b.w + 1, b.h - 1);
  }
  if (gdip::GdipImage* image = button.decoded.Get(ImageOf(record, button))) {
    graphics.DrawImageRect(*image, static_cast<float>(b.x), static_cast<float>(b.y), static_cast<float>(b.w),
                           static_cast<float>(b.h));
  }
  DrawCaptionButtonSeparator(windowIndex, buttonIndex, graphics);
}

void PaintCaptionButton(int windowIndex, int buttonIndex, std::optional<bool> pressed, std::optional<int> hoverAlpha) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (buttonIndex < 1) return;
  if (!Composed(record)) return;
  const CaptionButtonRecord& button = ButtonAt(record, buttonIndex);
  if (pressed.value_or(false)) {
    PaintPressed(record, windowIndex, button);
    return;
  }
  {
    gdip::GdipGraphics graphics;
    if (!graphics.CreateFromHdc(record.backgroundDc.get())) return;
    graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
    DrawCaptionButton(windowIndex, buttonIndex, graphics, hoverAlpha.value_or(0));
  }
  ShowButton(record, BoxOf(button));
}

}  // namespace skin
