// Installer of the trackbar skin (its procedure and painter are in
// trackbar_skin.h).
#pragma once

#include <windows.h>

namespace skin {

// Skins the parent's direct "msctls_trackbar32" children into the
// trackbar list of window `windowIndex`. Does nothing while
// SkinChildControls is 0; a trackbar listed already, or taken by another
// skin, is left alone.
void SkinTrackbars(int windowIndex, HWND parent);

}  // namespace skin
