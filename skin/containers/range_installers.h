// Installer of the trackbar skin.
#pragma once

#include <windows.h>

namespace skin {

// Skins the parent's direct trackbars.
void SkinTrackbars(int windowIndex, HWND parent);

}  // namespace skin
