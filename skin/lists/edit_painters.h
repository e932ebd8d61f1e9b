// Painters of the edit skin: the frame ring over an edit's non-client area
// (its border look for idle, focus and hover) and the tinted client
// background in TransparencyMode.
#pragma once

#include <windows.h>

#include <optional>

#include "gdip/gdip_graphics.h"

namespace skin {

// Border class of a control from its styles.
enum class BorderKind : int {
  None = 0,
  Line = 1,  // WS_BORDER
  Edge = 2,  // a window, client or modal-frame edge
};

BorderKind GetBorderKind(HWND window);

// Draws the ring of `edit` (window size width x height, client area
// `client` in window coordinates) into `dc`: the tint or opaque white, then
// the border. Outside the ring `dc` is left as it was.
void DrawEditRing(HDC dc, HWND edit, int width, int height, const RECT& client, int focused, int hover);

// Paints the ring onto the edit's window DC, leaving the client and the
// native bars alone, and into the host's composition image. Omitted flags
// come from the edit's record; an edit whose properties name no record of
// it is not painted.
void PaintEditFrame(HWND edit, std::optional<int> focused = std::nullopt,
                    std::optional<int> hover = std::nullopt);

// The border rectangles, into graphics clipped to the ring. Nothing for an
// edit outside any skinned window; omitted flags come from its record, or
// count as 0 without one.
void DrawEditBorder(HWND edit, std::optional<int> focused, std::optional<int> hover,
                    gdip::GdipGraphics& graphics);

// The edit's client background (the host's background under the edit's
// tint), at the origin of `target`, or through the edit's window DC at the
// client's place. `alpha` replaces GlobalAlpha in the default white tint.
void PaintEditBackground(HWND edit, HDC target = nullptr, std::optional<int> alpha = std::nullopt);

}  // namespace skin
