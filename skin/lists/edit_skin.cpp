#include "skin/lists/edit_skin.h"

#include "skin/core/cache_invalidation.h"
#include "skin/core/control_brush.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/hot_control.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/edit_painters.h"
#include "skin/lists/native_bar_state.h"
#include "skin/lists/scroll_bar_painter.h"
#include "skin/lists/scroll_overlay.h"
#include "skin/core/control_links.h"

namespace skin {

namespace {

// What the system paints for WM_NCPAINT with this region: no native frame.
constexpr WPARAM kNoFrameRegion = 0xFFFFFFFF;

LRESULT PassOn(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(edit, EditSkinProc, message, wParam, lParam);
}

bool IsRichEdit(HWND edit) { return IsClass(edit, "RichEdit20A"); }

void Invalidate(HWND edit) { InvalidateRect(edit, nullptr, TRUE); }

// The edit's record and its host, found only when the edit's properties
// name a record of this very edit.
using Listing = ControlLink<EditRecord>;

Listing FindListing(HWND edit) { return FindControlLink(edit, &SkinWindowRecord::edits); }

void RepaintVBar(HWND edit) {
  const Listing l = FindListing(edit);
  if (l.record && l.record->vScrollOverlay && HasVScrollStyle(edit)) PaintVScrollBar(edit);
}

void RepaintHBar(HWND edit) {
  const Listing l = FindListing(edit);
  if (l.record && l.record->hScrollOverlay && HasHScrollStyle(edit)) PaintHScrollBar(edit);
}

void RepaintBars(HWND edit) {
  RepaintVBar(edit);
  RepaintHBar(edit);
}

NativeBarStates ReadBars(HWND edit, const EditRecord& record) {
  return ReadNativeBars(edit, record.vScrollOverlay, record.hScrollOverlay);
}

// Repaints the bars whose state the message changed.
void RepaintMovedBars(HWND edit, const NativeBarStates& before) {
  const Listing l = FindListing(edit);
  if (l.record == nullptr) return;
  const NativeBarStates after = ReadBars(edit, *l.record);
  if (!SameBarState(before.v, after.v)) RepaintVBar(edit);
  if (!SameBarState(before.h, after.h)) RepaintHBar(edit);
}

void TrackHover(HWND edit, const Listing& l) {
  SkinWindowRecord& host = *l.host;
  const HWND parent = GetParent(edit);
  if (EnterHotControl(edit, host, l.listIndex, HotKind::Edit) || host.hotEditParent != parent) {
    PaintEditFrame(edit, std::nullopt, 1);
    host.hotEditParent = parent;
  }
}

void ShowCompanion(HWND edit, WPARAM shown) {
  if (prop::Read(edit, prop::kAltTint) != 1) return;
  if (HWND companion = prop::ReadHandle<HWND>(edit, prop::kEditCompanion))
    ShowWindow(companion, shown >= 1 ? SW_SHOWNA : SW_HIDE);
}

LRESULT HandleMessage(HWND edit, const Listing& l, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      DeleteControlBrush(edit);
      break;
    case WM_MOUSEMOVE:
      TrackHover(edit, l);
      break;
    case WM_MOUSELEAVE:
      LeaveHotControl(*l.host);
      PaintEditFrame(edit, l.record->focused);
      break;
    case WM_SHOWWINDOW:
      ShowCompanion(edit, wParam);
      LayoutScrollOverlays(edit);
      break;
    case WM_MOVE:
      if (TransparencyMode && !IsRichEdit(edit)) Invalidate(edit);
      LayoutScrollOverlays(edit);
      break;
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(edit);
      break;
    case WM_WINDOWPOSCHANGED:
      LayoutScrollOverlays(edit);
      break;
    case WM_ERASEBKGND:
      if (TransparencyMode) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        PaintEditBackground(edit, dc);
        return 1;
      }
      break;
    case WM_PAINT: {
      PaintEditFrame(edit);
      const LRESULT result = PassOn(edit, message, wParam, lParam);
      rt::WindowDc dc(edit);
      BlitControlToHost(edit, dc.get());
      return result;
    }
    case WM_SETFOCUS: {
      l.record->focused = 1;
      const LRESULT result = PassOn(edit, message, wParam, lParam);
      // Show the focus look now rather than at the next non-client paint.
      PaintEditFrame(edit);
      return result;
    }
    case WM_KILLFOCUS:
      l.record->focused = 0;
      if (IsClass(GetParent(edit), "ComboBox")) {
        PaintEditFrame(edit, std::nullopt, 0);
      } else {
        Invalidate(edit);
      }
      break;
    case WM_NCLBUTTONDOWN:
    case WM_NCMOUSELEAVE:
      // The hot look goes.
      RepaintBars(edit);
      break;
    case WM_LBUTTONDOWN:
      l.record->buttonHeld = 1;
      if (TransparencyMode && HasAnyScrollStyle(edit) == 0 && !IsRichEdit(edit)) Invalidate(edit);
      break;
    case WM_LBUTTONUP:
      l.record->buttonHeld = 0;
      break;
    case WM_VSCROLL:
    case WM_HSCROLL: {
      const LRESULT result = PassOn(edit, message, wParam, lParam);
      if (TransparencyMode && !IsRichEdit(edit)) Invalidate(edit);
      return result;
    }
    case WM_NCPAINT:
      PaintEditFrame(edit);
      return DefWindowProcA(edit, WM_NCPAINT, kNoFrameRegion, lParam);
    case WM_NCMOUSEMOVE:
      if (l.record->vScrollOverlay && HasVScrollStyle(edit)) PaintVScrollBar(edit, HitTestVScroll(edit, lParam));
      if (l.record->hScrollOverlay && HasHScrollStyle(edit)) PaintHScrollBar(edit, HitTestHScroll(edit, lParam));
      break;
    default:
      break;
  }
  return PassOn(edit, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK EditSkinProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  const Listing l = FindListing(edit);
  if (l.record == nullptr) return PassOn(edit, message, wParam, lParam);
  // An edit scrolls within many messages (wheel, keys, its bars, the
  // application's calls, a drag, a timer) and tells nobody when it does:
  // a rich edit sends no scroll notification unless asked, a plain one
  // sends it before moving its bar. So the painted bars are repainted after
  // any message that changed the native ones.
  const NativeBarStates before = ReadBars(edit, *l.record);
  const LRESULT result = HandleMessage(edit, l, message, wParam, lParam);
  if (message != WM_DESTROY && message != WM_NCDESTROY) RepaintMovedBars(edit, before);
  return result;
}

void RepaintEditScrollBars(HWND edit) {
  const EditRecord* record = FindListing(edit).record;
  if (record == nullptr) return;
  if (record->vScrollOverlay != nullptr && HasVScrollStyle(edit)) PaintVScrollBar(edit);
  if (record->hScrollOverlay != nullptr && HasHScrollStyle(edit)) PaintHScrollBar(edit);
}

}  // namespace skin
