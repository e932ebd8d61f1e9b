// The rounded edge of a main frame: its window region and its outline.
#pragma once

#include <windows.h>

#include "gdip/gdip_graphics.h"

namespace skin {

// Gives the window a region of its client size with rounded corners; the
// region then belongs to the window. A window that has that region already
// is left as it is.
void ApplyRoundRegion(HWND hwnd);

// Draws the dark outer line and, for a frame without a drop shadow, the
// white inner line.
void PaintFrameOutline(int windowIndex, gdip::GdipGraphics& graphics);

}  // namespace skin
