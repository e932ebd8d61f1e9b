#include "skin/containers/container_skin.h"

#include <commctrl.h>

#include <algorithm>

#include "runtime/gdi_object.h"
#include "skin/containers/child_installers.h"
#include "skin/containers/container_painters.h"
#include "skin/containers/control_skin.h"
#include "skin/containers/menu_items.h"
#include "skin/containers/owner_draw_router.h"
#include "skin/containers/transparent_children.h"
#include "skin/core/control_links.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/control_background.h"
#include "skin/core/control_brush.h"
#include "skin/core/control_font.h"
#include "skin/core/engine_globals.h"
#include "skin/core/layered_window.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/scroll_bar_painter.h"
#include "skin/lists/edit_skin.h"

namespace skin {

namespace {

constexpr int kDroppedListAlpha = 220;
constexpr LONG_PTR kGroupBoxBit = 0x4;

LRESULT PassOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(hwnd, ContainerSkinProc, message, wParam, lParam);
}

// The container record a window's own "Hw_FuID" and "Hw_lbID" name, when
// it really is that window's; empty otherwise.
ControlLink<ContainerRecord> OwnRecord(HWND hwnd) { return FindControlLink(hwnd, &SkinWindowRecord::containers); }

// ---- Colour replies ---------------------------------------------------------

void SetTextByEnabledState(HDC dc, HWND control) {
  const char* which = IsWindowEnabled(control) ? prop::kTextColour : prop::kDisabledTextColour;
  SetTextColor(dc, static_cast<COLORREF>(prop::Read(control, which)));
  SetBkMode(dc, TRANSPARENT);
}

LRESULT ListBrush(HDC dc, HWND list) {
  SetTextColor(dc, static_cast<COLORREF>(prop::Read(list, prop::kTextColour)));
  SetBkMode(dc, TRANSPARENT);
  // The dropped-down list of a combo box is translucent. The list asks for
  // its brush on every paint; it is layered and listed once.
  if (IsClass(list, "ComboLBox") && GetAncestor(list, GA_PARENT) == GetDesktopWindow() &&
      std::find(BrushOwners.begin(), BrushOwners.end(), list) == BrushOwners.end()) {
    SetWindowAlpha(list, kDroppedListAlpha);
    BrushOwners.push_back(list);
  }
  DeleteControlBrush(list);
  const rt::UniqueBitmap bitmap = MakeBackgroundBitmap(list);
  const HBRUSH brush = CreatePatternBrush(bitmap.get());
  prop::WriteHandle(list, prop::kCtlColourBrush, brush);
  return reinterpret_cast<LRESULT>(brush);
}

LRESULT ButtonBrush(HDC dc, HWND button) {
  SetTextByEnabledState(dc, button);
  if (auto previous = prop::ReadHandle<HGDIOBJ>(button, prop::kCtlColourBrush)) DeleteObject(previous);
  const HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
  prop::WriteHandle(button, prop::kCtlColourBrush, hollow);
  return reinterpret_cast<LRESULT>(hollow);
}

// Answers a WM_CTLCOLOR* message, or returns false to pass it on.
bool AnswerColourMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const auto dc = reinterpret_cast<HDC>(wParam);
  const auto control = reinterpret_cast<HWND>(lParam);
  const bool skinning = SkinChildControls != 0 && TransparencyMode != 0;
  switch (message) {
    case WM_CTLCOLOREDIT:
      // A combo box's edit field gets its brush from the combo skin.
      if (!skinning || IsClass(GetParent(control), "ComboBox")) return false;
      SetTextByEnabledState(dc, control);
      result = reinterpret_cast<LRESULT>(RenewControlBrush(control));
      return true;
    case WM_CTLCOLORSTATIC:
      if (!skinning) return false;
      SetTextByEnabledState(dc, control);
      result = reinterpret_cast<LRESULT>(RenewControlBrush(control));
      return true;
    case WM_CTLCOLORLISTBOX: {
      const bool listBox = SkinChildControls != 0 && IsClass(control, "ListBox");
      const bool droppedList =
          IsClass(control, "ComboLBox") && !IsOwnerDrawListBox(control) && TransparencyMode != 0;
      if (!listBox && !droppedList) return false;
      result = ListBrush(dc, control);
      return true;
    }
    case WM_CTLCOLORBTN:
      if (!skinning) return false;
      result = ButtonBrush(dc, control);
      return true;
    default:
      return false;
  }
}

// ---- Children's notifications -----------------------------------------------

void OnChildCommand(WPARAM wParam, LPARAM lParam) {
  const auto child = reinterpret_cast<HWND>(lParam);
  if (child == nullptr) return;
  const UINT code = HIWORD(wParam);
  const rt::Text name = GetWindowClassName(child);
  const auto invalidate = [child] { InvalidateRect(child, nullptr, TRUE); };
  if (IsClassName(name, "RichEdit20A")) {
    if (code == EN_VSCROLL) PaintVScrollBar(child);
    if (code == EN_HSCROLL) PaintHScrollBar(child);
  } else if (IsClassName(name, "Edit")) {
    if (code == EN_VSCROLL || code == EN_HSCROLL || code == EN_UPDATE) invalidate();
    if (code == EN_CHANGE) RepaintEditScrollBars(child);
  } else if (IsClassName(name, "ListBox") || IsClassName(name, "ComboLBox")) {
    if (code == LBN_SELCHANGE || code == LBN_SELCANCEL) invalidate();
  } else if (IsClassName(name, "ComboBox")) {
    if (code == CBN_SELCHANGE || code == CBN_KILLFOCUS) invalidate();
  }
}

void MarkTabControl(HWND tab) {
  if (const auto container = OwnRecord(tab)) container->redraw = 1;
}

void OnNotify(LPARAM lParam) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (header == nullptr) return;
  switch (header->code) {
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDINGA:
      InvalidateRect(header->hwndFrom, nullptr, TRUE);
      break;
    case TCN_SELCHANGING:
      MarkTabControl(header->hwndFrom);
      break;
    case UDN_DELTAPOS: {
      // The scroll arrows of a tab control with more tabs than fit.
      const HWND parent = GetParent(header->hwndFrom);
      if (IsClass(parent, WC_TABCONTROLA)) MarkTabControl(parent);
      break;
    }
    default:
      break;
  }
}

// While the host is dragged (and not sized) or inactive, an erase keeps
// the container clean; in an active resting host it makes it dirty.
void UpdateRedrawOnErase(ContainerRecord& record, const SkinWindowRecord& host) {
  if (record.paintMode == 0 || record.redraw == 1) return;
  if (host.moving != 0) {
    if (host.sizing == 0) record.redraw = 0;
  } else {
    record.redraw = host.active != 0 ? 1 : 0;
  }
}

}  // namespace

bool IsGroupBox(HWND window) {
  if (!IsClass(window, "Button")) return false;
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  return (style | kGroupBoxBit) == style;
}

HWND FindSkinFrameAncestor(HWND window) {
  for (HWND a = GetParent(window); a != nullptr; a = GetParent(a)) {
    if (prop::Read(a, prop::kPanelMark) == 1) return a;
  }
  return nullptr;
}

int IsContainerOf(int windowIndex, HWND window) {
  return FindContainerRecord(windowIndex, window) > 0 ? 1 : 0;
}

void InstallContainerSkin(HWND container, std::optional<int> paintMode, COLORREF tintColour,
                          std::optional<int> tintAlpha, std::optional<int> border) {
  if (container == nullptr) return;
  const int windowIndex = FindSkinWindowOfAncestor(container);
  if (SkinWindowTable.Find(windowIndex) == nullptr) return;

  const auto fill = [&](ContainerRecord& record) {
    RECT client{};
    GetClientRect(container, &client);
    record.tintColour = tintColour;
    record.alpha = tintAlpha.value_or(255) & 0xFF;
    record.border = border.value_or(0);
    record.paintMode = paintMode.value_or(1);
    record.width = client.right;
    record.height = client.bottom;

    const bool tabControl = IsClass(container, WC_TABCONTROLA);
    if (tabControl || IsGroupBox(container)) {
      record.paintMode = 1;
      record.kind = tabControl ? ContainerKind::TabControl : ContainerKind::GroupBox;
      record.font = GetControlFont(container);
    }
    // The list keeps the record at its address while these append to it.
    RunChildInstallers(windowIndex, container);
    record.redraw = 1;
  };
  if (LinkControl(windowIndex, &SkinWindowRecord::containers, container, ContainerSkinProc, fill))
    prop::WriteHandle(container, prop::kPanelAncestor, FindSkinFrameAncestor(container));
}

void RemoveContainerRecord(int windowIndex, int containerIndex) {
  SkinWindowRecord* host = SkinWindowTable.Find(windowIndex);
  if (host == nullptr || !host->containers.Contains(containerIndex)) return;
  const HWND container = host->containers.At(containerIndex).hwnd;
  if (container != nullptr) RestoreSavedProcedure(container);
  host->containers.RemoveAt(containerIndex);
  int index = 0;
  for (const ContainerRecord& record : host->containers) prop::Write(record.hwnd, prop::kIndex, ++index);
}

void AnchorContainerChildren(int windowIndex, int containerIndex) {
  SkinWindowRecord* host = SkinWindowTable.Find(windowIndex);
  if (host == nullptr || !host->containers.Contains(containerIndex)) return;
  const ContainerRecord& record = host->containers.At(containerIndex);
  RECT client{};
  GetClientRect(record.hwnd, &client);
  const int w = client.right, h = client.bottom;
  for (const ChildAnchor& anchor : record.anchors) {
    if (anchor.hwnd == nullptr) continue;
    if (anchor.fullWidth != 0) {
      MoveWindow(anchor.hwnd, 2, anchor.top, w - 4, h - anchor.top, TRUE);
    } else {
      MoveWindow(anchor.hwnd, anchor.left, anchor.top, w - anchor.left - 2, h - anchor.top - 2, TRUE);
    }
  }
}

LRESULT CALLBACK ContainerSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto linked = OwnRecord(hwnd);
  if (!linked) return PassOn(hwnd, message, wParam, lParam);
  const auto [hostRecord, record, windowIndex, listIndex] = linked;
  SkinWindowRecord& host = *hostRecord;

  switch (message) {
    case WM_DESTROY: {
      const LRESULT result = PassOn(hwnd, message, wParam, lParam);
      DeleteBrushesOfGoingChildren(hwnd, message, wParam, lParam);
      return result;
    }
    case WM_PARENTNOTIFY:
      DeleteBrushesOfGoingChildren(hwnd, message, wParam, lParam);
      break;
    case WM_NCDESTROY:
      RemoveContainerRecord(windowIndex, listIndex);
      break;
    case WM_SHOWWINDOW:
      if (wParam != 1) break;
      PassOn(hwnd, message, wParam, lParam);
      if (record->paintMode != 0) record->redraw = 1;
      return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(hwnd);
      break;
    case WM_MOVE:
      if (record->paintMode != 0) {
        record->redraw = 1;
        InvalidateWindowCaches(host.hwnd);
        InvalidateRect(hwnd, nullptr, FALSE);
      }
      break;
    case WM_PAINT: {
      if (record->paintMode == 0) break;
      rt::PaintScope paint(hwnd);
      if (record->redraw != 0 || record->childChanged != 0) {
        PaintContainer(windowIndex, listIndex);
      } else {
        BlitContainerBackground(windowIndex, listIndex, hwnd, paint.get());
        paint.reset();
        RedrawTransparentChildren(hwnd);
      }
      return 0;
    }
    case WM_ERASEBKGND:
      // The system never erases a container: the skin is its background.
      UpdateRedrawOnErase(*record, host);
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item == nullptr) break;
      const bool skinnedControl =
          prop::Read(item->hwndItem, prop::kHostIndex) > 0 && prop::Read(item->hwndItem, prop::kIndex) > 0;
      if (skinnedControl || FindMenuRecord(reinterpret_cast<HMENU>(item->hwndItem)) > 0) {
        RouteDrawItem(windowIndex, *item);
        return 1;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
      LRESULT brush = 0;
      if (AnswerColourMessage(message, wParam, lParam, brush)) return brush;
      break;
    }
    case WM_SIZE:
      record->redraw = 1;
      AnchorContainerChildren(windowIndex, listIndex);
      break;
    case WM_COMMAND:
      if (TransparencyMode != 0 && SkinChildControls != 0) OnChildCommand(wParam, lParam);
      break;
    case WM_NOTIFY:
      OnNotify(lParam);
      break;
    default:
      break;
  }
  return PassOn(hwnd, message, wParam, lParam);
}

}  // namespace skin
