#include "skin/frames/main_frame_proc.h"

#include "skin/core/window_properties.h"
#include "skin/frames/skin_release.h"

namespace skin {

LRESULT CALLBACK MainFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    // The hover timer's id is the frame's own handle.
    KillTimer(hwnd, reinterpret_cast<UINT_PTR>(hwnd));
    ReleaseWindowSkin(hwnd);
  }
  // "Hw_hProc" outlives the record.
  const auto saved = reinterpret_cast<WNDPROC>(prop::Read(hwnd, prop::kOldProc));
  return CallWindowProcA(saved, hwnd, message, wParam, lParam);
}

}  // namespace skin
