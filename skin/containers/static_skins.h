// Statics, labels and transparent children.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/byte_array.h"

namespace skin {

// Skins the parent's direct statics not yet listed; text statics grow by
// the extra width and height.
void SkinStatics(int windowIndex, HWND parent, int extraWidth, int extraHeight);

// Subclasses the parent's direct children with WS_EX_TRANSPARENT (edits
// excepted) so that they paint over the skin background.
void SkinTransparentChildren(int windowIndex, HWND parent);

// Invalidates and updates every direct child with WS_EX_TRANSPARENT.
void RedrawTransparentChildren(HWND window);

// Draws the label's text with the skin's text renderer from now on.
void SkinLabel(HWND label, std::optional<rt::Text> face = std::nullopt,
               std::optional<int> size = std::nullopt, int style = 0,
               std::optional<COLORREF> colour = std::nullopt,
               std::optional<COLORREF> haloColour = std::nullopt,
               std::optional<int> alignment = std::nullopt,
               std::optional<int> lineAlignment = std::nullopt, int wrap = 0);

}  // namespace skin
