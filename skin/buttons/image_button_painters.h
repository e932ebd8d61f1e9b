// The image-button and image-check-box painters.
#pragma once

#include <windows.h>

namespace skin {

// Paints an image button into dc (the caller's, left for the caller to
// release) and into the host's composition image: a flat face on hover, on
// focus and when disabled (also at rest with the record's highlight), the
// record's image beside or above the caption. ODS_SELECTED changes
// nothing. A window that is not a listed button is not painted.
void PaintImageButton(HWND window, HDC dc, int state, const RECT* rectangle);

// Paints an image check box through its own window DC: the pressed image
// when checked, else the normal one, under a grey veil when disabled. A
// window that is not a listed button is not painted.
void PaintImageCheckBox(HWND window, int itemState);

}  // namespace skin
