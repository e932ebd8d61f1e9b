// The frame of a skinned dialog: its window procedure, painter, hit test
// and fade-in.
//
// The frame is painted over the whole window rectangle through the window
// DC: the caption is the strip down to 25 pixels below the top edge, the
// close button a zone at the top right, and there are no resize borders.
// Every skinned dialog is invisible (alpha 0) until its first paint starts
// its fade-in thread, which raises the alpha to 240 in ten steps.
#pragma once

#include <windows.h>

#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "runtime/gdi_object.h"
#include "skin/core/skin_geometry.h"

namespace skin {

// Handle of the most recently started fade-in thread while its dialog
// lives, else null. Owned by the dialog's fade-in record.
extern HANDLE FadeInThread;

// 1 while a skinned dialog whose fade-in has started is alive.
extern int FadeInStarted;

LRESULT CALLBACK DialogFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Recomposes the dialog's whole frame and copies it to the window.
void PaintDialogFrame(HWND dialog);

// Haloed title text drawn into `layout` on `target`: the text's outline in
// the halo colour, blurred by drawing it at 1/scale size and back, then the
// text itself one pixel higher.
void DrawDialogTitle(gdip::GdipGraphics& target, const rt::Text& text, const RectF& layout, COLORREF textColour,
                     COLORREF haloColour, int scale, const rt::Text& face = "宋体", int style = 0,
                     float size = 13, int alignment = 0, int lineAlignment = 0);

// Draws caption button `buttonIndex` (1-based) of dialog `windowIndex`.
// With graphicsGiven the button's image is drawn with the caller's
// graphics; otherwise `graphics` (an empty object) is opened on the frame
// picture, the hot or normal face is drawn there and the button's
// rectangle copied to the window.
void DrawDialogCloseButton(int windowIndex, int buttonIndex, gdip::GdipGraphics& graphics, bool graphicsGiven,
                           bool hot);

// The dialog's window DC with every visible direct child clipped out.
rt::WindowDc GetDialogFrameDc(HWND dialog);

// HTCLOSE, HTCLIENT or HTCAPTION for the screen point in lParam.
int DialogHitTest(HWND dialog, LPARAM lParam);

// The fade-in thread's routine; its parameter is the fade's own context.
DWORD WINAPI FadeInThreadProc(LPVOID context);

}  // namespace skin
