// Window procedure of skinned list boxes, simple-combo lists, list views,
// tree views, IP-address and date-time pickers: keeps the control's record
// (focus, hover, dirty flag, hot scroll-bar part, last mouse position),
// repaints the painted scroll bars and the frame ring, and in
// TransparencyMode paints the control over the host's skin background.
#pragma once

#include <windows.h>

namespace skin {

LRESULT CALLBACK ListControlSkinProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Marks the icon set of a destroyed tree view released.
void ForgetTreeIconSet(HWND control);

}  // namespace skin
