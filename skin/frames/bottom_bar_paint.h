// Painting of a main frame's bottom-bar items into its cached image.
#pragma once

#include <windows.h>

#include <optional>

#include "gdip/gdip_graphics.h"

namespace skin {

// Draws bottom-bar item `itemIndex` (item 1 when not given): sheen,
// optional small picture and text, with the compose's `graphics` on the
// backgroundDc.
void DrawBottomBarItem(int windowIndex, gdip::GdipGraphics& graphics, std::optional<int> itemIndex = std::nullopt);

// Repaints the item on its own: its area is restored from the bar cache,
// drawn again, and put into the composition image and onto the window. A
// frame not composed yet is left alone.
void PaintBottomBarItem(int windowIndex, std::optional<int> itemIndex = std::nullopt);

// Copies `rect` (client coordinates) of the cached bar back into the
// backgroundDc.
void RestoreBottomBarArea(int windowIndex, const RECT& rect);

}  // namespace skin
