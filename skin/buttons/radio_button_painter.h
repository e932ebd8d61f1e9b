// The radio-button painter, for auto radio buttons.
#pragma once

#include <windows.h>

namespace skin {

// Paints a skinned auto radio button through its own DC. Not drawn yet:
// the button keeps its native look.
void PaintRadioButton(HWND window, int itemState);

}  // namespace skin
