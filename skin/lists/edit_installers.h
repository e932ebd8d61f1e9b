// Installers of the edit and combo-box skins: over the direct children of
// one window, or one edit; and the lookup of an edit's record.
#pragma once

#include <windows.h>

namespace skin {

// Skins the parent's direct "Edit" children that are not listed yet, then
// its direct "ComboBox" children that are not listed yet (with, in
// TransparencyMode, a combo box's own edit field). Records go into the
// lists of window `windowIndex`.
void SkinEditControls(int windowIndex, HWND parent);

// Which scroll-bar overlays an edit gets: none, one over each bar its
// style has, or both (one over a bar not shown is parked hidden).
enum class EditOverlays { None, AsStyled, Both };

// Skins one edit or rich edit of window `windowIndex` with EditSkinProc and
// its overlays; false when it is listed or carries a skin already.
bool SkinOneEdit(int windowIndex, HWND edit, EditOverlays overlays);

// 1-based position of the first record of `edit` in that window's edits,
// 0 when absent.
int FindEditRecord(int windowIndex, HWND edit);

}  // namespace skin
