#include "skin/lists/scroll_bar_painter.h"

#include <cstdint>
#include <utility>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_path.h"
#include "runtime/gdi_object.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/host_composition.h"
#include "skin/core/paint_kit.h"
#include "skin/core/window_properties.h"
#include "skin/lists/scroll_arrows.h"
#include "skin/lists/scroll_overlay.h"

namespace skin {

namespace {

constexpr DWORD kUnavailable = STATE_SYSTEM_UNAVAILABLE;
constexpr float kButton = 15.0f;  // length of an arrow button along the bar

using gdip::GdipGraphics;
using gdip::GdipPath;

// Background tint and the track's gradient, both along x.
void DrawTrack(GdipGraphics& g, float width, float height, BarTint tint) {
  FillRectSolid(g, {0, 0, width, height}, ToArgb(tint.colour, tint.alpha));
  GdipPath track;
  track.Create();
  track.AddRectangle(0, 0, width, height);
  FillPathGradient(g, track, MakePair(0.0f, 0.0f), MakePair(width, 0.0f), ToArgb(kWhite, 40), ToArgb(kWhite, 80));
}

// The thumb's rounded shape, from `from` to `to` for its gradients.
void DrawThumb(GdipGraphics& g, float x, float y, float w, float h, PointF from, PointF to, bool hot) {
  const GdipPath path = MakeRoundRectPath(x, y, w, h, 2);
  if (hot) {
    FillPathSolid(g, path, ToArgb(kWhite, 100));
    FillPathGradient(g, path, from, to, ToArgb(AccentColour, 20), ToArgb(AccentColour, 80));
  } else {
    FillPathGradient(g, path, from, to, ToArgb(kWhite, 50), ToArgb(AccentColour, 50));
    FillPathGradient(g, path, from, to, ToArgb(kWhite, 0), ToArgb(kWhite, 150));
  }
  OutlinePath(g, path, ToArgb(kBlack, 60));
}

void DrawArrowButton(GdipGraphics& g, float x, float y, float w, float h, PointF from, PointF to, bool hot) {
  const GdipPath path = MakeRoundRectPath(x, y, w, h, 1);
  if (hot) {
    FillPathSolid(g, path, ToArgb(kWhite, 180));
    FillPathGradient(g, path, from, to, ToArgb(AccentColour, 20), ToArgb(AccentColour, 80));
    OutlinePath(g, path, ToArgb(kBlack, 80));
  }
  OutlinePath(g, path, ToArgb(kBlack, 30));
}

// Draws a chevron; `place` gives its position from its size.
template <class Place>
void DrawArrow(GdipGraphics& g, const ChevronPicture& chevron, Place place) {
  gdip::GdipImage* image = chevron.get();
  if (image == nullptr) return;
  const auto iw = static_cast<float>(image->GetWidth());
  const auto ih = static_cast<float>(image->GetHeight());
  const POINT at = place(iw, ih);
  g.DrawImageRect(*image, static_cast<float>(at.x), static_cast<float>(at.y), iw, ih);
}

void PrepareGraphics(GdipGraphics& g, HDC dc) {
  g.CreateFromHdc(dc);
  g.SetInterpolationMode(gdip::InterpolationMode::HighQualityBilinear);
  g.SetCompositingQuality(gdip::CompositingQuality::GammaCorrected);
}

int Trunc(float value) { return static_cast<int>(value); }

// The part rectangles a bar's paint stores; the end arrow's rectangle of a
// horizontal bar stops at width - 4.
ScrollPartRects VBarParts(int width, int height, const SCROLLBARINFO& info) {
  return {RECT{1, 1, width - 2, 17}, RECT{1, height - 17, width - 2, height - 1},
          RECT{1, info.xyThumbTop, info.dxyLineButton + 1, info.xyThumbBottom}};
}

ScrollPartRects HBarParts(int width, int height, const SCROLLBARINFO& info) {
  return {RECT{1, 1, 17, height - 2}, RECT{width - 17, 1, width - 4, height - 1},
          RECT{info.xyThumbTop, 1, info.xyThumbBottom, info.dxyLineButton + 1}};
}

// Everything a bar's look is drawn from beside its background.
FinishedImage::Key BarKey(int width, int height, const SCROLLBARINFO& info, BarTint tint, ScrollBarPart hot) {
  return {width,
          height,
          info.dxyLineButton,
          info.xyThumbTop,
          info.xyThumbBottom,
          info.rgstate[0] != kUnavailable ? 1 : 0,
          static_cast<std::int64_t>(tint.colour),
          tint.alpha,
          static_cast<int>(hot),
          static_cast<std::int64_t>(AccentColour)};
}

// Draws a bar with `draw` unless `kept` holds its finished image over the
// same background, which is then copied; `parts` gets the rectangles
// either way. Returns whether the dc holds a bar.
template <class Draw>
bool DrawOrRestore(HDC dc, FinishedImage& kept, FinishedImage::Key key, ScrollPartRects& parts,
                   const ScrollPartRects& restoredParts, Draw draw) {
  if (kept.Restore(dc, key)) {
    parts = restoredParts;
    return true;
  }
  kept.Start(dc, std::move(key));
  if (!draw()) {
    kept.Forget();
    return false;
  }
  kept.Finish(dc);
  return true;
}

// The painter shared by both bars: compose the overlay's background, draw,
// then put the image into the host's composition and onto the overlay.
template <class Draw>
void PaintOnOverlay(HWND overlay, Draw draw) {
  RECT window{};
  GetWindowRect(overlay, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const CachedDc owned = ComposeControlBackground(overlay, {0, 0, width, height});
  if (!owned) return;
  HDC dc = owned.get();
  if (draw(dc, width, height)) {
    BlitControlToHost(overlay, dc);
    rt::WindowDc screen(overlay);
    BitBlt(screen.get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  }
}

SCROLLBARINFO BarInfo(HWND control, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(control, object, &info);
  return info;
}

ScrollBarPart HitTest(HWND overlay, const ScrollPartRects& parts, LPARAM point) {
  if (overlay == nullptr) return ScrollBarPart::None;
  RECT window{};
  GetWindowRect(overlay, &window);
  const auto packed = static_cast<std::int32_t>(point);
  const int x = static_cast<std::int16_t>(LowWord(packed)) - window.left;
  const int y = static_cast<std::int16_t>(HighWord(packed)) - window.top;
  constexpr ScrollBarPart kOrder[] = {ScrollBarPart::StartArrow, ScrollBarPart::EndArrow, ScrollBarPart::Thumb};
  for (int i = 0; i < 3; ++i) {
    const RECT& r = parts[static_cast<std::size_t>(i)];
    if (r.left <= x && x <= r.right && r.top <= y && y <= r.bottom) return kOrder[i];
  }
  return ScrollBarPart::None;
}

}  // namespace

BarTint ControlBarTint(HWND control) {
  const auto colour = static_cast<COLORREF>(prop::Read(control, prop::kTintColour));
  const auto alpha = static_cast<int>(prop::Read(control, prop::kTintAlpha));
  if (colour == 0 && alpha == 0) return {kWhite, GlobalAlpha};
  return {colour, alpha};
}

bool DrawVScrollBar(HDC dc, int width, int height, const SCROLLBARINFO& info, BarTint tint, ScrollBarPart hot,
                    ScrollPartRects& parts, HWND control) {
  const int d = info.dxyLineButton;
  const int t0 = info.xyThumbTop;
  const int t1 = info.xyThumbBottom;
  if (d < 1 || t1 - t0 < 1) return false;
  const auto W = static_cast<float>(width);
  const auto H = static_cast<float>(height);
  const auto D = static_cast<float>(d);
  const auto T0 = static_cast<float>(t0);
  const auto L = static_cast<float>(t1 - t0);
  const bool available = info.rgstate[0] != kUnavailable;

  GdipGraphics g;
  PrepareGraphics(g, dc);
  parts = VBarParts(width, height, info);
  DrawTrack(g, W, H, tint);
  if (available) {
    DrawThumb(g, (W - D) / 2 + 1, T0, D - 3, L - 1, MakePair(1.0f, T0), MakePair(D - 2, T0),
              hot == ScrollBarPart::Thumb);
  }
  DrawArrowButton(g, 1, 1, D - 3, kButton, MakePair(1.0f, 1.0f), MakePair(D - 2, 1.0f),
                  available && hot == ScrollBarPart::StartArrow);
  DrawArrow(g, ChevronPicture(control, Chevron::Up), [&](float iw, float ih) {
    return POINT{Trunc((D - iw) / 2), Trunc((kButton - ih) / 2 + 2)};
  });
  DrawArrowButton(g, 1, H - 17, D - 3, kButton, MakePair(1.0f, H - 17), MakePair(D - 2, H - 17),
                  available && hot == ScrollBarPart::EndArrow);
  DrawArrow(g, ChevronPicture(control, Chevron::Down), [&](float iw, float ih) {
    return POINT{Trunc((D - iw) / 2), Trunc(H - kButton + (kButton - ih) / 2)};
  });
  return true;
}

void DrawHScrollBar(HDC dc, int width, int height, const SCROLLBARINFO& info, BarTint tint, ScrollBarPart hot,
                    ScrollPartRects& parts, HWND control) {
  const int d = info.dxyLineButton;
  const int t0 = info.xyThumbTop;
  const int t1 = info.xyThumbBottom;
  const auto W = static_cast<float>(width);
  const auto H = static_cast<float>(height);
  const auto D = static_cast<float>(d);
  const auto T0 = static_cast<float>(t0);
  const auto L = static_cast<float>(t1 - t0);
  const bool available = info.rgstate[0] != kUnavailable;

  GdipGraphics g;
  PrepareGraphics(g, dc);
  parts = HBarParts(width, height, info);
  DrawTrack(g, W, H, tint);
  if (available) {
    DrawThumb(g, T0, (H - D) / 2 + 1, L - 1, D - 3, MakePair(T0, 1.0f), MakePair(T0, D - 2),
              hot == ScrollBarPart::Thumb);
  }
  DrawArrowButton(g, 1, 1, kButton, D - 3, MakePair(1.0f, 1.0f), MakePair(1.0f, D - 2),
                  available && hot == ScrollBarPart::StartArrow);
  DrawArrow(g, ChevronPicture(control, Chevron::Left), [&](float iw, float ih) {
    return POINT{Trunc((kButton - iw) / 2 + 1), Trunc((D - ih) / 2)};
  });
  DrawArrowButton(g, W - 17, 1, kButton, D - 3, MakePair(W - 17, 1.0f), MakePair(W - 17, D - 2),
                  available && hot == ScrollBarPart::EndArrow);
  DrawArrow(g, ChevronPicture(control, Chevron::Right), [&](float iw, float ih) {
    return POINT{Trunc(W - 17 + (kButton - iw) / 2 + 1), Trunc((D - ih) / 2)};
  });
}

void PaintVScrollBar(HWND control, ScrollBarPart hot) {
  const std::optional<ScrollBarFields> fields = FindScrollBarFields(control);
  if (!fields || *fields->vOverlay == nullptr) return;
  const SCROLLBARINFO info = BarInfo(control, OBJID_VSCROLL);
  // A bar without arrow size or thumb keeps its last image.
  if (info.dxyLineButton < 1 || info.xyThumbBottom - info.xyThumbTop < 1) return;
  const BarTint tint = ControlBarTint(control);
  PaintOnOverlay(*fields->vOverlay, [&](HDC dc, int width, int height) {
    return DrawOrRestore(dc, *fields->vImage, BarKey(width, height, info, tint, hot), *fields->vParts,
                         VBarParts(width, height, info),
                         [&] { return DrawVScrollBar(dc, width, height, info, tint, hot, *fields->vParts, control); });
  });
}

void PaintHScrollBar(HWND control, ScrollBarPart hot) {
  const std::optional<ScrollBarFields> fields = FindScrollBarFields(control);
  if (!fields || *fields->hOverlay == nullptr) return;
  const SCROLLBARINFO info = BarInfo(control, OBJID_HSCROLL);
  const BarTint tint = ControlBarTint(control);
  PaintOnOverlay(*fields->hOverlay, [&](HDC dc, int width, int height) {
    return DrawOrRestore(dc, *fields->hImage, BarKey(width, height, info, tint, hot), *fields->hParts,
                         HBarParts(width, height, info), [&] {
                           DrawHScrollBar(dc, width, height, info, tint, hot, *fields->hParts, control);
                           return true;
                         });
  });
}

ScrollBarPart HitTestVScroll(HWND control, LPARAM point) {
  const std::optional<ScrollBarFields> fields = FindScrollBarFields(control);
  return fields ? HitTest(*fields->vOverlay, *fields->vParts, point) : ScrollBarPart::None;
}

ScrollBarPart HitTestHScroll(HWND control, LPARAM point) {
  const std::optional<ScrollBarFields> fields = FindScrollBarFields(control);
  return fields ? HitTest(*fields->hOverlay, *fields->hParts, point) : ScrollBarPart::None;
}

}  // namespace skin
