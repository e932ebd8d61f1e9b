// Window procedure of skinned edits and rich edits: keeps the edit's
// record flags, paints the frame ring and (in TransparencyMode) the client
// background, repaints and places the scroll-bar overlays, and takes part
// in the window's hot tracking.
#pragma once

#include <windows.h>

namespace skin {

LRESULT CALLBACK EditSkinProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints the scroll-bar overlays the edit has and shows (its text
// changed); nothing for a window that is no skinned edit.
void RepaintEditScrollBars(HWND edit);

}  // namespace skin
