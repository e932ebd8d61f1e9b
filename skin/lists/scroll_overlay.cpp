#include "skin/lists/scroll_overlay.h"

#include "runtime/gdi_object.h"
#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/scroll_bar_painter.h"

namespace skin {

namespace {

constexpr int kParkedSize = 10;

// The bar's rectangle in the client coordinates of the control's parent,
// where its overlay lives; a parent's border or caption is allowed for.
RECT BarInParent(HWND control, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(control, object, &info);
  RECT bar = info.rcScrollBar;
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&bar), 2);
  return bar;
}

HWND CreateOverlay(HWND control, int shown, LONG object, WNDPROC procedure) {
  DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_DISABLED;
  RECT place{0, 0, kParkedSize, kParkedSize};
  if (shown) {
    style |= WS_VISIBLE;
    place = BarInParent(control, object);
  }
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  const HWND overlay = CreateWindowExA(0, "Static", "", style, place.left, place.top, width, height,
                                       GetParent(control), nullptr, GetModuleHandleA(nullptr), nullptr);
  if (overlay == nullptr) return nullptr;
  prop::WriteHandle(overlay, prop::kOverlayTarget, control);
  prop::Write(overlay, prop::kHostIndex, FindSkinWindowOfAncestor(overlay));
  InstallProcedure(overlay, procedure);
  SetWindowPos(overlay, HWND_TOP, place.left, place.top, width, height, 0);
  return overlay;
}

LRESULT OverlayProc(HWND overlay, WNDPROC self, UINT message, WPARAM wParam, LPARAM lParam,
                    void (*paint)(HWND, ScrollBarPart)) {
  if (message == WM_PAINT) {
    const rt::PaintScope scope(overlay);
    paint(prop::ReadHandle<HWND>(overlay, prop::kOverlayTarget), ScrollBarPart::None);
    return 0;
  }
  return CallSavedProcedure(overlay, self, message, wParam, lParam);
}

void ShowOverlay(HWND overlay, bool show) {
  if (overlay) ShowWindow(overlay, show ? SW_SHOWNA : SW_HIDE);
}

void HideIfVisible(HWND overlay) {
  if (overlay && IsVisibleStyle(overlay)) ShowWindow(overlay, SW_HIDE);
}

void PlaceOverlay(HWND control, HWND overlay, LONG object) {
  const RECT bar = BarInParent(control, object);
  SetWindowPos(overlay, HWND_TOP, bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top, 0);
}

}  // namespace

std::optional<ScrollBarFields> FindScrollBarFields(HWND control) {
  const auto fieldsOf = [](auto* r) {
    return ScrollBarFields{&r->vScrollOverlay, &r->hScrollOverlay, &r->vScrollParts, &r->hScrollParts,
                           &r->vScrollImage,   &r->hScrollImage};
  };
  if (IsEditClass(control)) {
    if (const auto edit = FindControlLink(control, &SkinWindowRecord::edits)) return fieldsOf(edit.record);
  } else if (const auto list = FindControlLink(control, &SkinWindowRecord::listControls)) {
    return fieldsOf(list.record);
  }
  return std::nullopt;
}

HWND CreateVScrollOverlay(HWND control, int shown) {
  return CreateOverlay(control, shown, OBJID_VSCROLL, VScrollOverlayProc);
}

HWND CreateHScrollOverlay(HWND control, int shown) {
  return CreateOverlay(control, shown, OBJID_HSCROLL, HScrollOverlayProc);
}

LRESULT CALLBACK VScrollOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam) {
  return OverlayProc(overlay, VScrollOverlayProc, message, wParam, lParam,
                     [](HWND c, ScrollBarPart hot) { PaintVScrollBar(c, hot); });
}

LRESULT CALLBACK HScrollOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam) {
  return OverlayProc(overlay, HScrollOverlayProc, message, wParam, lParam,
                     [](HWND c, ScrollBarPart hot) { PaintHScrollBar(c, hot); });
}

void LayoutScrollOverlays(HWND control, std::optional<HWND> horizontal, std::optional<HWND> vertical, int show) {
  const std::optional<ScrollBarFields> fields = FindScrollBarFields(control);
  const HWND h = horizontal ? *horizontal : (fields ? *fields->hOverlay : nullptr);
  const HWND v = vertical ? *vertical : (fields ? *fields->vOverlay : nullptr);
  const bool visible = IsVisibleStyle(control);
  const bool hasV = HasVScrollStyle(control);
  const bool hasH = HasHScrollStyle(control);

  if (IsEditClass(control)) {
    // An edit's overlays follow its own visibility; the show state is not used.
    if (hasV) ShowOverlay(v, visible); else HideIfVisible(v);
    if (hasH) ShowOverlay(h, visible); else HideIfVisible(h);
  } else {
    const bool shown = show == -1 ? visible : show >= 1;
    if (hasV && v) ShowOverlay(v, shown); else if (!hasV) HideIfVisible(v);
    if (hasH && h) ShowOverlay(h, shown); else if (!hasH) HideIfVisible(h);
  }

  // A hidden control's overlays keep their place.
  if (!visible) return;
  if (v) PlaceOverlay(control, v, OBJID_VSCROLL);
  if (h) PlaceOverlay(control, h, OBJID_HSCROLL);
}

int HasAnyScrollStyle(HWND control) {
  return HasVScrollStyle(control) || HasHScrollStyle(control) ? 1 : 0;
}

}  // namespace skin
