// The engine's halo text: a soft glow of the halo colour behind the
// glyphs, a one-pixel four-way outline at alpha 60, and the text itself,
// one pixel right of and below the box's corner.
#pragma once

#include <windows.h>

#include <optional>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_string_format.h"
#include "runtime/byte_array.h"
#include "skin/core/skin_geometry.h"

namespace skin {

// Draws `text` into `box` on `target`. Not given: blur divisor 4 (the
// glow is drawn at 1/divisor size and enlarged; below 1 counts as 1),
// face "宋体", style 0, size 12, wrap on. Alignments are GDI+
// StringAlignment values. Without wrap the text stays on one line cut at
// the box; `ellipsis` ends a cut text with an ellipsis. A given format
// replaces the one built from these settings. A box less than a pixel
// wide or high draws nothing. Leaves the target's text rendering hint at
// anti-alias grid fit.
void DrawSkinText(gdip::GdipGraphics& target, const rt::Text& text, const RectF& box, COLORREF textColour,
                  COLORREF haloColour, std::optional<int> blurScale = std::nullopt,
                  std::optional<rt::Text> face = std::nullopt, std::optional<int> style = std::nullopt,
                  std::optional<float> size = std::nullopt, int alignment = 0, int lineAlignment = 0,
                  std::optional<int> wrap = std::nullopt, int ellipsis = 0,
                  const gdip::GdipStringFormat* format = nullptr);

}  // namespace skin
