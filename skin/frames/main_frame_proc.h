// The window procedure of skinned main frames.
#pragma once

#include <windows.h>

namespace skin {

// Keeps the frame's record in step with the window, composes the frame on
// its first show and after size and state changes (otherwise paints from
// the cache), runs the caption-button hover fades, starts drags and border
// resizes, carries out caption and bottom-bar clicks, keeps a maximized
// frame to the work area, plays the close effect and releases the skin on
// WM_NCDESTROY; it also serves the frame's direct child controls. What it
// does not consume goes on to the saved procedure ("Hw_hProc"), always
// after its own handling.
LRESULT CALLBACK MainFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
