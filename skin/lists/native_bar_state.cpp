#include "skin/lists/native_bar_state.h"

#include "skin/core/window_queries.h"

namespace skin {

namespace {

NativeBarState ReadBar(HWND control, LONG object, int bar) {
  NativeBarState state;
  state.geometry.cbSize = sizeof state.geometry;
  GetScrollBarInfo(control, object, &state.geometry);
  state.range.cbSize = sizeof state.range;
  state.range.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  GetScrollInfo(control, bar, &state.range);
  return state;
}

}  // namespace

NativeBarStates ReadNativeBars(HWND control, HWND vOverlay, HWND hOverlay) {
  NativeBarStates bars;
  if (vOverlay != nullptr && HasVScrollStyle(control)) bars.v = ReadBar(control, OBJID_VSCROLL, SB_VERT);
  if (hOverlay != nullptr && HasHScrollStyle(control)) bars.h = ReadBar(control, OBJID_HSCROLL, SB_HORZ);
  return bars;
}

bool SameBarState(const NativeBarState& a, const NativeBarState& b) {
  const SCROLLBARINFO& x = a.geometry;
  const SCROLLBARINFO& y = b.geometry;
  return EqualRect(&x.rcScrollBar, &y.rcScrollBar) && x.dxyLineButton == y.dxyLineButton &&
         x.xyThumbTop == y.xyThumbTop && x.xyThumbBottom == y.xyThumbBottom && x.rgstate[0] == y.rgstate[0] &&
         a.range.nMin == b.range.nMin && a.range.nMax == b.range.nMax && a.range.nPage == b.range.nPage &&
         a.range.nPos == b.range.nPos;
}

}  // namespace skin
