// The skinned scroll bars painted on the overlays, and the hit tests that
// read the part rectangles their last paint stored.
#pragma once

#include <windows.h>

#include "skin/core/control_records.h"

namespace skin {

// The colour and alpha laid over a bar's background.
struct BarTint {
  COLORREF colour = 0xFFFFFF;
  int alpha = 0;
};

// Draws a vertical bar of width x height over what `dc` holds, from the
// control's bar `info`, and stores its part rectangles in `parts`. Draws
// nothing, keeping `parts`, while the bar has no arrow size or thumb.
// Returns whether it drew. The chevrons are those kept for `control`'s
// skinned window; without a control they are decoded for this drawing.
bool DrawVScrollBar(HDC dc, int width, int height, const SCROLLBARINFO& info, BarTint tint,
                    ScrollBarPart hot, ScrollPartRects& parts, HWND control = nullptr);

// The same for a horizontal bar, which is drawn whatever its geometry.
void DrawHScrollBar(HDC dc, int width, int height, const SCROLLBARINFO& info, BarTint tint,
                    ScrollBarPart hot, ScrollPartRects& parts, HWND control = nullptr);

// The control's tint: its "Kj_bjys" at "Kj_bjystmd", or white at
// GlobalAlpha when neither is set.
BarTint ControlBarTint(HWND control);

// Repaints the skinned bar of a skinned edit or list-type control on its
// overlay and in the host's composition image. Nothing for a control whose
// properties name no record of it, or without that overlay.
void PaintVScrollBar(HWND control, ScrollBarPart hot = ScrollBarPart::None);
void PaintHScrollBar(HWND control, ScrollBarPart hot = ScrollBarPart::None);

// The part of the bar under a screen point packed as a mouse message's
// lParam, from the rectangles of the bar's last paint.
ScrollBarPart HitTestVScroll(HWND control, LPARAM point);
ScrollBarPart HitTestHScroll(HWND control, LPARAM point);

}  // namespace skin
