#include "skin/lists/list_control_installer.h"

#include <commctrl.h>

#include <vector>

#include "skin/core/colour_convert.h"
#include "skin/core/control_font.h"
#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/edit_installers.h"
#include "skin/lists/list_control_skin.h"
#include "skin/lists/scroll_overlay.h"

namespace skin {

namespace {

constexpr COLORREF kTreeFill = 0xFF8800;  // RGB(0, 136, 255)
constexpr COLORREF kTreeLine = 0x808080;
constexpr LONG_PTR kSortAscending = 0x10;  // LVS_SORTASCENDING

enum class Kind { ListBox, ComboList, ListView, TreeView, IpAddress, DateTime };

LONG_PTR Style(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

// Direct children of a class, collected first: skinning adds overlay
// siblings to the same parent.
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
  std::vector<HWND> children;
  for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
       child = FindWindowExA(parent, child, className, nullptr)) {
    children.push_back(child);
  }
  return children;
}

bool HasOverlays(Kind kind) {
  return kind == Kind::ListBox || kind == Kind::ListView || kind == Kind::TreeView;
}

// The IP-address control's edit fields, as edits without overlays, while
// TransparencyMode is on.
void SkinIpFields(int windowIndex, HWND control) {
  if (!TransparencyMode) return;
  for (HWND field : ChildrenOfClass(control, "Edit")) SkinOneEdit(windowIndex, field, EditOverlays::None);
}

void SkinOne(int windowIndex, HWND control, Kind kind) {
  // A control taken already keeps its record and its one skin procedure.
  if (IsTaken(windowIndex, &SkinWindowRecord::listControls, control)) return;

  // Sent while the control still has its own procedure.
  if (kind == Kind::ListView && TransparencyMode) SendMessageA(control, LVM_SETTEXTBKCOLOR, 0, CLR_NONE);
  if (kind == Kind::TreeView) SendMessageA(control, TVM_SETLINECOLOR, 0, kTreeLine);

  const auto fill = [&](ListControlRecord& record) {
    if (HasOverlays(kind)) {
      const bool visible = IsVisibleStyle(control);
      record.vScrollOverlay = CreateVScrollOverlay(control, visible && HasVScrollStyle(control) ? 1 : 0);
      record.hScrollOverlay = CreateHScrollOverlay(control, visible && HasHScrollStyle(control) ? 1 : 0);
    }
    // The tree is asked for its font and text colour while its own
    // procedure still answers.
    if (kind == Kind::TreeView) {
      record.selectionFill = kTreeFill;
      record.hoverFill = kTreeFill;
      FontSpec font = GetControlFont(control);
      record.font.face = font.face.empty() ? rt::Text(kDefaultFontFace) : font.face;
      record.font.size = font.size == 0 ? kDefaultFontSize : font.size;
      record.font.style = font.style;
      record.textColour = static_cast<COLORREF>(SendMessageA(control, TVM_GETTEXTCOLOR, 0, 0));
      record.selectedTextColour = kWhite;
    }
    record.dirty = 1;
  };
  const auto linked = LinkControl(windowIndex, &SkinWindowRecord::listControls, control, ListControlSkinProc, fill);
  if (linked && kind == Kind::IpAddress) SkinIpFields(windowIndex, control);
}

}  // namespace

void SkinListControls(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  SkinWindowTable.At(windowIndex);  // range check

  for (HWND list : ChildrenOfClass(parent, "ListBox")) SkinOne(windowIndex, list, Kind::ListBox);

  for (HWND combo : ChildrenOfClass(parent, "ComboBox")) {
    // Only a simple combo box keeps its list as a child.
    const HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
    if (list == nullptr || (Style(list) & LBS_OWNERDRAWFIXED) != 0) continue;
    if (IsTaken(windowIndex, &SkinWindowRecord::listControls, list)) continue;
    StripBorderStyles(list);
    SkinOne(windowIndex, list, Kind::ComboList);
  }

  for (HWND view : ChildrenOfClass(parent, "SysListView32")) {
    if ((Style(view) & kSortAscending) != 0) continue;
    SkinOne(windowIndex, view, Kind::ListView);
  }

  for (HWND tree : ChildrenOfClass(parent, "SysTreeView32")) SkinOne(windowIndex, tree, Kind::TreeView);
  for (HWND ip : ChildrenOfClass(parent, "SysIPAddress32")) SkinOne(windowIndex, ip, Kind::IpAddress);
  for (HWND picker : ChildrenOfClass(parent, "SysDateTimePick32")) SkinOne(windowIndex, picker, Kind::DateTime);
}

void StripBorderStyles(HWND window) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  if ((style & WS_BORDER) == WS_BORDER) SetWindowLongPtrA(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_BORDER));

  // Tested in this order, each mask cleared only when all its bits are
  // set: once the window edge is gone the two combined masks never match.
  LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  for (LONG_PTR mask : {WS_EX_WINDOWEDGE, WS_EX_OVERLAPPEDWINDOW, WS_EX_CLIENTEDGE, WS_EX_DLGMODALFRAME,
                        WS_EX_PALETTEWINDOW}) {
    if ((exStyle & mask) == mask) exStyle &= ~mask;
  }
  SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle);
}

}  // namespace skin
