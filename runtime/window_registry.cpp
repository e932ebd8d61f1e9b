#include "runtime/window_registry.h"

#include "runtime/fatal_error.h"

namespace rt {

std::vector<WindowPtr>& OpenWindows() {
  static std::vector<WindowPtr> windows;
  return windows;
}

WindowPtr FindWindowRecord(std::string_view name) {
  for (const WindowPtr& window : OpenWindows()) {
    if (window->definition.name == name && window->handle) return window;
  }
  return nullptr;
}

WindowPtr FindWindowRecord(HWND handle) {
  if (!handle) return nullptr;
  for (const WindowPtr& window : OpenWindows()) {
    if (window->handle == handle) return window;
  }
  return nullptr;
}

ControlRecord& ControlNamed(WindowRecord& window, std::string_view control) {
  for (ControlRecord& record : window.controls) {
    if (record.definition.name == control) return record;
  }
  const Text text = "窗口 " + window.definition.name + " 没有控件 " + Text(control);
  ReportFatalError(text.c_str());
}

ControlRecord* ControlByHandle(WindowRecord& window, HWND handle) {
  if (!handle) return nullptr;
  for (ControlRecord& record : window.controls) {
    if (record.handle == handle) return &record;
  }
  return nullptr;
}

ControlRecord* ControlById(WindowRecord& window, int id) {
  for (ControlRecord& record : window.controls) {
    if (record.handle && record.id == id) return &record;
  }
  return nullptr;
}

const MenuItemRecord* MenuItemById(const WindowRecord& window, UINT id) {
  for (const MenuRecord& menu : window.menus) {
    for (const MenuItemRecord& item : menu.items) {
      if (item.id == id) return &item;
    }
  }
  return nullptr;
}

UINT DestroyNowMessage() {
  static const UINT message = RegisterWindowMessageA("QuilloraRuntime.DestroyNow");
  return message;
}

void DispatchOne(MSG& message) {
  // Tab and arrow keys move between the controls of our windows.
  if (message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST) {
    HWND top = GetAncestor(message.hwnd, GA_ROOT);
    if (top && FindWindowRecord(top) && IsDialogMessageA(top, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

}  // namespace rt
