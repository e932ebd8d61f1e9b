// The painter of a skinned dialog's frame: the whole frame, its haloed
// title and its close button.
//
// The frame is painted over the whole window rectangle through the window
// DC: the caption is the strip down to 25 pixels below the top edge and
// the close button a zone at the top right.
#pragma once

#include <windows.h>

#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "runtime/gdi_object.h"
#include "skin/core/skin_geometry.h"

namespace skin {

// Recomposes the dialog's whole frame and copies it to the window.
void PaintDialogFrame(HWND dialog);

// Haloed title text drawn into `layout` on `target`: the text's outline in
// the halo colour, blurred by drawing it at 1/scale size and back, then the
// text itself one pixel higher.
void DrawDialogTitle(gdip::GdipGraphics& target, const rt::Text& text, const RectF& layout, COLORREF textColour,
                     COLORREF haloColour, int scale, const rt::Text& face = "宋体", int style = 0,
                     float size = 13, int alignment = 0, int lineAlignment = 0);

// Draws the image of caption button `buttonIndex` (1-based; outside the
// buttons nothing) of dialog `windowIndex` with the compose's `graphics`.
void DrawDialogCloseButton(int windowIndex, int buttonIndex, gdip::GdipGraphics& graphics);

// Repaints the button on its own: its hot face, or the frame's look behind
// it, and its image on the frame picture, then its rectangle on the window.
void PaintDialogCloseButton(int windowIndex, int buttonIndex, bool hot);

// The dialog's window DC with every visible direct child clipped out.
rt::WindowDc GetDialogFrameDc(HWND dialog);

}  // namespace skin
