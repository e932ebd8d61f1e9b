// A stand-in for a skinned frame's answer to WM_CTLCOLORLISTBOX: the list
// box's text colour, a transparent background mode and the pattern brush
// of its tinted background, so that a list box painted in TransparencyMode
// shows the skin between its items as it does in a real frame.
#pragma once

#include <windows.h>

#include "skin/core/control_brush.h"
#include "skin/core/window_properties.h"

namespace quillora_test {

inline WNDPROC& ListHostPrevious() {
  static WNDPROC previous = nullptr;
  return previous;
}

inline LRESULT CALLBACK ListHostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORLISTBOX) {
    const auto dc = reinterpret_cast<HDC>(wParam);
    const auto list = reinterpret_cast<HWND>(lParam);
    SetTextColor(dc, static_cast<COLORREF>(skin::prop::Read(list, skin::prop::kTextColour)));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(skin::RenewControlBrush(list));
  }
  return CallWindowProcA(ListHostPrevious(), hwnd, message, wParam, lParam);
}

// Makes `frame` (a "Static" window) answer its list boxes' colour requests.
inline void AnswerListColours(HWND frame) {
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListHostProc)));
  if (previous != ListHostProc) ListHostPrevious() = previous;
}

}  // namespace quillora_test
