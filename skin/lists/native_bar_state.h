// The state of a skinned control's native scroll bars, which its painted
// bars are drawn from. A control changes it within many messages and tells
// nobody in time, so its procedure reads it around each message and
// repaints the painted bars whose native bar changed.
#pragma once

#include <windows.h>

namespace skin {

// A native bar's geometry, which the painted bar is drawn from, and its
// range, page and position, a change to which also redraws the native bar.
// Empty for a bar not painted.
struct NativeBarState {
  SCROLLBARINFO geometry{};
  SCROLLINFO range{};
};

struct NativeBarStates {
  NativeBarState v, h;
};

// Reads the control's vertical (horizontal) bar when it has that overlay
// and that scroll style; the other bars are left empty.
NativeBarStates ReadNativeBars(HWND control, HWND vOverlay, HWND hOverlay);

bool SameBarState(const NativeBarState& a, const NativeBarState& b);

}  // namespace skin
