// Painting of a main frame's caption buttons into its cached image: the
// normal look, the hover highlight of a fade step and the pressed look.
#pragma once

#include <windows.h>

#include <optional>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_path.h"

namespace skin {

// Copies `rect` (client coordinates) of the cached caption strip back into
// the backgroundDc; only the part the strip holds is copied.
void RestoreCaptionArea(int windowIndex, const RECT& rect);

// Draws caption button `buttonIndex` (1-based; below 1 nothing) with
// `graphics` on the backgroundDc, as a compose does: its hover highlight of
// strength `hoverAlpha` (none at 0), gloss, image and separators.
void DrawCaptionButton(int windowIndex, int buttonIndex, gdip::GdipGraphics& graphics, int hoverAlpha = 0);

// Repaints caption button `buttonIndex` (1-based; below 1 nothing) on its
// own, on the backgroundDc (anti-aliased), and shows it in the window. A
// frame not composed yet is left alone. `pressed` draws the pressed look;
// `hoverAlpha` (0 when not given) the highlight strength.
void PaintCaptionButton(int windowIndex, int buttonIndex, std::optional<bool> pressed = std::nullopt,
                        std::optional<int> hoverAlpha = std::nullopt);

// Restores the button's area and lays its hover highlight of strength
// `alpha` (0-240) over it.
void PaintCaptionButtonHover(gdip::GdipGraphics& graphics, int windowIndex, int buttonIndex, int alpha);

// Adds the outline of a button whose top-right corner only is rounded
// (arc size r), without closing the figure.
void AddCaptionButtonPath(gdip::GdipPath& path, int x, int y, int w, int h, int r);

// Draws the fading separator lines at the button's left edge and at its
// right neighbour's.
void DrawCaptionButtonSeparator(int windowIndex, int buttonIndex, gdip::GdipGraphics& graphics);

}  // namespace skin
