// Scroll-bar overlays: disabled "Static" children laid over a control's
// native scroll bars that paint the skinned bars.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Creates the vertical overlay of `control`: over its bar when shown is 1,
// parked hidden otherwise. Returns the overlay window.
HWND CreateVScrollOverlay(HWND control, int shown);
HWND CreateHScrollOverlay(HWND control, int shown);

// Repaints the skinned bars of a skinned edit or list-type control.
void PaintVScrollBar(HWND control, std::optional<int> hotPart = std::nullopt);
void PaintHScrollBar(HWND control, std::optional<int> hotPart = std::nullopt);

}  // namespace skin
