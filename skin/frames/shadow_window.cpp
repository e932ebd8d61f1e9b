#include "skin/frames/shadow_window.h"

#include "skin/core/host_record.h"
#include "skin/core/window_properties.h"
#include "skin/frames/drop_shadow.h"

namespace skin {

namespace {

// A press on a shadow that accepts clicks drags its owner, when the owner
// asked for it.
void DragOwnerByShadow(HWND shadow) {
  const HWND owner = prop::ReadHandle<HWND>(shadow, prop::kShadowOwner);
  const SkinWindowRecord* record = OwnSkinRecord(owner);
  if (record != nullptr && record->dragByShadow != 0)
    SendMessageA(owner, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace

LRESULT CALLBACK ShadowWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      RenderShadow(hwnd);
      break;
    case WM_LBUTTONDOWN:
      DragOwnerByShadow(hwnd);
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CanvasWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace skin
