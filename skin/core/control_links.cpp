#include "skin/core/control_links.h"

namespace skin {

SkinFrame FindSkinFrame(HWND window) {
  const INT_PTR index = prop::Read(window, prop::kIndex);
  SkinWindowRecord* record = SkinWindowTable.Find(index);
  if (window == nullptr || record == nullptr || record->hwnd != window) return {};
  return {record, static_cast<int>(index)};
}

WNDPROC InstallProcedure(HWND window, WNDPROC procedure, const char* property) {
  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
  prop::WriteHandle(window, property, previous);
  return previous;
}

void RestoreSavedProcedure(HWND window, const char* property) {
  if (const auto saved = prop::ReadHandle<WNDPROC>(window, property))
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
}

LRESULT CallSavedProcedure(HWND hwnd, WNDPROC self, UINT message, WPARAM wParam, LPARAM lParam,
                           const char* property) {
  const auto saved = prop::ReadHandle<WNDPROC>(hwnd, property);
  if (saved == nullptr || saved == self) return DefWindowProcA(hwnd, message, wParam, lParam);
  return CallWindowProcA(saved, hwnd, message, wParam, lParam);
}

}  // namespace skin
