// Painters of the list-control skin apart from the tree view: the frame
// ring around a control's client area, the dots between the fields of an
// IP-address control, and the swap of one colour in a painted image.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Paints the ring between the window edge and the client area of list
// control `listIndex` of window `windowIndex` onto its window DC and into
// the host's composition image: the tint (or opaque white) with a black
// a90 line idle, an accent a200 line when focused or hovered (two pixels
// wide while ListHoverTracking is on). A simple-combo list and a control
// without a border transfer nothing. Omitted flags come from the record;
// nothing happens when the indices name no record.
void PaintSkinFrame(int windowIndex, int listIndex, std::optional<int> hover = std::nullopt,
                    std::optional<int> focused = std::nullopt);

// One black dot right of every edit field of the IP-address control,
// halfway down its client area, drawn into `dc` (client coordinates).
void PaintIpAddress(HWND control, HDC dc);

// Replaces every pixel of `key` in the top-left width x height of `dc`
// by `colour`.
void BlitWithColourKey(HDC dc, COLORREF key, COLORREF colour, int width, int height);

}  // namespace skin
