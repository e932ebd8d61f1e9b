// The window side of the runtime: windows built from templates, controls
// addressed by (window name, control name), properties, focus, menus, the
// message loop and the start rules.
//
// An empty control name addresses the window itself. A window that is not
// open reads as 0 / "" and ignores writes; a control name that its window's
// template does not hold is a programming error (fatal report).
#pragma once

#include <windows.h>

#include <string_view>

#include "runtime/byte_array.h"
#include "runtime/window_template.h"

namespace rt {

// Integer properties. Flags read and write as 1 / 0.
enum class NumberProperty {
  Left,            // window: screen pixels (writing moves it and raises its moved event); control: in its parent
  Top,
  Visible,         // any control, or the window
  Disabled,        // any control, or the window
  SelectionStart,  // edit box; writing -1 removes any selection
  Checked,         // check box: 1 checked, 0 not
  Position,        // progress bar
};

// Text properties; a read gives a new copy owned by the caller.
enum class TextProperty {
  Caption,  // label, button, check box, group box, window title
  Text,     // edit box or rich edit
};

// Creates the window from its template (controls, fonts, menu), raises its
// created event and then its moved event, and shows it. A window of the
// same name that is already open is brought to the front instead. `parent`
// names the owner window ("" for none). Modal: the owner is disabled and
// the call returns when the new window is destroyed; otherwise at once.
// Returns the window handle (nullptr when creation failed or the created
// handler destroyed the window).
HWND LoadWindow(const WindowTemplate& window, std::string_view parent = {}, bool modal = false);

// The Win32 handle of a control ("" = the window); nullptr for a non-visual
// control or a window that is not open.
HWND WindowHandleOf(std::string_view window, std::string_view control = {});

// True while a window of that name is open.
bool IsWindowLoaded(std::string_view window);

int ReadProperty(std::string_view window, std::string_view control, NumberProperty property);
Text ReadProperty(std::string_view window, std::string_view control, TextProperty property);
void WriteProperty(std::string_view window, std::string_view control, NumberProperty property, int value);
void WriteProperty(std::string_view window, std::string_view control, TextProperty property,
                   std::string_view value);

// Gives the keyboard focus to the control.
void FocusControl(std::string_view window, std::string_view control);

// Shows the items of the menu `menu` (a top item's name) as a popup at the
// mouse cursor; a chosen item's handler runs before this returns.
void PopupMenuAtCursor(std::string_view window, std::string_view menu);

// The window is destroyed when control returns to a message loop (the main
// loop or ProcessPendingMessages); its query-close handler is not asked,
// its destroying event is raised.
void DestroyWindowNow(std::string_view window);

// Dispatches every message waiting in the queue, then returns; event
// handlers may run inside it.
void ProcessPendingMessages();

// The start rules: the current folder becomes the program's folder, the
// start window is loaded without a parent, and messages are dispatched
// until it is destroyed. Returns the process's exit code, 0.
int RunApplication(const WindowTemplate& startWindow);

// The window's current look at its client size as the bytes of a BMP file
// (BITMAPFILEHEADER, 24-bit bottom-up pixels); empty on failure.
ByteArray WindowSnapshot(HWND window);

}  // namespace rt
