// Installer of the list-control skin: list boxes, the list of a simple
// combo box, list views, tree views, IP-address and date-time pickers.
// SkinListControls itself is declared with the other list-type installers
// in list_installers.h.
#pragma once

#include <windows.h>

#include "skin/lists/list_installers.h"

namespace skin {

// Takes the native border off a window: WS_BORDER, and the window-edge,
// client-edge and modal-frame extended styles (tool-window and topmost
// stay). The frame is not recalculated here.
void StripBorderStyles(HWND window);

}  // namespace skin
