#include "skin/lists/edit_installers.h"

#include "skin/core/window_properties.h"

namespace skin {

void SkinEditControls(int /*windowIndex*/, HWND /*parent*/) {}

int FindEditRecord(int /*windowIndex*/, HWND /*control*/) { return 0; }

LRESULT CALLBACK EditSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto previous = prop::ReadHandle<WNDPROC>(hwnd, prop::kOldProc);
  if (previous == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

}  // namespace skin
