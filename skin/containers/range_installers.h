// Installers of the trackbar and progress-bar skins.
#pragma once

#include <windows.h>

namespace skin {

// Skins the parent's direct trackbars.
void SkinTrackbars(int windowIndex, HWND parent);

// Skins the parent's direct progress bars, filled in the accent colour of
// that moment.
void SkinProgressBars(int windowIndex, HWND parent);

}  // namespace skin
