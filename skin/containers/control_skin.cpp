#include "skin/containers/control_skin.h"

#include "skin/core/window_properties.h"

namespace skin {

void SkinToolbars(int /*windowIndex*/, HWND /*parent*/) {}

LRESULT CALLBACK ControlSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto previous = prop::ReadHandle<WNDPROC>(hwnd, prop::kControlOldProc);
  if (previous == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

}  // namespace skin
