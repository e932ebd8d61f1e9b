#include "skin/containers/control_skin.h"

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"

namespace skin {

void SkinToolbars(int /*windowIndex*/, HWND /*parent*/) {}

LRESULT CALLBACK ControlSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto previous = prop::ReadHandle<WNDPROC>(hwnd, prop::kControlOldProc);
  if (previous == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

int NeedsRedraw(HWND control, bool kjLink) {
  const INT_PTR hostIndex = prop::Read(control, kjLink ? prop::kControlHostIndex : prop::kHostIndex);
  const SkinWindowRecord* host = SkinWindowTable.Find(hostIndex);
  if (host == nullptr) return 0;
  // A drag alone leaves the window's pixels as they were; a resize does not.
  if (host->moving != 0) return host->sizing != 0 ? 1 : 0;
  return host->active != 0 ? 1 : 0;
}

}  // namespace skin
