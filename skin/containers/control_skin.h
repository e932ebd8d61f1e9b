// Common controls linked through the "Kj_" properties (toolbars and the
// controls skinned one by one).
#pragma once

#include <windows.h>

namespace skin {

// Skins the parent's direct toolbars as common controls.
void SkinToolbars(int windowIndex, HWND parent);

// Window procedure of the common controls.
LRESULT CALLBACK ControlSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Whether a control's cached image must be drawn afresh: while its host
// window is being moved, only when it is also being sized; otherwise while
// the host is active. The host comes from "Kj_FuID" with `kjLink`, else
// from "Hw_FuID"; 0 for a host index outside SkinWindowTable.
int NeedsRedraw(HWND control, bool kjLink = false);

}  // namespace skin
