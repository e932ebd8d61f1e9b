// Painting of a main frame's bottom-bar items into its cached image.
#pragma once

#include <windows.h>

#include <optional>

#include "gdip/gdip_graphics.h"

namespace skin {

// Paints bottom-bar item `itemIndex` (item 1 when not given): sheen,
// optional small picture and text. With `composing` the compose's
// `graphics` on the backgroundDc is used; otherwise `graphics` is an empty
// object opened here, the item's area is first restored from the bar cache
// and the result goes to the composition image and the window. A frame not
// composed yet is left alone.
void PaintBottomBarItem(int windowIndex, gdip::GdipGraphics& graphics, bool composing,
                        std::optional<int> itemIndex = std::nullopt);

// Copies `rect` (client coordinates) of the cached bar back into the
// backgroundDc.
void RestoreBottomBarArea(int windowIndex, const RECT& rect);

}  // namespace skin
