#include "skin/frames/dialog_frame_proc.h"

#include "runtime/gdi_object.h"
#include "skin/containers/owner_draw_router.h"
#include "skin/core/control_links.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/frames/close_effects.h"
#include "skin/frames/dialog_fade_in.h"
#include "skin/frames/dialog_frame_painter.h"
#include "skin/frames/drop_shadow.h"
#include "skin/frames/message_box.h"
#include "skin/frames/skin_dialog.h"
#include "skin/frames/skin_release.h"

namespace skin {

namespace {

// "Hw_hProc" outlives the record.
LRESULT CallSaved(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(hwnd, DialogFrameProc, message, wParam, lParam);
}

}  // namespace

int DialogHitTest(HWND dialog, LPARAM lParam) {
  const int x = MouseX(lParam);
  const int y = MouseY(lParam);
  RECT r{};
  GetWindowRect(dialog, &r);
  const SkinWindowRecord* record = FindSkinFrame(dialog).record;
  const int buttonsX = record ? record->buttonsX : 0;
  if (r.left + buttonsX < x && x < r.right - 5 && r.top + 3 < y && y <= r.top + 20) return HTCLOSE;
  if (y > r.top + 25) return HTCLIENT;
  return HTCAPTION;
}

LRESULT CALLBACK DialogFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const SkinFrame frame = FindSkinFrame(hwnd);
  SkinWindowRecord* record = frame.record;
  const int index = frame.index;
  if (record == nullptr) {
    if (message == WM_NCDESTROY) ForgetFadeIn(hwnd);
    return CallSaved(hwnd, message, wParam, lParam);
  }

  switch (message) {
    case WM_CLOSE:
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_NCDESTROY: {
      ForgetFadeIn(hwnd);
      ReleaseWindowSkin(hwnd);
      return CallSaved(hwnd, message, wParam, lParam);
    }

    case WM_CHANGEUISTATE:
      if (LOWORD(wParam) == UIS_INITIALIZE) return 0;
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_SETFOCUS:
      if (record->shadowHwnd != nullptr) ShowWindow(record->shadowHwnd, SW_HIDE);
      // The fade-in ends first: an alpha change after the window has turned
      // layered for the animation would freeze it.
      StopFadeIn(hwnd);
      AnimateShrinkFade(hwnd);
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_ACTIVATE:
      RemoveMessageBoxHook();
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_SIZE: {
      RECT r{};
      GetWindowRect(hwnd, &r);
      HRGN region = CreateRoundRectRgn(0, 0, r.right - r.left + 1, r.bottom - r.top + 1, 5, 5);
      if (region != nullptr && SetWindowRgn(hwnd, region, TRUE) == 0) DeleteObject(region);
      LayoutDialogCaption(index);
      return CallSaved(hwnd, message, wParam, lParam);
    }

    case WM_PAINT: {
      {
        const rt::PaintScope paint(hwnd);
        PaintDialogFrame(hwnd);
      }
      StartFadeIn(hwnd);
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    case WM_CTLCOLORSTATIC:
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_NCPAINT:
      return 0;

    case WM_NCACTIVATE:
      return 1;

    case WM_NCHITTEST:
      return DialogHitTest(hwnd, lParam);

    case WM_NCLBUTTONDOWN:
      if (wParam == HTCLOSE) return 0;
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_NCMOUSEMOVE:
      if (wParam == HTCLOSE) {
        if (record->closeHot == 0) {
          PaintDialogCloseButton(index, 1, true);
          record->closeHot = 1;
        }
        return 0;
      }
      if (record->closeHot == 1) {
        PaintDialogCloseButton(index, 1, false);
        record->closeHot = 0;
      }
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_NCLBUTTONUP:
      if (wParam == HTCLOSE) {
        SendMessageA(hwnd, WM_CLOSE, 0, 0);
        return 0;
      }
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_DRAWITEM:
      if (lParam != 0) RouteDrawItem(index, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_SHOWWINDOW:
      // The platform may place the buttons after the hook has run: the
      // first show lays them out once more.
      if (wParam != 0 && record->shownComposed == 0) {
        record->shownComposed = 1;
        LayoutDialogButtons(index);
      }
      if (record->shadowHwnd != nullptr && record->maximized == 0) {
        ShowWindow(record->shadowHwnd, SW_SHOWNA);
        AlignShadow(hwnd);
      }
      return CallSaved(hwnd, message, wParam, lParam);

    case WM_WINDOWPOSCHANGED:
      if (lParam != 0) {
        const auto& position = *reinterpret_cast<const WINDOWPOS*>(lParam);
        if (position.cx > 0 && position.cy > 0) AlignShadowToWindowPos(hwnd, position);
      }
      return CallSaved(hwnd, message, wParam, lParam);

    default:
      return CallSaved(hwnd, message, wParam, lParam);
  }
}

}  // namespace skin
