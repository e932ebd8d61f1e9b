// Common controls linked through the "Kj_" properties (toolbars and the
// controls skinned one by one).
#pragma once

#include <windows.h>

namespace skin {

// Skins the parent's direct toolbars as common controls.
void SkinToolbars(int windowIndex, HWND parent);

// Window procedure of the common controls.
LRESULT CALLBACK ControlSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
