// The image-button and image-check-box painters.
#pragma once

#include <windows.h>

namespace skin {

// Paints an image button into dc (the caller's). Not drawn yet.
void PaintImageButton(HWND window, HDC dc, int state, const RECT* rectangle);

// Paints an image check box through its own DC. Not drawn yet.
void PaintImageCheckBox(HWND window, int itemState);

}  // namespace skin
