// Text with a four-way outline, as frame titles draw it.
#pragma once

#include <windows.h>

#include <optional>

#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "skin/core/skin_geometry.h"

namespace skin {

// Draws `text` into `layout` in textColour over four copies shifted by
// `width` left, right, up and down in outlineColour at alpha 150. Not
// given: width 1, face "宋体", style 0, size 13, near alignments, wrap on,
// trimming off.
void DrawOutlinedText(gdip::GdipGraphics& graphics, const rt::Text& text, const RectF& layout,
                      COLORREF textColour, COLORREF outlineColour, std::optional<int> width = std::nullopt,
                      std::optional<rt::Text> face = std::nullopt, std::optional<int> style = std::nullopt,
                      std::optional<float> size = std::nullopt, std::optional<int> align = std::nullopt,
                      std::optional<int> lineAlign = std::nullopt, std::optional<bool> wrap = std::nullopt,
                      std::optional<bool> trimming = std::nullopt);

}  // namespace skin
