// Transparent children: windows with WS_EX_TRANSPARENT (the labels that
// draw only their text) shown over the skin. Their erase lays the skin
// under them and each of their paints is copied into the host's
// composition image, where overlapping painters find it.
#pragma once

#include <windows.h>

namespace skin {

// Subclasses the parent's direct children with WS_EX_TRANSPARENT, edits
// and rich edits excepted. A child that already carries "Hw_hProc" (taken
// by this or another skin) is left alone, so no two skin procedures ever
// hand each other its messages. Does nothing while SkinChildControls is 0.
void SkinTransparentChildren(int windowIndex, HWND parent);

// Window procedure of a skinned transparent child.
LRESULT CALLBACK TransparentChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Invalidates and updates every direct child with WS_EX_TRANSPARENT.
void RedrawTransparentChildren(HWND window);

}  // namespace skin
