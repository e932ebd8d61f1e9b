// Turns a standard dialog window (a message box's "#32770") into a skinned
// dialog frame.
#pragma once

#include <windows.h>

namespace skin {

// Skins the dialog; called by the message-box hook while the dialog is
// being activated for the first time.
void SkinDialog(HWND dialog);

}  // namespace skin
