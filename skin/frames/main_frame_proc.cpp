#include "skin/frames/main_frame_proc.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <span>

#include "runtime/gdi_object.h"
#include "skin/containers/static_skins.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/control_brush.h"
#include "skin/core/control_links.h"
#include "skin/core/custom_draw.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/core/working_set.h"
#include "skin/frames/bottom_bar.h"
#include "skin/frames/caption_actions.h"
#include "skin/frames/caption_button_paint.h"
#include "skin/frames/caption_hover.h"
#include "skin/frames/caption_layout.h"
#include "skin/frames/close_effects.h"
#include "skin/frames/drop_shadow.h"
#include "skin/frames/frame_cache_blit.h"
#include "skin/frames/frame_child_services.h"
#include "skin/frames/frame_companions.h"
#include "skin/frames/frame_globals.h"
#include "skin/frames/frame_hit_tests.h"
#include "skin/frames/frame_title.h"
#include "skin/frames/main_frame_compose.h"
#include "skin/frames/skin_release.h"

namespace skin {

namespace {

// "Hw_hProc" outlives the record.
LRESULT CallSaved(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(hwnd, MainFrameProc, message, wParam, lParam);
}

INT_PTR CallRoutine(FARPROC routine, std::span<const INT_PTR> args) {
  return CallWithArgArray(routine, args, false);
}

void CallItemRoutine(FARPROC routine, int item) {
  const std::array<INT_PTR, 1> args{item};
  CallRoutine(routine, args);
}

void RepaintTitle(int windowIndex, const rt::Text& text) { PaintFrameTitle(windowIndex, text); }

void ShowShadow(HWND shadow, bool visible) {
  if (shadow != nullptr) ShowWindow(shadow, visible ? SW_SHOWNA : SW_HIDE);
}

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

// The close query may refuse; then nothing else happens. Otherwise the
// shadow goes and the close effect plays before the application's own
// close handling.
LRESULT OnClose(HWND hwnd, const SkinFrame& frame, WPARAM wParam, LPARAM lParam) {
  assert(frame);
  if (frame->closeQueryRoutine != nullptr && CallRoutine(frame->closeQueryRoutine, {}) != 1) return 0;
  // The frame is looked up afresh after anything that may re-enter: the
  // application's query may have destroyed the window, released its skin
  // or skinned other windows, renumbering the table.
  if (!IsWindow(hwnd)) return 0;
  if (const SkinFrame now = FindSkinFrame(hwnd)) {
    // Taken before the shadow goes: its destruction may re-enter too.
    const HWND shadow = now->shadowHwnd;
    const CloseEffect effect = now->closeEffect;
    now->shadowHwnd = nullptr;
    if (shadow != nullptr) DestroyWindow(shadow);
    PlayCloseEffect(hwnd, static_cast<int>(effect));
  }
  return CallSaved(hwnd, WM_CLOSE, wParam, lParam);
}

void OnShowWindow(HWND hwnd, const SkinFrame& frame, bool showing) {
  assert(frame);
  SkinWindowRecord& r = *frame.record;
  if (showing && r.hidden == 0) {
    {
      const rt::PaintScope paint(hwnd);
      ComposeMainFrame(frame.index, true);
    }
    r.shownComposed = 1;
    r.recompose = 0;
    if (r.shadowHwnd != nullptr && r.maximized == 0) {
      ShowWindow(r.shadowHwnd, SW_SHOWNA);
      AlignShadow(hwnd);
    }
    r.hidden = 0;
  } else {
    r.hidden = 1;
    r.shownComposed = 0;
    ShowShadow(r.shadowHwnd, false);
  }
  SyncCompanionWindows(hwnd, true);
}

void OnEraseBackground(HWND hwnd, SkinWindowRecord& r, HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  if (r.recompose != 0 && r.sizing == 0 && r.compositionDc.get() != nullptr && r.shownComposed == 0 &&
      r.erasedSincePaint == 0) {
    PaintBackgroundFromForm(hwnd, HostLink::Hw, ChildClip::SelfPainting);
    r.erasedSincePaint = 1;
  }
}

LRESULT OnPaint(HWND hwnd, const SkinFrame& frame, WPARAM wParam, LPARAM lParam) {
  assert(frame);
  SkinWindowRecord& r = *frame.record;
  rt::PaintScope paint(hwnd);
  if (r.minimized != 0) {
    r.recompose = 0;
    paint.reset();
    return DefWindowProcA(hwnd, WM_PAINT, wParam, lParam);
  }
  if (r.recompose != 0) {
    ComposeMainFrame(frame.index, true);
    if (r.repaintPending != 0) {
      r.repaintPending = 0;
      InvalidateListViews(hwnd);
    }
    paint.reset();
    r.erasedSincePaint = 0;
    r.shownComposed = 0;
    return 0;
  }
  BlitFrameCache(frame.index);
  r.recompose = 0;
  paint.reset();
  RedrawTransparentChildren(hwnd);
  return 0;
}

void OnGetMinMaxInfo(const SkinWindowRecord& r, LPARAM lParam) {
  const RECT area = WorkArea();
  MINMAXINFO info = *reinterpret_cast<const MINMAXINFO*>(lParam);
  if (r.maximized != 0) {
    info.ptMinTrackSize = {r.minTrackWidth, r.minTrackHeight};
    info.ptMaxTrackSize = {area.right - area.left, area.bottom - area.top};
  } else if (r.trackLimits != 0) {
    info.ptMinTrackSize = {r.minTrackWidth, r.minTrackHeight};
    info.ptMaxTrackSize = {r.maxTrackWidth, r.maxTrackHeight};
  } else {
    return;
  }
  *reinterpret_cast<MINMAXINFO*>(lParam) = info;
}

// A frame without a system frame that the system maximizes covers the
// whole screen; it is brought back to the work area.
void OnWindowPosChanged(HWND hwnd, const SkinFrame& frame) {
  assert(frame);
  SkinWindowRecord& r = *frame.record;
  if (r.maximizeButton == 1) {
    const RECT area = WorkArea();
    RECT client{};
    GetClientRect(hwnd, &client);
    if (client.right == GetSystemMetrics(SM_CXSCREEN) && client.bottom == GetSystemMetrics(SM_CYSCREEN)) {
      r.maximized = 1;
      SetWindowPos(hwnd, nullptr, 0, 0, area.right - area.left, area.bottom - area.top,
                   SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
  }
  // The move above ran this procedure again inside.
  const SkinFrame again = FindSkinFrame(hwnd);
  if (!again) return;
  LayoutCaptionButtons(again.index);
  if (again->bottomBarHeight > 0) LayoutBottomBar(again.index);
  SyncCompanionWindows(hwnd);
}

void OnSize(HWND hwnd, const SkinFrame& frame) {
  assert(frame);
  SkinWindowRecord& r = *frame.record;
  if (r.minimized == 0) InvalidateWindowCaches(hwnd);
  r.hoverButton = 0;
  if (FirstSizePending == 1) {
    r.recompose = 0;
    FirstSizePending = 0;
  } else {
    r.recompose = 1;
  }
  ReanchorFrameChildren(frame.index);
}

void OnLeftButtonDown(HWND hwnd, SkinFrame frame, LPARAM lParam) {
  assert(frame);
  RECT client{};
  GetClientRect(hwnd, &client);
  frame->fadeIn.button = 0;  // the fade-in stops where it is
  if (frame->maximized == 0 && frame->minimized == 0) {
    // The system's size or move loop runs inside.
    BeginDragOrResize(frame.index, lParam, client);
    frame = FindSkinFrame(hwnd);
    if (!frame) return;
  }
  const int x = MouseX(lParam), y = MouseY(lParam);
  HotCaptionButton = FindCaptionButtonAt(frame.index, x, y);
  if (HotCaptionButton > 0) PaintCaptionButton(frame.index, HotCaptionButton, true);
  const int item = FindBottomBarItemAt(frame.index, x, y);
  if (item >= 1 && frame->bottomClickRoutine != nullptr) CallItemRoutine(frame->bottomClickRoutine, item);
}

void OnLeftButtonUp(const SkinFrame& frame) {
  assert(frame);
  if (CaptionClickRoutine == nullptr || frame->frameSwitch == 0) return;
  if (HotCaptionButton >= 1 && HotCaptionButton <= static_cast<int>(frame->captionButtons.size())) {
    CaptionClickRoutine(frame.index, HotCaptionButton);
  }
}

void OnLeftDoubleClick(const SkinFrame& frame, LPARAM lParam) {
  assert(frame);
  const int x = MouseX(lParam), y = MouseY(lParam);
  const int item = FindBottomBarItemAt(frame.index, x, y);
  if (item >= 1) {
    if (frame->bottomDoubleClickRoutine != nullptr) CallItemRoutine(frame->bottomDoubleClickRoutine, item);
    return;
  }
  if (y <= frame->captionHeight && frame->sizable != 0) {
    const int button = FindMaximizeButton(frame.index);
    if (button > 0) OnCaptionButtonClick(frame.index, button);
  }
}

// The low four bits are part of the comparison: the variants the system
// sends for a caption double click change no flag.
void OnSysCommand(SkinWindowRecord& r, WPARAM command) {
  switch (command) {
    case SC_MAXIMIZE:
      r.maximized = 1;
      r.recompose = 1;
      ShowShadow(r.shadowHwnd, false);
      break;
    case SC_RESTORE:
      // The restore click clears `maximized` before it posts the command.
      r.recompose = 1;
      r.minimized = 0;
      ShowShadow(r.shadowHwnd, r.maximized == 0);
      break;
    case SC_MINIMIZE:
      r.recompose = 1;
      r.minimized = 1;
      ShowShadow(r.shadowHwnd, false);
      break;
    default:
      break;
  }
}

}  // namespace

LRESULT CALLBACK MainFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // The handlers below are handed this frame: found, so they only assert
  // it, until something of theirs may re-enter.
  const SkinFrame frame = FindSkinFrame(hwnd);
  // A window whose skin has ended meanwhile is left to its own procedure.
  if (!frame) return CallSaved(hwnd, message, wParam, lParam);
  SkinWindowRecord& r = *frame.record;

  switch (message) {
    case WM_INITMENUPOPUP:
      OnFrameInitMenuPopup(wParam);
      break;
    case WM_MEASUREITEM:
      OnFrameMeasureItem(hwnd, wParam, lParam);
      break;
    case WM_CLOSE:
      return OnClose(hwnd, frame, wParam, lParam);
    case WM_DESTROY: {
      // The children still exist here, and with them the properties that
      // hold their brushes; at WM_NCDESTROY they are gone.
      const LRESULT result = CallSaved(hwnd, message, wParam, lParam);
      DeleteChildBrushes(hwnd);
      return result;
    }
    case WM_PARENTNOTIFY:
      // A child destroyed before the frame takes the pair it was given.
      DeleteBrushesOfGoingChildren(hwnd, message, wParam, lParam);
      break;
    case WM_NCDESTROY:
      KillTimer(hwnd, CaptionHoverTimerId(hwnd));
      ReleaseWindowSkin(hwnd);
      break;
    case WM_SIZING:
      r.sizing = 1;
      break;
    case WM_MOVING:
      r.moving = 1;
      break;
    case WM_EXITSIZEMOVE:
      r.moving = 0;
      r.sizing = 0;
      break;
    case WM_SHOWWINDOW:
      OnShowWindow(hwnd, frame, wParam == 1);
      break;
    case WM_ENABLE:
      if (r.shadowHwnd != nullptr && r.maximized == 0) EnableWindow(r.shadowHwnd, static_cast<BOOL>(wParam));
      break;
    case WM_ERASEBKGND:
      OnEraseBackground(hwnd, r, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_PAINT:
      return OnPaint(hwnd, frame, wParam, lParam);
    case WM_MOUSEMOVE:
      OnFrameMouseMove(frame.index, lParam);
      break;
    case WM_MOUSEHOVER:
      r.hoverReported = 1;
      break;
    case WM_MOUSELEAVE:
      OnFrameMouseLeave(frame.index);
      break;
    case WM_TIMER:
      if (wParam == CaptionHoverTimerId(hwnd)) OnCaptionHoverTick(frame.index);
      break;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(r, lParam);
      break;
    case WM_WINDOWPOSCHANGING: {
      const WINDOWPOS position = *reinterpret_cast<const WINDOWPOS*>(lParam);
      // A message that keeps the size carries none; the shadow then keeps
      // to the frame's own.
      if ((position.flags & SWP_NOSIZE) != 0 || (position.cx > 0 && position.cy > 0)) {
        AlignShadowToWindowPos(hwnd, position);
      }
      break;
    }
    case WM_WINDOWPOSCHANGED:
      OnWindowPosChanged(hwnd, frame);
      break;
    case WM_SIZE:
      OnSize(hwnd, frame);
      break;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(hwnd, frame, lParam);
      break;
    case WM_LBUTTONUP:
      OnLeftButtonUp(frame);
      break;
    case WM_RBUTTONDOWN: {
      const int item = FindBottomBarItemAt(frame.index, MouseX(lParam), MouseY(lParam));
      if (item >= 1 && r.bottomRightClickRoutine != nullptr) CallItemRoutine(r.bottomRightClickRoutine, item);
      break;
    }
    case WM_LBUTTONDBLCLK:
      OnLeftDoubleClick(frame, lParam);
      break;
    case WM_SYSCOMMAND:
      OnSysCommand(r, wParam);
      break;
    case WM_QUERYOPEN:
      r.minimized = 0;
      r.repaintPending = 1;
      ShowShadow(r.shadowHwnd, r.maximized != 1);
      break;
    case WM_SETTEXT:
      if (r.showTitle != 0 && r.frameSwitch != 0 && lParam != 0) {
        RepaintTitle(frame.index, rt::Text(reinterpret_cast<const char*>(lParam)));
      }
      break;
    case WM_DRAWITEM:
      if (RouteFrameDrawItem(frame.index, lParam)) return TRUE;
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (const auto brush = AnswerControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
        return reinterpret_cast<LRESULT>(*brush);
      }
      break;
    case WM_ACTIVATEAPP:
      if (wParam == 0) {
        r.active = 0;
        TrimWorkingSet();
      } else if (wParam == 1) {
        r.active = 1;
      }
      break;
    case WM_ACTIVATE:
      // Only the sign of the whole value counts: deactivated while
      // minimized still reads as active.
      r.active = static_cast<std::int32_t>(wParam) > 0 ? 1 : 0;
      break;
    case WM_COMMAND:
      OnFrameCommand(wParam, lParam);
      break;
    case WM_NOTIFY:
      OnFrameNotify(lParam);
      break;
    default:
      break;
  }
  return CallSaved(hwnd, message, wParam, lParam);
}

}  // namespace skin
