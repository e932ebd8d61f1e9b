#include "skin/lists/list_control_skin.h"

#include "runtime/gdi_object.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/child_clipping.h"
#include "skin/core/control_links.h"
#include "skin/core/control_background.h"
#include "skin/core/control_brush.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/hot_control.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/keyed_composition.h"
#include "skin/lists/list_control_painters.h"
#include "skin/lists/native_bar_state.h"
#include "skin/lists/scroll_bar_painter.h"
#include "skin/lists/scroll_overlay.h"
#include "skin/lists/tree_view_painter.h"

namespace skin {

namespace {

// What the system paints for WM_NCPAINT with this region: no native frame.
constexpr WPARAM kNoFrameRegion = 0xFFFFFFFF;
constexpr COLORREF kKey = 0xFF00FF;

LRESULT PassOn(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(control, ListControlSkinProc, message, wParam, lParam);
}

// The control's record and its host, found only when the control's
// properties name a record of this very control.
using Listing = ControlLink<ListControlRecord>;

Listing FindListing(HWND control) { return FindControlLink(control, &SkinWindowRecord::listControls); }

// The painters below may re-enter the procedure; the record is looked up
// again rather than held across them.
ListControlRecord* Record(HWND control) { return FindListing(control).record; }

void RepaintVBar(HWND control, ScrollBarPart hot = ScrollBarPart::None) {
  const ListControlRecord* r = Record(control);
  if (r && r->vScrollOverlay && HasVScrollStyle(control)) PaintVScrollBar(control, hot);
}

void RepaintHBar(HWND control, ScrollBarPart hot = ScrollBarPart::None) {
  const ListControlRecord* r = Record(control);
  if (r && r->hScrollOverlay && HasHScrollStyle(control)) PaintHScrollBar(control, hot);
}

void RepaintBars(HWND control, ScrollBarPart hot = ScrollBarPart::None) {
  RepaintVBar(control, hot);
  RepaintHBar(control, hot);
}

bool HasHotPart(const ListControlRecord& r) { return static_cast<int>(r.hotPart) > 0; }

void ClearHotPart(HWND control) {
  RepaintBars(control);
  if (ListControlRecord* r = Record(control)) r->hotPart = ScrollBarPart::None;
}

void OnMouseMove(HWND control, const Listing& l, LPARAM lParam) {
  ListControlRecord& r = *l.record;
  r.lastMouseX = MouseX(lParam);  // signed: left of or above the client
  r.lastMouseY = MouseY(lParam);
  // The leave is always asked for, so the hover ring ends with the mouse;
  // hover reports only while hover tracking is on.
  const DWORD hover = r.hoverReported == 0 && ListHoverTracking ? TME_HOVER : 0;
  if (EnterHotControl(control, *l.host, l.listIndex, HotKind::ListControl, hover)) {
    r.hover = 1;
    PaintSkinFrame(l.windowIndex, l.listIndex, 1);
  }
  if (const ListControlRecord* again = Record(control); again && HasHotPart(*again)) ClearHotPart(control);
}

void OnMouseLeave(HWND control, const Listing& l) {
  ListControlRecord& r = *l.record;
  r.hoverReported = 0;
  r.lastMouseX = -1;
  r.lastMouseY = -1;
  LeaveHotControl(*l.host);
  if (l.listIndex > 0) {
    r.hover = 0;
    PaintSkinFrame(l.windowIndex, l.listIndex, 0);
  }
  if (const ListControlRecord* again = Record(control); again && HasHotPart(*again)) RepaintBars(control);
}

void InvalidateInTransparency(HWND control) {
  if (TransparencyMode) InvalidateRect(control, nullptr, TRUE);
}

// The child's text colour and the pattern brush of its tinted background.
LRESULT ColourChild(HDC dc, HWND child) {
  const char* colour = IsWindowEnabled(child) ? prop::kTextColour : prop::kDisabledTextColour;
  SetTextColor(dc, static_cast<COLORREF>(prop::Read(child, colour)));
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(RenewControlBrush(child));
}

// A list box that draws its own items fills every row (and the rest of
// its client) with the DC's background colour, whatever the background
// mode: such lists draw onto the colour key (and its complement) first,
// so that only the text and the selection reach the tinted background.
// Owner-draw lists are drawn by their owners and go straight onto the
// background.
bool FillsWithBackgroundColour(HWND control) {
  return (IsClass(control, "ListBox") || IsClass(control, "ComboLBox")) &&
         (GetWindowLongPtrA(control, GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) == 0;
}

// An IP-address control fills its client with the window colour under its
// fields and dots, whatever the DC holds: that colour is keyed out, so
// that the tinted background shows around the fields.
bool FillsWithWindowColour(HWND control) { return IsClass(control, "SysIPAddress32"); }

void NativePaint(HWND control, HDC dc, LPARAM lParam) {
  CallSavedProcedure(control, ListControlSkinProc, WM_PAINT, reinterpret_cast<WPARAM>(dc), lParam);
}

// The list's own drawing of its items over `key`, which fills their rows.
void PaintItemsOver(HWND control, HDC dc, const RECT& client, COLORREF key, LPARAM lParam) {
  FillKeyColour(dc, client, key);
  SetBkColor(dc, key);
  NativePaint(control, dc, lParam);
}

// Draws the native control over its tinted background off screen, then
// shows the result and stores it in the host's composition image.
void PaintOverBackground(HWND control, LPARAM lParam) {
  RECT client{};
  GetClientRect(control, &client);
  const CachedDc image = MakeBackgroundDc(control);
  if (!image) return;
  if (FillsWithBackgroundColour(control)) {
    // Drawn over the key and over its complement: smoothed texts blend
    // their edges into the key, and the two drawings tell how much.
    const CachedDc overKey = CreateDibDc(client);
    const CachedDc overComplement = CreateDibDc(client);
    if (overKey && overComplement) {
      PaintItemsOver(control, overKey.get(), client, kKey, lParam);
      PaintItemsOver(control, overComplement.get(), client, ComplementKey(kKey), lParam);
      LayDrawingOverKeys(image.get(), overKey.get(), overComplement.get(), kKey, client.right, client.bottom);
    }
  } else if (FillsWithWindowColour(control)) {
    const CachedDc native = CreateDibDc(client);
    if (native) {
      NativePaint(control, native.get(), lParam);
      TransparentBlt(image.get(), 0, 0, client.right, client.bottom, native.get(), 0, 0, client.right,
                     client.bottom, GetSysColor(COLOR_WINDOW));
    }
  } else {
    NativePaint(control, image.get(), lParam);
  }
  const ListControlRecord* r = Record(control);
  if (IsClass(control, "SysListView32")) {
    if (r && r->listViewBackColour != 0)
      BlitWithColourKey(image.get(), GetSysColor(COLOR_BTNFACE), r->listViewBackColour, client.right, client.bottom);
  } else if (IsClass(control, "SysIPAddress32")) {
    PaintIpAddress(control, image.get());
  }
  {
    const rt::WindowDc screen = GetDcWithoutChildren(control);
    BitBlt(screen.get(), 0, 0, client.right, client.bottom, image.get(), 0, 0, SRCCOPY);
  }
  BlitControlToHost(control, image.get());
}

LRESULT OnPaint(HWND control, const Listing& l, WPARAM wParam, LPARAM lParam) {
  PaintSkinFrame(l.windowIndex, l.listIndex);
  // Found again, host and all: the frame's painting may have re-entered.
  const Listing now = FindListing(control);
  if (!now) return PassOn(control, WM_PAINT, wParam, lParam);
  ListControlRecord* r = now.record;
  // The composite is reused only while the window is being moved and the
  // mouse has not hovered over the control.
  if (now.host->moving == 0 || r->hoverReported == 1) r->dirty = 1;

  if (r->dirty == 0) {
    {
      const rt::PaintScope paint(control);
      PaintBackgroundFromForm(control, paint.get());
    }
    return DefWindowProcA(control, WM_PAINT, wParam, lParam);
  }
  if (!TransparencyMode) return PassOn(control, WM_PAINT, wParam, lParam);

  if (IsClass(control, "SysTreeView32")) {
    const rt::PaintScope paint(control);
    PaintTreeView(control);
    return 0;
  }
  const bool listView = IsClass(control, "SysListView32");
  if (!(listView || IsClass(control, "ListBox") || IsClass(control, "ComboLBox") ||
        IsClass(control, "SysDateTimePick32") || IsClass(control, "SysIPAddress32"))) {
    return PassOn(control, WM_PAINT, wParam, lParam);
  }
  if (listView && now.host->repaintPending) {
    rt::PaintScope{control};  // validates the update region
    return DefWindowProcA(control, WM_PAINT, wParam, lParam);
  }
  PaintOverBackground(control, lParam);
  InvalidateVisibleChildren(control);
  if (ListControlRecord* again = Record(control)) again->dirty = 0;
  return DefWindowProcA(control, WM_PAINT, wParam, lParam);
}

}  // namespace

void ForgetTreeIconSet(HWND control) {
  for (TreeIconSet& set : TreeIconSets) {
    if (set.hwnd == control) {
      set.released = 1;
      return;
    }
  }
}

namespace {

// Repaints the bars whose native state the message changed, with the hot
// part the mouse left on them.
void RepaintMovedBars(HWND control, const NativeBarStates& before) {
  const ListControlRecord* r = Record(control);
  if (r == nullptr) return;
  const ScrollBarPart hot = r->hotPart;
  const NativeBarStates after = ReadNativeBars(control, r->vScrollOverlay, r->hScrollOverlay);
  if (!SameBarState(before.v, after.v)) RepaintVBar(control, hot);
  if (!SameBarState(before.h, after.h)) RepaintHBar(control, hot);
}

LRESULT HandleMessage(HWND control, const Listing& l, UINT message, WPARAM wParam, LPARAM lParam) {
  ListControlRecord& r = *l.record;
  switch (message) {
    case WM_DESTROY: {
      const LRESULT result = PassOn(control, message, wParam, lParam);
      DeleteBrushesOfGoingChildren(control, message, wParam, lParam);
      return result;
    }
    case WM_PARENTNOTIFY:
      // A label editor ends by being destroyed; the brush it was given
      // goes with it.
      DeleteBrushesOfGoingChildren(control, message, wParam, lParam);
      break;
    case WM_NCDESTROY:
      ForgetTreeIconSet(control);
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(control, l, lParam);
      break;
    case WM_MOUSEHOVER:
      r.hoverReported = 1;
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave(control, l);
      break;
    case WM_SHOWWINDOW:
      LayoutScrollOverlays(control, std::nullopt, std::nullopt, static_cast<int>(wParam));
      break;
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(control);
      break;
    case WM_MOVE:
      InvalidateInTransparency(control);
      break;
    case WM_WINDOWPOSCHANGED:
      LayoutScrollOverlays(control);
      if (ListControlRecord* again = Record(control)) again->dirty = 1;
      break;
    case WM_ERASEBKGND:
      if (TransparencyMode) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
      }
      break;
    case WM_PAINT:
      return OnPaint(control, l, wParam, lParam);
    case WM_SETFOCUS:
      r.focused = 1;
      PaintSkinFrame(l.windowIndex, l.listIndex);
      break;
    case WM_KILLFOCUS:
      r.focused = 0;
      PaintSkinFrame(l.windowIndex, l.listIndex);
      break;
    case WM_SETTEXT:
      r.dirty = 1;
      break;
    case WM_NCPAINT:
      PaintSkinFrame(l.windowIndex, l.listIndex);
      if (HasAnyScrollStyle(control)) RepaintBars(control);
      return DefWindowProcA(control, WM_NCPAINT, kNoFrameRegion, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
      r.dirty = 1;
      InvalidateInTransparency(control);
      break;
    case WM_KEYDOWN:
      r.dirty = 1;
      if (wParam >= VK_LEFT && wParam <= VK_DOWN) r.arrowKeyDown = 1;
      break;
    case WM_KEYUP:
      r.dirty = 1;
      r.arrowKeyDown = 0;
      break;
    case WM_NCLBUTTONDOWN:
      if (wParam == HTVSCROLL) RepaintVBar(control, HitTestVScroll(control, lParam));
      else if (wParam == HTHSCROLL) RepaintHBar(control, HitTestHScroll(control, lParam));
      break;
    case WM_NCMOUSEMOVE:
      if (wParam == HTVSCROLL) {
        if (r.vScrollOverlay && HasVScrollStyle(control)) {
          r.hotPart = HitTestVScroll(control, lParam);
          RepaintVBar(control, r.hotPart);
        }
      } else if (wParam == HTHSCROLL) {
        if (r.hScrollOverlay && HasHScrollStyle(control)) {
          r.hotPart = HitTestHScroll(control, lParam);
          RepaintHBar(control, r.hotPart);
        }
      } else if (HasHotPart(r)) {
        ClearHotPart(control);
      }
      break;
    case WM_NCMOUSELEAVE:
      if (HasHotPart(r)) ClearHotPart(control);
      break;
    case WM_CTLCOLOREDIT:
      if (!IsClass(GetParent(reinterpret_cast<HWND>(lParam)), "ComboBox") && SkinChildControls == 1 &&
          TransparencyMode == 1) {
        return ColourChild(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      }
      break;
    case WM_CTLCOLORSTATIC:
      if (SkinChildControls == 1 && TransparencyMode == 1)
        return ColourChild(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      break;
    default:
      break;
  }
  return PassOn(control, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK ListControlSkinProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const Listing l = FindListing(control);
  if (!l) {
    // Without its record a control is not painted, but never loses its
    // native frame to a skipped WM_NCPAINT either.
    return PassOn(control, message, wParam, lParam);
  }
  // A control scrolls within many messages (keys, the wheel, its bars, the
  // application's calls, a paint, a drag) and moves its bar inside its own
  // procedure: the painted bars are repainted after any message that
  // changed the native ones.
  const NativeBarStates before = ReadNativeBars(control, l.record->vScrollOverlay, l.record->hScrollOverlay);
  const LRESULT result = HandleMessage(control, l, message, wParam, lParam);
  if (message != WM_DESTROY && message != WM_NCDESTROY) RepaintMovedBars(control, before);
  return result;
}

}  // namespace skin
