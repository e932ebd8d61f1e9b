// The window procedure of skinned main frames.
#pragma once

#include <windows.h>

namespace skin {

// Hands every message on to the frame's saved procedure ("Hw_hProc"); on
// WM_NCDESTROY it first stops the caption hover timer and releases the
// window's skin.
LRESULT CALLBACK MainFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
