// The window procedure and hit test of a skinned dialog's frame.
//
// The caption is the strip down to 25 pixels below the top edge, the close
// button a zone at the top right, and there are no resize borders.
#pragma once

#include <windows.h>

namespace skin {

LRESULT CALLBACK DialogFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// HTCLOSE, HTCLIENT or HTCAPTION for the screen point in lParam.
int DialogHitTest(HWND dialog, LPARAM lParam);

}  // namespace skin
