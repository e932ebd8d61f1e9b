// Window templates: the declarative description of a window, its controls,
// its menu and the handlers bound to their events. The program declares
// them as plain data; LoadWindow (runtime/window_runtime.h) builds real
// windows and controls from them.
//
// Places are in pixels: a top-level window's left/top are screen
// coordinates (ignored when `centred`), a control's are relative to its
// parent (the window, or the group box named in `parent`).
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "runtime/byte_array.h"

namespace rt {

// Window event numbers.
enum WindowEvent : int {
  kWindowCreated = 0,     // all controls exist; before the first show; a moved event follows
  kWindowQueryClose = 1,  // title-bar or system close; a handler's false refuses
  kWindowDestroying = 2,  // from WM_DESTROY
  kWindowMoved = 3,       // WM_MOVE
};

// Control event numbers.
enum ControlEvent : int {
  kControlMain = 0,        // button or check-box click, menu item chosen
  kControlMouseDown = -1,  // left mouse button pressed (labels)
  kArchiveProgress = 1,    // archive control: percent done; a handler's false stops
};

// A handler of a plain event (no arguments, no answer).
using ActionHandler = std::function<void()>;
// A handler that may answer: no value means "allowed" / "go on", false
// refuses the close or stops the extraction.
using QueryHandler = std::function<std::optional<bool>()>;
using ProgressHandler = std::function<std::optional<bool>(int percent)>;
// A handler taking one integer and giving nothing.
using IntHandler = std::function<void(int)>;

struct Place {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class ControlKind {
  Button,       // BUTTON, BS_PUSHBUTTON
  CheckBox,     // BUTTON, BS_AUTOCHECKBOX
  Label,        // STATIC (notifies clicks, so event -1 reaches its handler)
  Edit,         // EDIT, single line, sunken border
  RichEdit,     // rich edit control; styles from the template (multi-line, read-only...)
  ProgressBar,  // msctls_progress32
  GroupBox,     // BUTTON, BS_GROUPBOX; parent of the controls that name it
  MenuStyler,   // non-visual: owns no window, has no settings in use
  Archive,      // non-visual: the archive control of ExtractArchive
};

// A font that differs from the default GUI font. An empty face keeps the
// default GUI font's face; height 0 keeps its height.
struct FontTemplate {
  Text face;
  int heightPixels = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

struct ControlEvents {
  ActionHandler main;             // event 0: click, check-box click
  ActionHandler mouseDown;        // event -1: left button pressed on a label
  ProgressHandler progress;       // event 1 of the archive control
  IntHandler archiveMain;         // event 0 of the archive control (one integer; never raised)
};

struct ControlTemplate {
  Text name;
  ControlKind kind = ControlKind::Label;
  Place place;
  Text caption;   // caption of a label, button, check box or group box; text of an edit or rich edit
  Text parent;    // name of the group box holding this control; empty = the window
  bool visible = true;
  bool enabled = true;
  bool checked = false;        // check box
  int rangeMin = 0;            // progress bar
  int rangeMax = 100;
  int position = 0;
  DWORD style = 0;             // extra WS_/ES_/BS_/SS_ bits OR-ed into the kind's own style
  DWORD exStyle = 0;           // extra WS_EX_ bits (e.g. WS_EX_CLIENTEDGE for a sunken rich edit)
  std::optional<FontTemplate> font;        // absent: the default GUI font
  std::optional<COLORREF> textColour;      // labels and check boxes
  bool transparent = false;                // label drawn over its parent's background
  ControlEvents events;
};

// A menu item; caption "-" makes a separator.
struct MenuItemTemplate {
  Text name;
  Text caption;
  bool enabled = true;
  ActionHandler chosen;  // control event 0 of the item
};

// A top item of the window's menu with its popup items. A window whose top
// items are all hidden shows no menu bar; PopupMenuAtCursor still shows them.
struct MenuTemplate {
  Text name;
  Text caption;
  bool visible = true;
  std::vector<MenuItemTemplate> items;
};

enum class WindowFrame {
  None,     // WS_POPUP: no caption or border (a skin may draw the frame)
  Fixed,    // caption and thin border
  Sizable,  // caption and sizing border
};

struct WindowEvents {
  ActionHandler created;     // event 0
  QueryHandler queryClose;   // event 1
  ActionHandler destroying;  // event 2
  ActionHandler moved;       // event 3
};

struct WindowTemplate {
  Text name;
  Text caption;
  Place place;               // width and height always used; left/top unless centred
  bool centred = true;       // on the work area of the screen
  WindowFrame frame = WindowFrame::Fixed;
  bool minimizeBox = false;
  bool maximizeBox = false;
  bool visible = true;       // shown once created
  std::optional<COLORREF> background;  // absent: the system's button-face colour
  std::vector<ControlTemplate> controls;  // creation order (group boxes are made first, whatever their place)
  std::vector<MenuTemplate> menu;
  WindowEvents events;
};

}  // namespace rt
