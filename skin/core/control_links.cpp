#include "skin/core/control_links.h"

namespace skin {

LRESULT CallSavedProcedure(HWND hwnd, WNDPROC self, UINT message, WPARAM wParam, LPARAM lParam,
                           const char* property) {
  const auto saved = prop::ReadHandle<WNDPROC>(hwnd, property);
  if (saved == nullptr || saved == self) return DefWindowProcA(hwnd, message, wParam, lParam);
  return CallWindowProcA(saved, hwnd, message, wParam, lParam);
}

}  // namespace skin
