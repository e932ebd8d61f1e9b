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

// Draws the icon and the title (`text`, else the window's text). With
// `composing` the compose's `graphics` is used as it is; otherwise
// `graphics` is an empty object opened here on the backgroundDc, the
// title's area is first restored from the caption strip, and the result
// goes to the composition image and the window. A frame not composed yet
// is left alone.
void PaintFrameTitle(int windowIndex, gdip::GdipGraphics& graphics, bool composing,
                     const std::optional<rt::Text>& text = std::nullopt);

}  // namespace skin
