// Where a window's client area lies inside its own window rectangle.
//
// Painters compose a control's background in window coordinates, so they
// need the client area's offset from the window's corner. Both estimates
// take the border as equally wide on opposite sides.
#pragma once

#include <windows.h>

namespace skin {

// The client area in window coordinates, counting each scroll bar the
// style asks for as 17 pixels when centring it between the borders.
RECT GetClientRectInWindow(HWND window);

// The inner area (client area plus the scroll bars the window really has)
// in window coordinates.
RECT GetBorderInsets(HWND window);

}  // namespace skin
