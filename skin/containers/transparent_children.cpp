#include "skin/containers/transparent_children.h"

#include "runtime/gdi_object.h"
#include "skin/core/control_links.h"
#include "skin/core/child_clipping.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/edit_painters.h"

namespace skin {

namespace {

constexpr COLORREF kDisabledText = 0x606060;

LRESULT PassOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(hwnd, TransparentChildProc, message, wParam, lParam);
}

}  // namespace

void SkinTransparentChildren(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  ForEachChild(parent, [windowIndex](HWND child) {
    if (!IsTransparentExStyle(child) || IsEditClass(child)) return;
    if (CarriesSavedProcedure(child)) return;  // another skin's, or ours already
    // Listed nowhere: list index 0, and only the host index links it.
    prop::Write(child, prop::kIndex, 0);
    prop::Write(child, prop::kHostIndex, windowIndex);
    prop::Write(child, prop::kTextColour, 0);
    prop::Write(child, prop::kDisabledTextColour, kDisabledText);
    InstallProcedure(child, TransparentChildProc);
  });
}

LRESULT CALLBACK TransparentChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      if (TransparencyMode == 0) break;
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetBkMode(dc, TRANSPARENT);
      // The skin under the child, with the child's own tint if it has one.
      PaintEditBackground(hwnd, dc, 0);
      return 1;
    }
    case WM_PAINT: {
      const LRESULT result = PassOn(hwnd, message, wParam, lParam);
      rt::WindowDc dc(hwnd);
      BlitControlToHost(hwnd, dc.get());
      return result;
    }
    default:
      break;
  }
  return PassOn(hwnd, message, wParam, lParam);
}

void RedrawTransparentChildren(HWND window) {
  ForEachChild(window, [](HWND child) {
    if (!IsTransparentExStyle(child)) return;
    InvalidateRect(child, nullptr, TRUE);
    UpdateWindow(child);
  });
}

}  // namespace skin
