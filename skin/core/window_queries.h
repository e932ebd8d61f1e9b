// Small questions every skin procedure asks of a window: its class, its
// text, the style bits that decide how it is painted and where a mouse
// message puts the pointer.
#pragma once

#include <windows.h>

#include "runtime/byte_array.h"

namespace skin {

// The window's class name (at most 254 bytes).
rt::Text GetWindowClassName(HWND window);

// Whether the window is of class `name`. Class names compare as the system
// compares them, case-insensitively; false for a null window.
bool IsClass(HWND window, const char* name);
// The same test on a class name already read.
bool IsClassName(const rt::Text& className, const char* name);

// An edit box: "Edit" or "RichEdit20A".
bool IsEditClass(HWND window);

// The window's text; controls that answer only WM_GETTEXT are asked that way.
rt::Text GetWindowTextCopy(HWND window);

// Style tests: true when the style holds every bit asked for.
bool IsLayeredWindow(HWND window);
bool HasVScrollStyle(HWND window);
bool HasHScrollStyle(HWND window);
bool IsVisibleStyle(HWND window);
bool IsTransparentExStyle(HWND window);
bool HasStyleBits(HWND window, LONG_PTR bits);

// The pointer position a mouse message carries in its lParam (client or,
// for non-client messages, screen coordinates); signed, as the pointer may
// be left of or above the origin.
int MouseX(LPARAM lParam);
int MouseY(LPARAM lParam);

// A list box that its owner draws (fixed or variable item height).
bool IsOwnerDrawListBox(HWND window);

}  // namespace skin
