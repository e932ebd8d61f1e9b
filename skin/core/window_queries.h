// Small questions every skin procedure asks of a window: its class, its
// text and the style bits that decide how it is painted.
#pragma once

#include <windows.h>

#include "runtime/byte_array.h"

namespace skin {

// The window's class name (at most 254 bytes).
rt::Text GetWindowClassName(HWND window);

// The window's text; controls that answer only WM_GETTEXT are asked that way.
rt::Text GetWindowTextCopy(HWND window);

// Style tests: true when the style holds every bit asked for.
bool IsLayeredWindow(HWND window);
bool HasVScrollStyle(HWND window);
bool HasHScrollStyle(HWND window);
bool IsVisibleStyle(HWND window);
bool IsTransparentExStyle(HWND window);

// A list box that its owner draws (fixed or variable item height).
bool IsOwnerDrawListBox(HWND window);

}  // namespace skin
