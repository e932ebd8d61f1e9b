#include "skin/containers/progress_skin.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "runtime/gdi_object.h"
#include "skin/core/control_links.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/paint_kit.h"
#include "skin/core/round_rect_path.h"
#include "skin/core/shine_strips.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

constexpr int kFrameCorner = 5;
constexpr int kInnerCorner = 3;

LRESULT CallSaved(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(bar, ProgressSkinProc, message, wParam, lParam);
}

// The frame, the trough or the fill outline: a plain rectangle in the
// square look, else a rounded one.
void AddShape(gdip::GdipPath& path, bool square, float x, float y, float width, float height,
              int corner) {
  path.Create();
  if (square) {
    path.AddRectangle(x, y, width, height);
  } else {
    AddRoundRectPath(path, x, y, width, height, corner);
  }
}

// Opens `graphics` on the DC. On a DC that holds a DIB section the drawing
// goes straight into the DIB's pixels through a bitmap over them: the
// system's GDI+ then draws in memory instead of blending every figure onto
// the DC separately, several times faster for the shine's 30 ms ticks.
void OpenGraphics(HDC dc, gdip::GdipBitmap& pixels, gdip::GdipGraphics& graphics) {
  DIBSECTION dib{};
  if (SelectedDib32(dc, dib)) {
    const int stride = dib.dsBm.bmWidthBytes;
    auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
    const bool bottomUp = dib.dsBmih.biHeight > 0;
    BYTE* firstRow = bottomUp ? bits + static_cast<std::ptrdiff_t>(stride) * (dib.dsBm.bmHeight - 1) : bits;
    if (pixels.CreateFromScan0(dib.dsBm.bmWidth, dib.dsBm.bmHeight, bottomUp ? -stride : stride,
                               gdip::kPixelFormat32bppRgb, firstRow) &&
        graphics.CreateFromImage(pixels)) {
      return;
    }
  }
  graphics.CreateFromHdc(dc);
}

void DrawShine(gdip::GdipGraphics& graphics, const ProgressRecord& record, float height) {
  gdip::GdipImage* found = record.shinePicture.Get(LoadShineStrip(record.shineStyle));
  if (found == nullptr) return;
  gdip::GdipImage& strip = *found;
  graphics.DrawImageRect(strip, static_cast<float>(record.shineX), 0,
                         static_cast<float>(strip.GetWidth()), height);
}

}  // namespace

void SkinProgressBars(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  SkinWindowTable.At(windowIndex);  // range check
  for (HWND bar = FindWindowExA(parent, nullptr, PROGRESS_CLASSA, nullptr); bar != nullptr;
       bar = FindWindowExA(parent, bar, PROGRESS_CLASSA, nullptr)) {
    const auto fill = [&](ProgressRecord& record) {
      const LONG_PTR style = GetWindowLongPtrA(bar, GWL_STYLE);
      record.vertical = (style | PBS_VERTICAL) == style ? 1 : 0;
      record.fillColour = AccentColour;
      record.frameColour = kBlack;
    };
    LinkControl(windowIndex, &SkinWindowRecord::progressBars, bar, ProgressSkinProc, fill);
  }
}

LRESULT CALLBACK ProgressSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto linked = FindControlLink(hwnd, &SkinWindowRecord::progressBars);
  if (!linked) return CallSaved(hwnd, message, wParam, lParam);
  const auto [host, record, windowIndex, listIndex] = linked;
  const auto timerId = static_cast<UINT_PTR>(listIndex);

  switch (message) {
    case WM_DESTROY:
      KillTimer(hwnd, timerId);
      break;
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(hwnd);
      break;
    case WM_MOVE:
      PaintProgressBar(windowIndex, listIndex);
      break;
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_PAINT: {
      const rt::PaintScope paint(hwnd);
      PaintProgressBar(windowIndex, listIndex);
      return 0;
    }
    case WM_NCPAINT:
      PaintProgressBar(windowIndex, listIndex);
      return 1;
    case WM_SHOWWINDOW:
      if (wParam == 0) {
        KillTimer(hwnd, timerId);
      } else if (record->vertical == 0 && record->shineOn != 0) {
        SetTimer(hwnd, timerId, kShinePeriod, nullptr);
      }
      break;
    case WM_TIMER: {
      InvalidateRect(hwnd, nullptr, FALSE);
      record->shineX += kShineStep;
      RECT window{};
      GetWindowRect(hwnd, &window);
      // Wraps as soon as the strip's left edge reaches the right edge.
      if (record->shineX >= window.right - window.left) record->shineX = -record->shineWidth;
      break;
    }
    default:
      break;
  }
  return CallSaved(hwnd, message, wParam, lParam);
}

ProgressFill ComputeProgressFill(bool vertical, int width, int height, int position, int low,
                                 int high) {
  ProgressFill fill;
  const double length = vertical ? height : width;
  const double span = static_cast<double>(high) - low;
  const double done = static_cast<double>(position) - low;
  // An empty range or a position at the low end fills nothing; a position
  // beyond the high end fills no more than the bar.
  double f = 0;
  if (span > 0 && done > 0) f = std::fmin(length / span * done, length);
  fill.length = static_cast<int>(f);
  if (vertical) {
    fill.x = 0;
    fill.y = static_cast<float>(static_cast<int>(height - f));
    fill.width = static_cast<float>(width);
    fill.height = static_cast<float>(fill.length);
  } else {
    fill.width = static_cast<float>(fill.length);
    fill.height = static_cast<float>(height);
  }
  return fill;
}

namespace {

// The pixels of the 32-bit DIB section selected into `dc`; empty for any
// other DC.
std::span<std::uint8_t> DibPixels(HDC dc) {
  DIBSECTION dib{};
  if (!SelectedDib32(dc, dib)) return {};
  GdiFlush();
  return {static_cast<std::uint8_t*>(dib.dsBm.bmBits),
          static_cast<std::size_t>(dib.dsBm.bmWidthBytes) * static_cast<std::size_t>(dib.dsBm.bmHeight)};
}

ProgressFace::Key FaceKey(const RECT& area, const ProgressRecord& record) {
  ProgressFace::Key key;
  key.width = area.right - area.left;
  key.height = area.bottom - area.top;
  key.position = static_cast<int>(SendMessageA(record.hwnd, PBM_GETPOS, 0, 0));
  PBRANGE range{};
  SendMessageA(record.hwnd, PBM_GETRANGE, 0, reinterpret_cast<LPARAM>(&range));
  key.low = range.iLow;
  key.high = range.iHigh;
  key.vertical = record.vertical != 0 ? 1 : 0;
  key.squareCorners = record.squareCorners == 1 ? 1 : 0;
  key.fillColour = record.fillColour;
  key.frameColour = record.frameColour;
  return key;
}

ProgressFill FillOf(const ProgressFace::Key& key) {
  return ComputeProgressFill(key.vertical != 0, key.width, key.height, key.position, key.low, key.high);
}

// The outline of the filled part, which also clips the fill and the shine.
void AddFilledPart(gdip::GdipPath& part, const ProgressFill& fill, bool square) {
  if (square) {
    AddShape(part, true, fill.x + 1, fill.y + 1, fill.width - 2, fill.height - 2, kInnerCorner);
  } else {
    AddShape(part, false, fill.x, fill.y + 1, fill.width - 2, fill.height - 2, kInnerCorner);
  }
}

void OpenBarGraphics(HDC dc, gdip::GdipBitmap& pixels, gdip::GdipGraphics& graphics) {
  OpenGraphics(dc, pixels, graphics);
  graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
  graphics.SetInterpolationMode(gdip::InterpolationMode::HighQualityBilinear);
}

// Everything but the shine: frame, trough and filled part.
void DrawFace(HDC dc, const ProgressFace::Key& key) {
  const float w = static_cast<float>(key.width);
  const float h = static_cast<float>(key.height);
  const bool square = key.squareCorners != 0;
  const bool vertical = key.vertical != 0;
  gdip::GdipBitmap pixels;
  gdip::GdipGraphics graphics;  // released before the bitmap it may draw on
  OpenBarGraphics(dc, pixels, graphics);

  gdip::GdipPath frame;
  AddShape(frame, square, 0, 0, w - 1, h - 1, kFrameCorner);
  OutlinePath(graphics, frame, ToArgb(kWhite, 160));
  OutlinePath(graphics, frame, ToArgb(key.frameColour, 120));

  gdip::GdipPath trough;
  AddShape(trough, square, 1, 1, w - 3, h - 3, kInnerCorner);
  FillPathGradient(graphics, trough, {0, 0}, vertical ? PointF{w - 1, 0} : PointF{0, h - 1}, ToArgb(kWhite, 160),
                   square ? ToArgb(kWhite, 160) : ToArgb(kBlack, 30));

  const ProgressFill fill = FillOf(key);
  if (fill.length <= 0) return;
  gdip::GdipPath part;
  AddFilledPart(part, fill, square);
  const PointF from{fill.x, fill.y};
  const PointF to = vertical ? PointF{fill.x + fill.width - 1, fill.y} : PointF{0, h - 1};
  const std::uint32_t solid = ToArgb(key.fillColour, 220);
  graphics.SetClipPath(part);
  FillPathGradient(graphics, part, from, to, square ? solid : ToArgb(kWhite, 100), solid);
  if (square) OutlinePath(graphics, part, ToArgb(key.fillColour, 255));
}

// The shine strip at its place, inside the filled part, drawn over `dc`.
void DrawShineOver(HDC dc, const ProgressFace::Key& key, const ProgressRecord& record) {
  const ProgressFill fill = FillOf(key);
  gdip::GdipBitmap pixels;
  gdip::GdipGraphics graphics;
  OpenBarGraphics(dc, pixels, graphics);
  gdip::GdipPath part;
  AddFilledPart(part, fill, key.squareCorners != 0);
  graphics.SetClipPath(part);
  DrawShine(graphics, record, fill.height);
}

bool ShineShown(const ProgressFace::Key& key, const ProgressRecord& record) {
  return FillOf(key).length > 0 && record.shineOn != 0 && key.vertical == 0;
}

}  // namespace

// Where the shine of a bar is drawn between ticks: a copy of the bar's
// image laid out as its DIB, with a GDI+ graphics over it whose quality and
// clip to the filled part are set once. A tick copies the face in, draws
// the strip and copies the result out: the same drawing as straight over
// the bar's image, without making the bitmap, graphics, path and clip anew
// every 30 ms.
struct ShineSurface {
  ProgressFace::Key key;
  LONG width = 0;
  LONG height = 0;
  LONG stride = 0;
  bool bottomUp = false;
  std::vector<std::uint8_t> pixels;
  gdip::GdipBitmap bitmap;      // over `pixels`
  gdip::GdipGraphics graphics;  // over `bitmap`; declared last, so released first
};

namespace {

// The record's surface for a face of `key` on a DIB like `dib`, made anew
// when either differs; nullptr when GDI+ cannot make it.
ShineSurface* SurfaceFor(ProgressRecord& record, const ProgressFace::Key& key, const DIBSECTION& dib) {
  const bool bottomUp = dib.dsBmih.biHeight > 0;
  ShineSurface* kept = record.shineSurface.get();
  if (kept != nullptr && kept->key == key && kept->width == dib.dsBm.bmWidth && kept->height == dib.dsBm.bmHeight &&
      kept->stride == dib.dsBm.bmWidthBytes && kept->bottomUp == bottomUp) {
    return kept;
  }
  record.shineSurface.reset();
  auto made = std::make_shared<ShineSurface>();
  made->key = key;
  made->width = dib.dsBm.bmWidth;
  made->height = dib.dsBm.bmHeight;
  made->stride = dib.dsBm.bmWidthBytes;
  made->bottomUp = bottomUp;
  made->pixels.resize(static_cast<std::size_t>(made->stride) * static_cast<std::size_t>(made->height));
  BYTE* firstRow = bottomUp ? made->pixels.data() + static_cast<std::ptrdiff_t>(made->stride) * (made->height - 1)
                            : made->pixels.data();
  if (!made->bitmap.CreateFromScan0(made->width, made->height, bottomUp ? -made->stride : made->stride,
                                    gdip::kPixelFormat32bppRgb, firstRow) ||
      !made->graphics.CreateFromImage(made->bitmap)) {
    return nullptr;
  }
  made->graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
  made->graphics.SetInterpolationMode(gdip::InterpolationMode::HighQualityBilinear);
  const ProgressFill fill = FillOf(key);
  gdip::GdipPath part;
  AddFilledPart(part, fill, key.squareCorners != 0);
  made->graphics.SetClipPath(part);
  record.shineSurface = std::move(made);
  return record.shineSurface.get();
}

// The shine over the bar's image `image` (the pixels of the DIB selected
// into `dc`), through the record's kept surface where it can be made.
void DrawKeptShineOver(HDC dc, std::span<std::uint8_t> image, const ProgressFace::Key& key, ProgressRecord& record) {
  DIBSECTION dib{};
  ShineSurface* surface = SelectedDib32(dc, dib) ? SurfaceFor(record, key, dib) : nullptr;
  if (surface == nullptr || surface->pixels.size() != image.size()) {
    DrawShineOver(dc, key, record);
    return;
  }
  std::ranges::copy(image, surface->pixels.begin());
  DrawShine(surface->graphics, record, FillOf(key).height);
  std::ranges::copy(surface->pixels, image.begin());
}

// The bar of `record` into `dc`. With `keeper` (the same record, writable)
// the face comes from there when the bar and the pixels under it are what
// it was drawn from, and is kept there when drawn, and the shine is drawn
// through the record's surface.
void DrawBar(HDC dc, const RECT& area, const ProgressRecord& record, ProgressRecord* keeper) {
  const ProgressFace::Key key = FaceKey(area, record);
  const std::span<std::uint8_t> image = keeper != nullptr ? DibPixels(dc) : std::span<std::uint8_t>();
  if (image.empty()) {
    DrawFace(dc, key);
    if (ShineShown(key, record)) DrawShineOver(dc, key, record);
    return;
  }
  ProgressFace& face = keeper->face;
  if (face.key == key && face.pixels.size() == image.size() && std::ranges::equal(image, face.background)) {
    std::ranges::copy(face.pixels, image.begin());
  } else {
    face.key = key;
    face.background.assign(image.begin(), image.end());
    DrawFace(dc, key);
    GdiFlush();
    face.pixels.assign(image.begin(), image.end());
  }
  if (ShineShown(key, record)) DrawKeptShineOver(dc, image, key, *keeper);
}

}  // namespace

void DrawProgressBar(HDC dc, const RECT& area, const ProgressRecord& record) { DrawBar(dc, area, record, nullptr); }

void PaintProgressBar(int windowIndex, int listIndex) {
  ProgressRecord& record = SkinWindowTable.At(windowIndex).progressBars.At(listIndex);
  const HWND bar = record.hwnd;
  RECT window{};
  GetWindowRect(bar, &window);
  const RECT area{0, 0, window.right - window.left, window.bottom - window.top};
  const CachedDc image = ComposeControlBackground(bar, area);
  if (image.get() == nullptr) return;

  DrawBar(image.get(), area, record, &record);
  BlitControlToHost(bar, image.get(), false, true);
  rt::WindowDc windowDc(bar, GetWindowDC(bar));
  BitBlt(windowDc.get(), 0, 0, area.right, area.bottom, image.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
