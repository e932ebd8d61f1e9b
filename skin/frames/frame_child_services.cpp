#include "skin/frames/frame_child_services.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <span>
#include <string>

#include "skin/containers/menu_items.h"
#include "skin/containers/menu_skin.h"
#include "skin/containers/owner_draw_router.h"
#include "skin/core/child_clipping.h"
#include "skin/core/control_brush.h"
#include "skin/core/custom_draw.h"
#include "skin/core/engine_globals.h"
#include "skin/core/layered_window.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/scroll_bar_painter.h"
#include "skin/lists/edit_skin.h"
#include "skin/core/control_links.h"

namespace skin {

namespace {

constexpr int kDropListAlpha = 220;
constexpr unsigned kMenuCommandBase = 10000;

bool BothSwitchesOn() { return SkinChildControls != 0 && TransparencyMode != 0; }

void SetTextColours(HDC dc, HWND control, bool disabledColour) {
  const char* property = disabledColour && !IsWindowEnabled(control) ? prop::kDisabledTextColour : prop::kTextColour;
  SetTextColor(dc, static_cast<COLORREF>(prop::Read(control, property)));
  SetBkMode(dc, TRANSPARENT);
}

// A combo box's drop-down list, which lives on the desktop while it is open.
bool IsDropDownList(HWND control) {
  return IsClass(control, "ComboLBox") && GetParent(control) == GetDesktopWindow();
}

void ListBrushOwner(HWND control) {
  if (std::find(BrushOwners.begin(), BrushOwners.end(), control) == BrushOwners.end()) {
    BrushOwners.push_back(control);
  }
}

// The pattern brush is built only while the control can be coloured.
std::optional<HBRUSH> ListBoxColour(HDC dc, HWND control) {
  const bool listBox = SkinChildControls != 0 && IsClass(control, "ListBox");
  const bool dropList = TransparencyMode != 0 && IsClass(control, "ComboLBox");
  if (!listBox && !dropList) return std::nullopt;
  SetTextColours(dc, control, false);
  if (IsDropDownList(control)) {
    SetWindowAlpha(control, kDropListAlpha);
    ListBrushOwner(control);
  }
  return RenewControlBrush(control);
}


void CallMenuCommand(WPARAM wParam) {
  const unsigned command = static_cast<unsigned>(wParam);
  const unsigned menu = command / kMenuCommandBase;
  if (menu < 1 || menu > MenuTable.size()) return;
  const MenuRecord* record = MenuTable[menu - 1].get();
  if (record == nullptr || record->routine == nullptr) return;
  const std::array<INT_PTR, 1> item{static_cast<INT_PTR>(command % kMenuCommandBase)};
  CallWithArgArray(record->routine, item, false);
}

void RepaintAfterNotification(HWND control, unsigned code) {
  if (IsClass(control, "RichEdit20A")) {
    if (code == EN_VSCROLL) PaintVScrollBar(control);
    if (code == EN_HSCROLL) PaintHScrollBar(control);
  } else if (IsClass(control, "Edit")) {
    if (code == EN_VSCROLL || code == EN_HSCROLL || code == EN_UPDATE || code == EN_CHANGE) {
      InvalidateRect(control, nullptr, TRUE);
    }
    if (code == EN_CHANGE) RepaintEditScrollBars(control);
  } else if (IsClass(control, "ListBox") || IsClass(control, "ComboLBox")) {
    if (code == LBN_SELCHANGE || code == LBN_SELCANCEL) InvalidateRect(control, nullptr, TRUE);
  } else if (IsClass(control, "ComboBox")) {
    if (code == CBN_KILLFOCUS || code == CBN_SELCHANGE) InvalidateRect(control, nullptr, TRUE);
  }
}

// The container record of a tab control, when it names one of its own.
void MarkTabContainer(HWND tab) {
  if (ContainerRecord* container = FindControlLink(tab, &SkinWindowRecord::containers).record) {
    container->redraw = 1;
  }
}

}  // namespace

void OnFrameInitMenuPopup(WPARAM menu) {
  if (FindMenuRecord(reinterpret_cast<HMENU>(menu)) >= 1) HookMenuPopup();
}

void OnFrameMeasureItem(HWND frame, WPARAM controlId, LPARAM item) {
  if (controlId == 0 && item != 0) MeasureMenuItem(frame, reinterpret_cast<MEASUREITEMSTRUCT*>(item));
}

bool RouteFrameDrawItem(int windowIndex, LPARAM item) {
  if (item == 0) return false;
  const DRAWITEMSTRUCT copy = *reinterpret_cast<const DRAWITEMSTRUCT*>(item);
  const bool skinned = prop::Read(copy.hwndItem, prop::kHostIndex) > 0 && prop::Read(copy.hwndItem, prop::kIndex) > 0;
  // For a menu item hwndItem holds the menu.
  const bool menu = FindMenuRecord(reinterpret_cast<HMENU>(copy.hwndItem)) >= 1;
  if (!skinned && !menu) return false;
  RouteDrawItem(windowIndex, copy);
  return true;
}

std::optional<HBRUSH> AnswerControlColour(UINT message, HDC dc, HWND control) {
  switch (message) {
    case WM_CTLCOLOREDIT:
      // A combo box's own skin colours its edit.
      if (IsClass(GetParent(control), "ComboBox") || !BothSwitchesOn()) return std::nullopt;
      SetTextColours(dc, control, true);
      return RenewControlBrush(control);
    case WM_CTLCOLORSTATIC:
      if (!BothSwitchesOn()) return std::nullopt;
      SetTextColours(dc, control, true);
      return RenewControlBrush(control);
    case WM_CTLCOLORLISTBOX:
      return ListBoxColour(dc, control);
    case WM_CTLCOLORBTN: {
      if (!BothSwitchesOn()) return std::nullopt;
      SetTextColours(dc, control, true);
      DeleteControlBrush(control);
      const auto hollow = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
      prop::WriteHandle(control, prop::kCtlColourBrush, hollow);
      return hollow;
    }
    default:
      return std::nullopt;
  }
}

void OnFrameCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam == 0) CallMenuCommand(wParam);
  if (!BothSwitchesOn()) return;
  RepaintAfterNotification(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
}

void OnFrameNotify(LPARAM lParam) {
  if (lParam == 0) return;
  const NMHDR header = *reinterpret_cast<const NMHDR*>(lParam);
  switch (static_cast<int>(header.code)) {
    case static_cast<int>(TVN_ITEMEXPANDEDA):
    case static_cast<int>(TVN_ITEMEXPANDINGA):
      InvalidateRect(header.hwndFrom, nullptr, TRUE);
      break;
    case static_cast<int>(TCN_SELCHANGING):
      MarkTabContainer(header.hwndFrom);
      break;
    case static_cast<int>(UDN_DELTAPOS): {
      // The scroll arrows of a tab control.
      const HWND parent = GetParent(header.hwndFrom);
      if (IsClass(parent, "SysTabControl32")) MarkTabContainer(parent);
      break;
    }
    default:
      break;
  }
}

void DeleteChildBrushes(HWND frame) {
  ForEachChild(frame, [](HWND child) {
    if (IsClass(child, "ComboBox")) {
      COMBOBOXINFO info{};
      info.cbSize = sizeof info;
      if (GetComboBoxInfo(child, &info) && info.hwndList != nullptr) {
        DeleteControlBrush(info.hwndList);
        std::erase(BrushOwners, info.hwndList);
      }
    }
    if (prop::Read(child, prop::kCtlColourBrush) != 0) DeleteControlBrush(child);
  });
  // Lists already destroyed cannot be asked for their brushes any more.
  std::erase_if(BrushOwners, [](HWND owner) { return !IsWindow(owner); });
}

}  // namespace skin
