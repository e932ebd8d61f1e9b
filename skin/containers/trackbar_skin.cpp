#include "skin/containers/trackbar_skin.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "gdip/gdip_path.h"
#include "gdip/gdip_solid_brush.h"
#include "runtime/gdi_object.h"
#include "skin/core/control_links.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/hot_control.h"
#include "skin/core/paint_kit.h"
#include "skin/core/round_rect_path.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

constexpr COLORREF kThumbRim = 0x808080;
constexpr int kChannelThickness = 4;

LRESULT CallSaved(HWND trackbar, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(trackbar, TrackbarSkinProc, message, wParam, lParam);
}

bool Contains(LONG_PTR style, LONG_PTR value) { return (style | value) == style; }

TickPlacement TickPlacementOf(LONG_PTR style) {
  if (Contains(style, TBS_NOTICKS)) return TickPlacement::None;
  if (Contains(style, TBS_TOP)) return TickPlacement::TopLeft;
  if (Contains(style, TBS_BOTH)) return TickPlacement::Both;
  return TickPlacement::BottomRight;
}

// A bar of whole pixels; one shorter than a pixel is not drawn.
TrackbarBar Bar(int along, int length, int across, int thickness) {
  return TrackbarBar{length >= 1 && thickness >= 1, along, length, across, thickness};
}

// A rectangle in drawing coordinates from along/across values.
RectF Place(bool vertical, float along, float across, float length, float thickness) {
  return vertical ? RectF{across, along, thickness, length} : RectF{along, across, length, thickness};
}

RectF Place(bool vertical, const TrackbarBar& bar) {
  return Place(vertical, static_cast<float>(bar.along), static_cast<float>(bar.across),
               static_cast<float>(bar.length), static_cast<float>(bar.thickness));
}

void DrawPanel(gdip::GdipGraphics& graphics, const TrackbarState& state, bool vertical) {
  const auto w = static_cast<float>(state.width);
  const auto h = static_cast<float>(state.height);
  OutlineRoundRect(graphics, {0, 0, w - 1, h - 1}, 5, ToArgb(kBlack, 30));
  FillPathGradient(graphics, MakeRoundRectPath(1, 1, w - 2, h - 2, 3), {0, 0},
                   vertical ? PointF{w - 1, 0} : PointF{0, h - 1}, ToArgb(kWhite, 160), ToArgb(kBlack, 30));
}

void DrawChannel(gdip::GdipGraphics& graphics, const TrackbarBar& channel, bool vertical) {
  const RectF r = Place(vertical, channel);
  const gdip::GdipPath path = MakeRoundRectPath(r.x, r.y, r.width, r.height, 1);
  FillPathSolid(graphics, path, ToArgb(kWhite, 200));
  // The shade runs across the channel, over its four pixels.
  const auto across = static_cast<float>(channel.across);
  const PointF from = vertical ? PointF{across, r.y} : PointF{r.x, across};
  const PointF to = vertical ? PointF{across + kChannelThickness, r.y}
                             : PointF{r.x, across + kChannelThickness};
  FillPathGradient(graphics, path, from, to, ToArgb(kBlack, 80), ToArgb(kBlack, 60));
  OutlinePath(graphics, path, ToArgb(kBlack, 80));
}

void DrawThumb(gdip::GdipGraphics& graphics, const TrackbarGeometry& g, bool vertical) {
  const auto d = static_cast<float>(g.thumbDiameter);
  const RectF r = Place(vertical, static_cast<float>(g.thumbAlong),
                        static_cast<float>(g.thumbAcross), d, d);
  gdip::GdipSolidBrush white;
  white.Create(ToArgb(kWhite, 255));
  graphics.FillEllipse(white, r.x, r.y, r.width, r.height);

  gdip::GdipPath circle;
  circle.Create();
  circle.AddEllipse(r.x, r.y, r.width, r.height);
  FillPathGlow(graphics, circle, ToArgb(kWhite, 255), ToArgb(kThumbRim, 100));
  OutlinePath(graphics, circle, ToArgb(kBlack, 80));
}

// Image mode: the three images in place of channel, fill and thumb.
void DrawImages(gdip::GdipGraphics& graphics, const TrackbarState& state,
                const TrackbarRecord& record, const TrackbarGeometry& g, bool vertical) {
  const bool hot = record.hot != 0;
  auto draw = [&](const NineGridImage& image) {
    if (hot) {
      image.DrawState2(graphics);
    } else {
      image.DrawState1(graphics);
    }
  };
  const RECT& t = state.thumb;
  const int thumbStart = vertical ? t.top : t.left;
  const int thumbLength = vertical ? t.bottom - t.top : t.right - t.left;
  const int thumbCentre = thumbStart + thumbLength / 2;

  // The channel's thickness comes from its image, 4 pixels where a
  // selection range is shown.
  const ImageSize channelSize = record.channelImage.GetImageSize1();
  int thickness = vertical ? channelSize.width : channelSize.height;
  if (record.selectionRange != 0 || thickness <= 0) thickness = kChannelThickness;
  const RECT& c = state.channel;
  const int across = c.top + (c.bottom - c.top - thickness) / 2;
  const RectF channel = Place(vertical, static_cast<float>(g.channel.along),
                              static_cast<float>(across), static_cast<float>(g.channel.length),
                              static_cast<float>(thickness));
  auto setRect = [&](NineGridImage& image, const RectF& r) {
    image.SetRect(static_cast<int>(r.x), static_cast<int>(r.y), static_cast<int>(r.width),
                  static_cast<int>(r.height));
  };
  // The images are drawn, not changed: their rectangle is set on copies.
  NineGridImage channelImage = record.channelImage.Clone();
  setRect(channelImage, channel);
  graphics.SetClipRect(channel.x, channel.y, channel.width, channel.height);
  draw(channelImage);

  const int fillEnd = state.position == state.maximum ? g.channel.along + g.channel.length : thumbCentre;
  const RectF filled = Place(vertical, static_cast<float>(g.channel.along), static_cast<float>(across),
                             static_cast<float>(fillEnd - g.channel.along), static_cast<float>(thickness));
  NineGridImage fillImage = record.fillImage.Clone();
  setRect(fillImage, channel);
  graphics.SetClipRect(filled.x, filled.y, filled.width, filled.height);
  draw(fillImage);
  graphics.ResetClip();

  const ImageSize thumbSize = hot ? record.thumbImage.GetImageSize2() : record.thumbImage.GetImageSize1();
  const int thumbAlongSize = vertical ? thumbSize.height : thumbSize.width;
  const int thumbAcrossSize = vertical ? thumbSize.width : thumbSize.height;
  const int channelCentre = across + thickness / 2;
  NineGridImage thumbImage = record.thumbImage.Clone();
  setRect(thumbImage, Place(vertical, static_cast<float>(thumbCentre - thumbAlongSize / 2),
                            static_cast<float>(channelCentre - thumbAcrossSize / 2),
                            static_cast<float>(thumbAlongSize), static_cast<float>(thumbAcrossSize)));
  draw(thumbImage);
}

}  // namespace

void SkinTrackbars(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  SkinWindowTable.At(windowIndex);  // range check
  for (HWND trackbar = FindWindowExA(parent, nullptr, TRACKBAR_CLASSA, nullptr); trackbar != nullptr;
       trackbar = FindWindowExA(parent, trackbar, TRACKBAR_CLASSA, nullptr)) {
    const auto fill = [&](TrackbarRecord& record) {
      ResetNineGridImage(record.thumbImage);
      ResetNineGridImage(record.channelImage);
      ResetNineGridImage(record.fillImage);
      const LONG_PTR style = GetWindowLongPtrA(trackbar, GWL_STYLE);
      record.vertical = Contains(style, TBS_VERT) ? 1 : 0;
      record.tickPlacement = TickPlacementOf(style);
      record.selectionRange = Contains(style, TBS_ENABLESELRANGE) ? 1 : 0;
    };
    LinkControl(windowIndex, &SkinWindowRecord::trackbars, trackbar, TrackbarSkinProc, fill);
  }
}

LRESULT CALLBACK TrackbarSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto linked = FindControlLink(hwnd, &SkinWindowRecord::trackbars);
  if (!linked) return CallSaved(hwnd, message, wParam, lParam);
  const auto [hostRecord, record, windowIndex, listIndex] = linked;
  SkinWindowRecord& host = *hostRecord;

  switch (message) {
    case WM_MOUSEMOVE:
      // Only the move that makes this trackbar the hot control repaints.
      if (EnterHotControl(hwnd, host, listIndex, HotKind::Trackbar)) {
        record->hot = 1;
        PaintTrackbar(windowIndex, listIndex);
      }
      break;
    case WM_MOUSELEAVE:
      LeaveHotControl(host);
      record->hot = 0;
      PaintTrackbar(windowIndex, listIndex);
      break;
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(hwnd);
      break;
    case WM_MOVE:
      PaintTrackbar(windowIndex, listIndex);
      break;
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_PAINT: {
      const rt::PaintScope paint(hwnd);
      PaintTrackbar(windowIndex, listIndex);
      return 0;
    }
    case WM_NCPAINT:
      PaintTrackbar(windowIndex, listIndex);
      return 1;
    default:
      break;
  }
  return CallSaved(hwnd, message, wParam, lParam);
}

TrackbarGeometry ComputeTrackbarGeometry(const TrackbarState& state, const TrackbarRecord& record) {
  const bool vertical = record.vertical != 0;
  const RECT& c = state.channel;
  const RECT& t = state.thumb;
  // A vertical channel rectangle comes with its axes exchanged, as the
  // system reports it: left and right run along, top and bottom across.
  const int a0 = c.left;
  const int a1 = c.right;
  const int length = a1 - a0;
  const double c0 = c.top + (c.bottom - c.top - 4) / 2.0;
  const int thumbStart = vertical ? t.top : t.left;
  const int thumbEnd = vertical ? t.bottom : t.right;
  const int thumbLength = thumbEnd - thumbStart;
  const int barAcross = static_cast<int>(c0 + 1);

  TrackbarGeometry g;
  g.channel = Bar(a0, length, static_cast<int>(c0), kChannelThickness);

  // An empty range has no selection to map.
  const double span = static_cast<double>(state.maximum) - state.minimum;
  if (record.selectionRange != 0 && record.imageMode == 0 && span != 0) {
    const int s = static_cast<int>(a0 + (state.selectionStart - state.minimum) * length / span - 1);
    const int n = static_cast<int>((state.selectionEnd - state.selectionStart) * length / span);
    g.selection = Bar(s + 2, n - 3, barAcross, 2);
  }

  int f = static_cast<int>(thumbStart - a0 - 1 + (thumbLength - 6) / 2.0);
  if (state.position == state.maximum) f += 10;
  g.fill = Bar(a0 + 1, f - 1, barAcross, 2);

  const int d = record.hot != 0 ? kHotThumbDiameter : kThumbDiameter;
  g.thumbDiameter = d;
  g.thumbAlong = static_cast<int>(thumbStart + (thumbLength - d) / 2.0);
  g.thumbAcross = static_cast<int>(c0 - d / 2.0 + 2);
  if (!vertical && record.tickPlacement == TickPlacement::Both) g.thumbAcross += 1;
  // The circle stays inside the channel at both ends.
  if (thumbEnd >= a1) g.thumbAlong = static_cast<int>(a1 - d + 1);
  if (thumbStart <= a0) g.thumbAlong = a0;
  return g;
}

void DrawTrackbar(gdip::GdipGraphics& graphics, const TrackbarState& state,
                  const TrackbarRecord& record, int panel) {
  graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
  graphics.SetInterpolationMode(gdip::InterpolationMode::HighQualityBilinear);
  const bool vertical = record.vertical != 0;
  const TrackbarGeometry g = ComputeTrackbarGeometry(state, record);

  if (panel != 0) DrawPanel(graphics, state, vertical);
  if (record.imageMode != 0) {
    DrawImages(graphics, state, record, g, vertical);
    return;
  }
  DrawChannel(graphics, g.channel, vertical);
  if (g.selection.drawn) {
    OutlineRect(graphics, Place(vertical, g.selection), ToArgb(kWhite, 150));
    FillRectSolid(graphics, Place(vertical, g.selection), ToArgb(kWhite, 200));
  }
  if (g.fill.drawn) {
    OutlineRect(graphics, Place(vertical, g.fill), ToArgb(AccentColour, 200));
    FillRectSolid(graphics, Place(vertical, g.fill), ToArgb(AccentColour, 200));
  }
  DrawThumb(graphics, g, vertical);
}

namespace {

// Everything a trackbar's look is drawn from besides its background.
LookKey KeyOfLook(const TrackbarState& state, const TrackbarRecord& record) {
  LookKey key;
  key.Add(state.width).Add(state.height).Add(state.channel).Add(state.thumb);
  key.Add(state.position).Add(state.minimum).Add(state.maximum).Add(state.selectionStart).Add(state.selectionEnd);
  key.Add(record.vertical).Add(record.tickPlacement).Add(record.selectionRange).Add(record.hot);
  key.Add(TrackbarPanel).Add(AccentColour);
  return key;
}

void DrawOnto(HDC dc, const TrackbarState& state, const TrackbarRecord& record) {
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  DrawTrackbar(graphics, state, record, TrackbarPanel);
}

// Draws the trackbar into `dc`, which holds its background; the look kept
// in the record is copied back when the trackbar and the pixels under it
// are what it was drawn from, and is kept anew when drawn. Images are
// drawn every time: what they hold is not part of the key.
void DrawKeptLook(HDC dc, const TrackbarState& state, TrackbarRecord& record) {
  if (record.imageMode != 0) {
    record.look.Forget();
    DrawOnto(dc, state, record);
    return;
  }
  record.look.Finish(dc, KeyOfLook(state, record), [&] {
    DrawOnto(dc, state, record);
    return true;
  });
}

}  // namespace

void PaintTrackbar(int windowIndex, int listIndex) {
  TrackbarRecord& record = SkinWindowTable.At(windowIndex).trackbars.At(listIndex);
  const HWND trackbar = record.hwnd;
  RECT window{};
  GetWindowRect(trackbar, &window);
  TrackbarState state;
  state.width = window.right - window.left;
  state.height = window.bottom - window.top;
  state.position = static_cast<int>(SendMessageA(trackbar, TBM_GETPOS, 0, 0));
  state.maximum = static_cast<int>(SendMessageA(trackbar, TBM_GETRANGEMAX, 0, 0));
  state.minimum = static_cast<int>(SendMessageA(trackbar, TBM_GETRANGEMIN, 0, 0));
  SendMessageA(trackbar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&state.channel));
  SendMessageA(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&state.thumb));
  if (record.selectionRange != 0 && record.imageMode == 0) {
    state.selectionStart = static_cast<int>(SendMessageA(trackbar, TBM_GETSELSTART, 0, 0));
    state.selectionEnd = static_cast<int>(SendMessageA(trackbar, TBM_GETSELEND, 0, 0));
  }

  const RECT area{0, 0, state.width, state.height};
  const CachedDc image = ComposeControlBackground(trackbar, area);
  if (image.get() == nullptr) return;
  DrawKeptLook(image.get(), state, record);
  BlitControlToHost(trackbar, image.get());
  rt::WindowDc windowDc(trackbar, GetWindowDC(trackbar));
  BitBlt(windowDc.get(), 0, 0, state.width, state.height, image.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
