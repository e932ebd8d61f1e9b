// A main frame's icon and title.
#pragma once

#include <optional>

#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "skin/core/skin_geometry.h"

namespace skin {

// The title's layout rectangle: beside the icon, or from 3 pixels in with
// the icon hidden; as wide as the caption left of the buttons, 42 high.
RectF FrameTitleLayout(int windowIndex);

// Draws the icon and the title (`text`, else the window's text) with the
// compose's `graphics` on the backgroundDc.
void DrawFrameTitle(int windowIndex, gdip::GdipGraphics& graphics, const std::optional<rt::Text>& text = std::nullopt);

// Repaints the icon and the title on their own: their area is restored
// from the caption strip, drawn again, and put into the composition image
// and onto the window. A frame not composed yet is left alone.
void PaintFrameTitle(int windowIndex, const std::optional<rt::Text>& text = std::nullopt);

}  // namespace skin
