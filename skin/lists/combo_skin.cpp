#include "skin/lists/combo_skin.h"

#include "runtime/gdi_object.h"
#include "skin/core/control_links.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/control_brush.h"
#include "skin/core/engine_globals.h"
#include "skin/core/hot_control.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/combo_painter.h"

namespace skin {

namespace {

constexpr WPARAM kNoFrameRegion = 0xFFFFFFFF;

LRESULT PassOn(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(combo, ComboSkinProc, message, wParam, lParam);
}

bool HasEditField(HWND combo) { return FindWindowExA(combo, nullptr, "Edit", nullptr) != nullptr; }

bool IsEdit(HWND window) { return IsClass(window, "Edit"); }

}  // namespace

LRESULT CALLBACK ComboSkinProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto linked = FindControlLink(combo, &SkinWindowRecord::combos);
  if (!linked) return PassOn(combo, message, wParam, lParam);
  const auto [host, record, w, i] = linked;

  switch (message) {
    case WM_DESTROY: {
      // The pair handed to the edit field goes with the combo box: a field
      // without a skin of its own never frees it.
      const LRESULT result = PassOn(combo, message, wParam, lParam);
      DeleteBrushesOfGoingChildren(combo, message, wParam, lParam);
      return result;
    }
    case WM_MOUSEMOVE:
      if (EnterHotControl(combo, *host, i, HotKind::ComboBox)) PaintComboBox(w, i, 1);
      break;
    case WM_MOUSELEAVE:
      PaintComboBox(w, i, 0);
      LeaveHotControl(*host);
      break;
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(combo);
      break;
    case WM_MOVE:
      PaintComboBox(w, i);
      break;
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_PAINT: {
      const rt::PaintScope paint(combo);
      PaintComboBox(w, i);
      return 0;
    }
    case WM_SETFOCUS:
      record->focused = 1;
      PaintComboBox(w, i, std::nullopt, 1);
      break;
    case WM_KILLFOCUS: {
      record->focused = 0;
      const LRESULT result = PassOn(combo, message, wParam, lParam);
      // Repainted after passing on also when the focus went to the combo
      // box's own edit field: no unfocused combo box keeps the accent
      // border.
      PaintComboBox(w, i);
      return HasEditField(combo) ? result : 0;
    }
    case WM_SETTEXT:
      PassOn(combo, message, wParam, lParam);
      if (HasEditField(combo)) InvalidateRect(combo, nullptr, TRUE);
      PaintComboBox(w, i);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (TransparencyMode) {
        const auto dc = reinterpret_cast<HDC>(wParam);
        const auto child = reinterpret_cast<HWND>(lParam);
        SetTextColor(dc, static_cast<COLORREF>(prop::Read(child, prop::kTextColour)));
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(RenewControlBrush(child));
      }
      break;
    case WM_COMMAND:
      if (TransparencyMode == 1 && SkinChildControls == 1 && IsEdit(reinterpret_cast<HWND>(lParam))) {
        switch (HIWORD(wParam)) {
          case EN_VSCROLL:
          case EN_HSCROLL:
          case EN_CHANGE:
          case EN_UPDATE:
            InvalidateRect(reinterpret_cast<HWND>(lParam), nullptr, TRUE);
            break;
          default:
            break;
        }
      }
      break;
    case WM_NCPAINT:
      PaintComboBox(w, i);
      return DefWindowProcA(combo, WM_NCPAINT, kNoFrameRegion, lParam);
    case CB_RESETCONTENT:
      PassOn(combo, message, wParam, lParam);
      PaintComboBox(w, i);
      return 0;
    default:
      break;
  }
  return PassOn(combo, message, wParam, lParam);
}

}  // namespace skin
