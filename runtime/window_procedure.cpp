#include "runtime/window_procedure.h"

#include <windows.h>
#include <commctrl.h>

#include <optional>

#include "resources/resource_ids.h"
#include "runtime/window_registry.h"

namespace rt {
namespace {

constexpr char kClassName[] = "QuilloraRtWindow";
constexpr UINT_PTR kGroupBoxSubclassId = 1;

template <class Handler>
void Raise(const Handler& handler) {
  if (handler) handler();
}

// Control notifications and chosen menu items; false when none of ours.
bool HandleCommand(WindowRecord& window, WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  if (lParam == 0) {
    const MenuItemRecord* item = MenuItemById(window, static_cast<UINT>(id));
    if (!item) return false;
    Raise(item->definition.chosen);
    return true;
  }
  ControlRecord* control = ControlByHandle(window, reinterpret_cast<HWND>(lParam));
  if (!control) return false;
  switch (control->definition.kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
      if (code == BN_CLICKED) Raise(control->definition.events.main);
      return true;
    case ControlKind::Label:
      // SS_NOTIFY labels report a press (and the second press of a double
      // click) as these codes.
      if (code == STN_CLICKED || code == STN_DBLCLK) Raise(control->definition.events.mouseDown);
      return true;
    default:
      return false;
  }
}

// Text colour and transparent background of the labels that ask for them.
std::optional<LRESULT> ControlColour(WindowRecord& window, HDC dc, HWND child) {
  const ControlRecord* control = ControlByHandle(window, child);
  if (!control || (!control->definition.textColour && !control->definition.transparent)) return std::nullopt;
  if (control->definition.textColour) SetTextColor(dc, *control->definition.textColour);
  if (control->definition.transparent) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool AskQueryClose(WindowRecord& window) {
  const QueryHandler& handler = window.definition.events.queryClose;
  if (!handler) return true;
  const std::optional<bool> answer = handler();
  return answer.value_or(true);
}

// The window is gone: forget it; the start window's end ends the loop.
void ForgetWindow(const WindowPtr& window) {
  window->handle = nullptr;
  for (ControlRecord& control : window->controls) control.handle = nullptr;
  auto& windows = OpenWindows();
  std::erase(windows, window);
  if (window->endsMessageLoop) PostQuitMessage(0);
}

LRESULT HandleMessage(const WindowPtr& window, HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HandleCommand(*window, wParam, lParam)) return 0;
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (auto brush = ControlColour(*window, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return *brush;
      break;
    case WM_ERASEBKGND:
      if (window->background) {
        RECT client{};
        GetClientRect(handle, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, window->background.get());
        return 1;
      }
      break;
    case WM_MOVE:
      if (window->createdRaised) Raise(window->definition.events.moved);
      return 0;
    case WM_CLOSE:
      if (AskQueryClose(*window)) DestroyWindow(handle);
      return 0;
    case WM_DESTROY:
      Raise(window->definition.events.destroying);
      return 0;
    case WM_NCDESTROY:
      ForgetWindow(window);
      break;
    default:
      if (message == DestroyNowMessage()) {
        DestroyWindow(handle);
        return 0;
      }
      break;
  }
  return DefWindowProcA(handle, message, wParam, lParam);
}

LRESULT CALLBACK RuntimeWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    static_cast<WindowRecord*>(create->lpCreateParams)->handle = handle;
  }
  // Held for the whole message: a handler may destroy the window.
  const WindowPtr window = FindWindowRecord(handle);
  if (!window) return DefWindowProcA(handle, message, wParam, lParam);
  return HandleMessage(window, handle, message, wParam, lParam);
}

LRESULT CALLBACK GroupBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
  switch (message) {
    case WM_COMMAND:
      if (const WindowPtr window = FindWindowRecord(GetAncestor(box, GA_ROOT))) {
        if (HandleCommand(*window, wParam, lParam)) return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (const WindowPtr window = FindWindowRecord(GetAncestor(box, GA_ROOT))) {
        if (auto brush = ControlColour(*window, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
          return *brush;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, GroupBoxProc, id);
      break;
    default:
      break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

const char* RuntimeWindowClass() {
  static const ATOM atom = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = RuntimeWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(IDI_APP_ICON));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass);
  }();
  return atom ? kClassName : nullptr;
}

void RouteGroupBoxNotifications(HWND groupBox) { SetWindowSubclass(groupBox, GroupBoxProc, kGroupBoxSubclassId, 0); }

}  // namespace rt
