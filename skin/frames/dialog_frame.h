// The frame of a skinned dialog: its window procedure and painter.
#pragma once

#include <windows.h>

namespace skin {

// Recomposes the dialog's whole frame and copies it to the window.
void PaintDialogFrame(HWND dialog);

}  // namespace skin
