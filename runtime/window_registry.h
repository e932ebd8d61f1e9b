// The runtime's records of its open windows and their controls, shared by
// the window builder, the window procedure, the properties and the archive
// control. Records are held by shared_ptr so that an event handler may
// destroy its own window while the procedure that called it still runs.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "runtime/gdi_object.h"
#include "runtime/window_template.h"

namespace rt {

// What an archive control keeps between ExtractArchive and its events.
struct ArchiveState {
  Text entryBeingExtracted;
};

struct ControlRecord {
  ControlTemplate definition;
  int id = 0;             // WM_COMMAND id (non-visual controls have none)
  HWND handle = nullptr;  // nullptr for non-visual controls
  UniqueFont font;        // the template's own font; none = default GUI font
  bool visible = true;    // kept here for non-visual controls
  bool enabled = true;
  std::shared_ptr<ArchiveState> archive;  // archive controls only
};

struct MenuItemRecord {
  MenuItemTemplate definition;
  UINT id = 0;
};

struct MenuRecord {
  Text name;
  Text caption;
  HMENU popup = nullptr;  // owned by `owner` or, when on the menu bar, by the bar
  UniqueMenu owner;
  std::vector<MenuItemRecord> items;
};

struct WindowRecord {
  WindowTemplate definition;
  HWND handle = nullptr;
  std::vector<ControlRecord> controls;
  std::vector<MenuRecord> menus;
  UniqueBrush background;
  bool createdRaised = false;    // moved events wait for the created event
  bool endsMessageLoop = false;  // the start window
};

using WindowPtr = std::shared_ptr<WindowRecord>;

// The open windows, in loading order.
std::vector<WindowPtr>& OpenWindows();

// The open window of that name or handle; nullptr when there is none.
WindowPtr FindWindowRecord(std::string_view name);
WindowPtr FindWindowRecord(HWND handle);

// The control of that name; a name the template does not hold is a fatal
// programming error.
ControlRecord& ControlNamed(WindowRecord& window, std::string_view control);

// The control with that child window handle or command id; nullptr when none.
ControlRecord* ControlByHandle(WindowRecord& window, HWND handle);
ControlRecord* ControlById(WindowRecord& window, int id);

// The menu item with that command id; nullptr when none.
const MenuItemRecord* MenuItemById(const WindowRecord& window, UINT id);

// The message DestroyWindowNow posts to a window.
UINT DestroyNowMessage();

// Dispatches one message (dialog keyboard navigation in our windows).
void DispatchOne(MSG& message);

}  // namespace rt
