// Installers of the edit and combo-box skins.
#pragma once

#include <windows.h>

namespace skin {

// Skins the parent's direct "Edit" children that are not listed yet, then
// its direct "ComboBox" children.
void SkinEditControls(int windowIndex, HWND parent);

// 1-based position of `control` in that record's `edits`, 0 when absent.
int FindEditRecord(int windowIndex, HWND control);

// Window procedure of skinned edit and rich-edit boxes.
LRESULT CALLBACK EditSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
