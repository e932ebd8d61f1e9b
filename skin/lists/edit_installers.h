// Installer of the edit and combo-box skins over the direct children of
// one window, and the lookup of an edit's record.
#pragma once

#include <windows.h>

namespace skin {

// Skins the parent's direct "Edit" children that are not listed yet, then
// its direct "ComboBox" children that are not listed yet (with, in
// TransparencyMode, a combo box's own edit field). Records go into the
// lists of window `windowIndex`.
void SkinEditControls(int windowIndex, HWND parent);

// 1-based position of the first record of `edit` in that window's edits,
// 0 when absent.
int FindEditRecord(int windowIndex, HWND edit);

}  // namespace skin
