#include "skin/core/window_queries.h"

#include <vector>

namespace skin {

namespace {

bool StyleHas(HWND window, int index, LONG_PTR bits) {
  return (GetWindowLongPtrA(window, index) & bits) == bits;
}

}  // namespace

rt::Text GetWindowClassName(HWND window) {
  char name[255] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool IsClassName(const rt::Text& className, const char* name) { return lstrcmpiA(className.c_str(), name) == 0; }

bool IsClass(HWND window, const char* name) {
  return window != nullptr && IsClassName(GetWindowClassName(window), name);
}

bool IsEditClass(HWND window) {
  const rt::Text name = GetWindowClassName(window);
  return IsClassName(name, "Edit") || IsClassName(name, "RichEdit20A");
}

rt::Text GetWindowTextCopy(HWND window) {
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1);
  GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  if (buffer[0] != '\0') return buffer.data();

  // Some controls keep their text out of the window manager's reach.
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  buffer.assign(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, '\0');
  SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.back() = '\0';
  return buffer.data();
}

bool IsLayeredWindow(HWND window) { return StyleHas(window, GWL_EXSTYLE, WS_EX_LAYERED); }
bool HasVScrollStyle(HWND window) { return StyleHas(window, GWL_STYLE, WS_VSCROLL); }
bool HasHScrollStyle(HWND window) { return StyleHas(window, GWL_STYLE, WS_HSCROLL); }
bool IsVisibleStyle(HWND window) { return StyleHas(window, GWL_STYLE, WS_VISIBLE); }
bool IsTransparentExStyle(HWND window) { return StyleHas(window, GWL_EXSTYLE, WS_EX_TRANSPARENT); }
bool HasStyleBits(HWND window, LONG_PTR bits) { return StyleHas(window, GWL_STYLE, bits); }

int MouseX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
int MouseY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

bool IsOwnerDrawListBox(HWND window) {
  return IsClass(window, "ListBox") &&
         (StyleHas(window, GWL_STYLE, LBS_OWNERDRAWFIXED) ||
          StyleHas(window, GWL_STYLE, LBS_OWNERDRAWVARIABLE));
}

}  // namespace skin
