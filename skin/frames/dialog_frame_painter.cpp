#include "skin/frames/dialog_frame_painter.h"

#include <algorithm>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_font_collection.h"
#include "gdip/gdip_font_family.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_string_format.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_links.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/frames/message_box.h"
#include "skin/frames/skin_dialog.h"

namespace skin {

namespace {

// The owner's tint colour when it has a non-negative one, else the theme's.
COLORREF FrameColour() {
  const SkinWindowRecord* owner = FindSkinFrame(MessageBoxOwner).record;
  if (owner != nullptr && static_cast<LONG>(owner->overlayColour) >= 0) {
    return owner->overlayColour;
  }
  return ThemeColour;
}

const rt::ByteArray& FramePicture() {
  const SkinWindowRecord* owner = FindSkinFrame(MessageBoxOwner).record;
  if (owner != nullptr && !owner->backgroundImage.empty()) {
    return owner->backgroundImage;
  }
  return ThemeBackground;
}

void DrawFramePicture(gdip::GdipGraphics& graphics) {
  const rt::ByteArray& bytes = FramePicture();
  if (bytes.empty()) return;
  gdip::GdipBitmap picture;
  if (picture.CreateFromStream(bytes)) graphics.DrawImage(picture, 0, 0);
}

void FillCaptionGradient(gdip::GdipGraphics& graphics, float width) {
  FillRectGradient(graphics, {0, 0, width, 30}, PointF{0, 0}, PointF{0, 31}, ToArgb(kWhite, 60), ToArgb(kWhite, 150));
}

// A new frame bitmap in the record's background DC, which the DC cache
// holds; the properties name the bitmap and what it displaced.
void ReplaceFrameBitmap(SkinWindowRecord& record, int width, int height) {
  record.backgroundDc.reset();
  gdip::GdipBitmap canvas;
  if (!canvas.Create(width, height, gdip::kPixelFormat32bppArgb)) return;
  rt::UniqueBitmap bitmap(canvas.GetHbitmap(gdip::ARGB{0}));
  canvas.Dispose();
  if (!bitmap) return;
  rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return;
  const HGDIOBJ previous = SelectObject(dc.get(), bitmap.get());
  prop::WriteHandle(record.hwnd, prop::kDialogBitmap, bitmap.get());
  prop::WriteHandle(record.hwnd, prop::kDialogPaintObject, previous);
  RegisterCachedDc(dc.get(), bitmap.release(), previous);
  record.backgroundDc = CachedDc::Adopt(dc.release());
}

// Caption button `buttonIndex` (1-based) of the dialog, null outside its
// buttons.
const CaptionButtonRecord* DialogButton(const SkinWindowRecord& record, int buttonIndex) {
  if (buttonIndex < 1 || buttonIndex > static_cast<int>(record.captionButtons.size())) return nullptr;
  return &record.captionButtons[static_cast<std::size_t>(buttonIndex - 1)];
}

}  // namespace

rt::WindowDc GetDialogFrameDc(HWND dialog) {
  rt::WindowDc dc(dialog, GetWindowDC(dialog));
  if (!dc) return dc;
  for (HWND child = FindWindowExA(dialog, nullptr, nullptr, nullptr); child;
       child = FindWindowExA(dialog, child, nullptr, nullptr)) {
    if (!IsWindowVisible(child)) continue;
    const RECT r = GetRectInParentWindow(child);
    ExcludeClipRect(dc.get(), r.left, r.top, r.right, r.bottom);
  }
  return dc;
}

void DrawDialogTitle(gdip::GdipGraphics& target, const rt::Text& text, const RectF& layout, COLORREF textColour,
                     COLORREF haloColour, int scale, const rt::Text& face, int style, float size, int alignment,
                     int lineAlignment) {
  const int w = static_cast<int>(layout.width), h = static_cast<int>(layout.height);
  if (w <= 0 || h <= 0 || text.empty()) return;
  const int divisor = std::max(scale, 1);

  gdip::GdipBitmap canvas;
  if (!canvas.Create(w, h, gdip::kPixelFormat32bppArgb)) return;
  gdip::GdipGraphics graphics;
  if (!graphics.CreateFromImage(canvas)) return;
  SetSmoothQuality(graphics);

  const gdip::GdipFontCollection installed;
  gdip::GdipFontFamily family;
  family.CreateFromName(face, installed);
  gdip::GdipStringFormat format;
  format.Create();
  format.SetAlign(gdip::StringAlignment{alignment});
  format.SetLineAlign(gdip::StringAlignment{lineAlignment});
  const int em = static_cast<int>(size);
  const float fw = static_cast<float>(w), fh = static_cast<float>(h);
  const float top = static_cast<float>(divisor) / 2;

  {
    gdip::GdipPath outline;
    outline.Create();
    outline.AddString(text, family, em, RectF{0, top, fw, fh}, gdip::FontStyle{style}, format);
    OutlinePath(graphics, outline, ToArgb(haloColour));
    FillPathSolid(graphics, outline, ToArgb(haloColour));
  }
  {
    // The halo is blurred by a round trip through a smaller picture.
    gdip::GdipBitmap small;
    if (small.Create(std::max(w / divisor, 1), std::max(h / divisor, 1), gdip::kPixelFormat32bppArgb)) {
      {
        gdip::GdipGraphics shrink;
        shrink.CreateFromImage(small);
        SetSmoothQuality(shrink);
        shrink.DrawImageRect(canvas, 0, 0, static_cast<float>(w / divisor), static_cast<float>(h / divisor));
      }
      graphics.Clear(gdip::ARGB{0});
      graphics.DrawImageRect(small, 0, 0, fw, fh);
    }
  }
  {
    gdip::GdipPath ink;
    ink.Create();
    ink.AddString(text, family, em, RectF{0, top - 1, fw, fh}, gdip::FontStyle{style}, format);
    OutlinePath(graphics, ink, ToArgb(haloColour, 200), 2);
    OutlinePath(graphics, ink, ToArgb(textColour, 254));
    FillPathSolid(graphics, ink, ToArgb(textColour));
  }
  graphics.Delete();
  target.DrawImage(canvas, layout.x, layout.y);
}

void DrawDialogCloseButton(int windowIndex, int buttonIndex, gdip::GdipGraphics& graphics) {
  const CaptionButtonRecord* found = DialogButton(SkinWindowTable.At(windowIndex), buttonIndex);
  if (found == nullptr) return;
  const CaptionButtonRecord& button = *found;
  const float fx = static_cast<float>(static_cast<int>(button.rect.x));
  const float fy = static_cast<float>(static_cast<int>(button.rect.y));
  gdip::GdipImage image;
  if (image.LoadFromStream(button.image)) graphics.DrawImage(image, fx, fy + 3);
}

void PaintDialogCloseButton(int windowIndex, int buttonIndex, bool hot) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const CaptionButtonRecord* found = DialogButton(record, buttonIndex);
  if (found == nullptr) return;
  const CaptionButtonRecord& button = *found;
  const int x = static_cast<int>(button.rect.x), y = static_cast<int>(button.rect.y);
  const int w = static_cast<int>(button.rect.width), h = static_cast<int>(button.rect.height);
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  const float fw = static_cast<float>(w), fh = static_cast<float>(h);

  {
    gdip::GdipGraphics graphics;
    if (!record.backgroundDc || !graphics.CreateFromHdc(record.backgroundDc.get())) return;
    graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
    graphics.SetClipRect(fx, fy + 2, fw - 2, fh);
    if (hot) {
      const gdip::GdipPath face = MakeRoundRectPath(fx + 6, fy + 2, fw - 12, fh - 4, 5);
      FillPathGradient(graphics, face, PointF{fx + 3, fy + 2}, PointF{fx + 3, fy + fh - 2}, ToArgb(kWhite, 10),
                       ToArgb(kRed, 200));
      OutlinePath(graphics, face, ToArgb(kBlack, 100));
      OutlineRoundRect(graphics, {fx + 7, fy + 3, fw - 14, fh - 6}, 3, ToArgb(kWhite, 130));
    } else {
      RECT r{};
      GetWindowRect(record.hwnd, &r);
      const float W = static_cast<float>(r.right - r.left), H = static_cast<float>(r.bottom - r.top);
      const COLORREF colour = FrameColour();
      graphics.Clear(ToArgb(colour));
      DrawFramePicture(graphics);
      FillRectSolid(graphics, {0, 0, W, H}, ToArgb(colour, 150));
      FillRectSolid(graphics, {0, 0, W, H}, ToArgb(kWhite, 50));
      FillRectGradient(graphics, {0, 0, W, 31}, PointF{0, 0}, PointF{0, 31}, ToArgb(kWhite, 60), ToArgb(kWhite, 150));
    }
    DrawDialogCloseButton(windowIndex, buttonIndex, graphics);
  }
  const rt::WindowDc window = GetDialogFrameDc(record.hwnd);
  if (window) BitBlt(window.get(), x, y, w, h, record.backgroundDc.get(), x, y, SRCCOPY);
}

void PaintDialogFrame(HWND dialog) {
  const SkinFrame found = FindSkinFrame(dialog);
  if (!found) return;
  const int windowIndex = found.index;
  SkinWindowRecord& record = *found.record;
  RECT r{};
  GetWindowRect(dialog, &r);
  const int W = r.right - r.left, H = r.bottom - r.top;
  if (W <= 0 || H <= 0) return;
  const int B = record.buttonBandHeight;
  const float fw = static_cast<float>(W), fh = static_cast<float>(H), fb = static_cast<float>(B);

  ReplaceFrameBitmap(record, W, H);
  if (!record.backgroundDc) return;
  {
    gdip::GdipGraphics graphics;
    if (!graphics.CreateFromHdc(record.backgroundDc.get())) return;
    graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
    graphics.SetInterpolationMode(gdip::InterpolationMode::HighQualityBicubic);

    const gdip::GdipPath frame = MakeRoundRectPath(0, 0, fw - 1, fh - 1, 6, true);

    const COLORREF colour = FrameColour();
    FillPathSolid(graphics, frame, ToArgb(colour));
    DrawFramePicture(graphics);
    FillPathSolid(graphics, frame, ToArgb(colour, 150));
    FillPathSolid(graphics, frame, ToArgb(kWhite, 50));
    graphics.SetClipPath(frame);

    FillCaptionGradient(graphics, fw);
    FillRectGradient(graphics, {0, 30, fw, fh - fb - 30}, PointF{0, 29}, PointF{0, fh - fb + 6}, ToArgb(kWhite, 150),
                     ToArgb(kWhite, 225));
    if (B > 0) {
      FillRectGradient(graphics, {0, fh - fb, fw, fb}, PointF{0, fh - fb}, PointF{0, fh}, ToArgb(kWhite, 220),
                       ToArgb(kWhite, 100));
    }

    graphics.SetSmoothingMode(gdip::SmoothingMode::Default);
    graphics.SetPixelOffsetMode(gdip::PixelOffsetMode::Default);
    StrokeLine(graphics, {2, fh - fb}, {fw - 2, fh - fb}, ToArgb(kWhite));
    StrokeLine(graphics, {2, fh - fb}, {fw - 2, fh - fb}, ToArgb(kBlack, 60));

    graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
    graphics.SetInterpolationMode(gdip::InterpolationMode::HighQualityBicubic);
    graphics.ResetClip();
    OutlinePath(graphics, frame, ToArgb(kWhite, 200));
    OutlinePath(graphics, frame, ToArgb(kBlack, 150));

    DrawDialogTitle(graphics, GetWindowTextCopy(dialog), RectF{8, -3, fw, 30}, kBlack, kWhite, 4, "黑体", 0, 12, 0, 1);

    const int buttons = static_cast<int>(record.captionButtons.size());
    for (int i = 1; i <= buttons; ++i) DrawDialogCloseButton(windowIndex, i, graphics);
  }
  const rt::WindowDc window = GetDialogFrameDc(dialog);
  if (window) BitBlt(window.get(), 0, 0, W, H, record.backgroundDc.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
