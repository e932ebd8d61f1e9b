// Installers of the list-type, up-down and header skins.
#pragma once

#include <windows.h>

namespace skin {

// Skins the parent's direct list boxes, simple combo lists, list views,
// tree views, IP-address and date-time pickers.
void SkinListControls(int windowIndex, HWND parent);

// Skins the parent's direct up-down controls.
void SkinUpDowns(int windowIndex, HWND parent);

// Skins the parent's direct headers and the headers of its list views.
void SkinHeaders(int windowIndex, HWND parent);

}  // namespace skin
