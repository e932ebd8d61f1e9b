// Properties, focus, handles and menus of loaded windows and their controls.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "runtime/window_registry.h"
#include "runtime/window_runtime.h"

namespace rt {
namespace {

// The addressed window or control: a window handle, or for a non-visual
// control only its record.
struct Target {
  WindowPtr window;  // keeps the records alive during handlers
  ControlRecord* control = nullptr;
  HWND handle = nullptr;
  explicit operator bool() const { return window != nullptr; }
};

Target Find(std::string_view window, std::string_view control) {
  Target target;
  target.window = FindWindowRecord(window);
  if (!target.window) return target;
  if (control.empty()) {
    target.handle = target.window->handle;
  } else {
    target.control = &ControlNamed(*target.window, control);
    target.handle = target.control->handle;
  }
  return target;
}

bool IsKind(const Target& target, ControlKind kind) {
  return target.control && target.control->definition.kind == kind;
}

bool IsTextBox(const Target& target) {
  return IsKind(target, ControlKind::Edit) || IsKind(target, ControlKind::RichEdit);
}

// A control's place in its parent's client area; a window's on the screen.
RECT PlaceOf(const Target& target) {
  RECT rect{};
  GetWindowRect(target.handle, &rect);
  if (target.control) {
    MapWindowPoints(nullptr, GetParent(target.handle), reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

void MoveTo(const Target& target, int left, int top) {
  SetWindowPos(target.handle, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Text WindowText(HWND handle) {
  const int length = GetWindowTextLengthA(handle);
  if (length <= 0) return {};
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(handle, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

// A rich edit's text in the ANSI code page, paragraphs ending in CR LF;
// its own length count is in characters, not bytes.
Text RichEditText(HWND handle) {
  GETTEXTLENGTHEX length{GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
  const LRESULT bytes = SendMessageA(handle, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
  if (bytes <= 0) return WindowText(handle);
  Text text(static_cast<std::size_t>(bytes) + 1, '\0');
  GETTEXTEX request{};
  request.cb = static_cast<DWORD>(text.size());
  request.flags = GT_USECRLF;
  request.codepage = CP_ACP;
  const LRESULT copied =
      SendMessageA(handle, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&request), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

// A transparent label shows its parent through it: the parent must paint
// the old text away when the caption changes.
void RepaintUnder(const Target& target) {
  if (!target.control || !target.control->definition.transparent) return;
  HWND parent = GetParent(target.handle);
  RECT rect = PlaceOf(target);
  InvalidateRect(parent, &rect, TRUE);
  UpdateWindow(parent);
}

}  // namespace

HWND WindowHandleOf(std::string_view window, std::string_view control) {
  const Target target = Find(window, control);
  return target.handle;
}

bool IsWindowLoaded(std::string_view window) { return FindWindowRecord(window) != nullptr; }

int ReadProperty(std::string_view window, std::string_view control, NumberProperty property) {
  const Target target = Find(window, control);
  if (!target) return 0;
  if (!target.handle) {  // a non-visual control keeps only its flags
    if (property == NumberProperty::Visible) return target.control->visible ? 1 : 0;
    if (property == NumberProperty::Disabled) return target.control->enabled ? 0 : 1;
    return 0;
  }
  switch (property) {
    case NumberProperty::Left:
      return PlaceOf(target).left;
    case NumberProperty::Top:
      return PlaceOf(target).top;
    case NumberProperty::Visible:
      return (GetWindowLongPtrA(target.handle, GWL_STYLE) & WS_VISIBLE) ? 1 : 0;
    case NumberProperty::Disabled:
      return IsWindowEnabled(target.handle) ? 0 : 1;
    case NumberProperty::SelectionStart: {
      if (!IsTextBox(target)) return 0;
      DWORD start = 0;
      SendMessageA(target.handle, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
      return static_cast<int>(start);
    }
    case NumberProperty::Checked:
      if (!IsKind(target, ControlKind::CheckBox)) return 0;
      return SendMessageA(target.handle, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    case NumberProperty::Position:
      if (!IsKind(target, ControlKind::ProgressBar)) return 0;
      return static_cast<int>(SendMessageA(target.handle, PBM_GETPOS, 0, 0));
  }
  return 0;
}

Text ReadProperty(std::string_view window, std::string_view control, TextProperty) {
  const Target target = Find(window, control);
  if (!target.handle) return {};
  return IsKind(target, ControlKind::RichEdit) ? RichEditText(target.handle) : WindowText(target.handle);
}

void WriteProperty(std::string_view window, std::string_view control, NumberProperty property, int value) {
  const Target target = Find(window, control);
  if (!target) return;
  if (!target.handle) {
    if (property == NumberProperty::Visible) target.control->visible = value != 0;
    if (property == NumberProperty::Disabled) target.control->enabled = value == 0;
    return;
  }
  switch (property) {
    case NumberProperty::Left:
      MoveTo(target, value, PlaceOf(target).top);
      break;
    case NumberProperty::Top:
      MoveTo(target, PlaceOf(target).left, value);
      break;
    case NumberProperty::Visible:
      ShowWindow(target.handle, value ? SW_SHOW : SW_HIDE);
      break;
    case NumberProperty::Disabled:
      EnableWindow(target.handle, value ? FALSE : TRUE);
      break;
    case NumberProperty::SelectionStart:
      if (!IsTextBox(target)) break;
      if (value < 0) {
        SendMessageA(target.handle, EM_SETSEL, static_cast<WPARAM>(-1), 0);  // drops the selection
      } else {
        SendMessageA(target.handle, EM_SETSEL, static_cast<WPARAM>(value), value);
      }
      break;
    case NumberProperty::Checked:
      if (IsKind(target, ControlKind::CheckBox))
        SendMessageA(target.handle, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case NumberProperty::Position:
      if (IsKind(target, ControlKind::ProgressBar))
        SendMessageA(target.handle, PBM_SETPOS, static_cast<WPARAM>(value), 0);
      break;
  }
}

void WriteProperty(std::string_view window, std::string_view control, TextProperty, std::string_view value) {
  const Target target = Find(window, control);
  if (!target.handle) return;
  const Text text(value);
  SetWindowTextA(target.handle, text.c_str());
  RepaintUnder(target);
}

void FocusControl(std::string_view window, std::string_view control) {
  const Target target = Find(window, control);
  if (target.handle) SetFocus(target.handle);
}

void PopupMenuAtCursor(std::string_view window, std::string_view menu) {
  const WindowPtr record = FindWindowRecord(window);
  if (!record) return;
  for (const MenuRecord& candidate : record->menus) {
    if (candidate.name != menu) continue;
    POINT cursor{};
    GetCursorPos(&cursor);
    HWND owner = record->handle;
    SetForegroundWindow(owner);  // so that a click elsewhere closes the menu
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(candidate.popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD,
                                         cursor.x, cursor.y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    if (chosen == 0) return;
    if (const MenuItemRecord* item = MenuItemById(*record, chosen)) {
      if (item->definition.chosen) item->definition.chosen();
    }
    return;
  }
}

}  // namespace rt
