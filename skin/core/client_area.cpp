#include "skin/core/client_area.h"

#include "skin/core/window_queries.h"

namespace skin {

namespace {

constexpr int kAssumedScrollBarSize = 17;

int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

struct Sizes {
  int windowWidth, windowHeight, clientWidth, clientHeight;
};

Sizes MeasureWindow(HWND window) {
  RECT w{}, c{};
  GetWindowRect(window, &w);
  GetClientRect(window, &c);
  return {w.right - w.left, w.bottom - w.top, c.right - c.left, c.bottom - c.top};
}

// Centres a content box of the given size in the window; the result's
// size is `width` x `height`.
RECT CentreIn(const Sizes& s, int contentWidth, int contentHeight, int width, int height) {
  const int left = FloorHalf(s.windowWidth - contentWidth);
  const int top = FloorHalf(s.windowHeight - contentHeight);
  return {left, top, left + width, top + height};
}

int ScrollBarThickness(HWND window, LONG object, bool horizontal) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(window, object, &info);
  const RECT& r = info.rcScrollBar;
  return horizontal ? r.bottom - r.top : r.right - r.left;
}

}  // namespace

RECT GetClientRectInWindow(HWND window) {
  const Sizes s = MeasureWindow(window);
  const int contentWidth = s.clientWidth + (HasVScrollStyle(window) ? kAssumedScrollBarSize : 0);
  const int contentHeight = s.clientHeight + (HasHScrollStyle(window) ? kAssumedScrollBarSize : 0);
  return CentreIn(s, contentWidth, contentHeight, s.clientWidth, s.clientHeight);
}

RECT GetBorderInsets(HWND window) {
  const Sizes s = MeasureWindow(window);
  int contentWidth = s.clientWidth;
  int contentHeight = s.clientHeight;
  if (HasHScrollStyle(window)) contentHeight += ScrollBarThickness(window, OBJID_HSCROLL, true);
  if (HasVScrollStyle(window)) contentWidth += ScrollBarThickness(window, OBJID_VSCROLL, false);
  return CentreIn(s, contentWidth, contentHeight, contentWidth, contentHeight);
}

}  // namespace skin
