// Painting of the containers the engine paints itself: group boxes, tab
// controls and bordered plain containers. A full paint draws into a memory
// DC over the composed background, puts the result into the host's
// composition image and onto the container, and leaves the record clean;
// a cheap paint copies the container's area back from that image.
#pragma once

#include <windows.h>

namespace skin {

// Full paint of container `containerIndex` of skinned window
// `windowIndex`; clears its redraw flags and stores its size. Nothing for
// indices outside the table or the list.
void PaintContainer(int windowIndex, int containerIndex);

// Draws a group box's frame and title into `dc`, which holds its client
// area's background: the plain paint, with a font and format made for it
// (a full paint keeps them, and its finished image, with the record).
void PaintGroupBox(int windowIndex, int containerIndex, HDC dc);

// Restores the group box's background under the title band (in the box's
// client coordinates), cutting the frame lines there, and re-tints it.
// Inside a container the band takes the box's composed background, which
// carries the enclosing container's tint.
void DrawGroupBoxFrame(HWND groupBox, HDC dc, const RECT& band);

// Copies the container's area of the host's composition image onto `dc`,
// its visible children clipped out. Only the window and the DC are used.
void BlitContainerBackground(int windowIndex, int containerIndex, HWND container, HDC dc, int flag = 0);

}  // namespace skin
