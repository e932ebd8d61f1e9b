#include "skin/core/skin_lookups.h"

#include "skin/core/client_area.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

RECT WindowRect(HWND hwnd) {
  RECT rect{};
  if (hwnd != nullptr) GetWindowRect(hwnd, &rect);
  return rect;
}

// The window's rectangle with (left, top) of `origin` as its zero point.
RECT RelativeTo(HWND hwnd, const RECT& origin) {
  RECT rect = WindowRect(hwnd);
  OffsetRect(&rect, -origin.left, -origin.top);
  return rect;
}

bool IsSkinnedTopLevel(HWND hwnd) { return FindSkinWindow(hwnd) > 0; }

}  // namespace

int FindSkinWindow(HWND hwnd) {
  if (hwnd == nullptr) return 0;
  int index = 0;
  for (const auto& record : SkinWindowTable) {
    ++index;
    if (record->hwnd == hwnd) return index;
  }
  return 0;
}

int FindSkinWindowOfAncestor(HWND hwnd) {
  if (int own = FindSkinWindow(hwnd); own > 0) return own;
  const HWND rootOwner = GetAncestor(hwnd, GA_ROOTOWNER);
  HWND window = hwnd;
  while (window != nullptr && window != rootOwner) {
    window = GetParent(window);
    if (int index = FindSkinWindow(window); index > 0) return index;
  }
  return 0;
}

int FindContainerRecord(int windowIndex, HWND hwnd) {
  SkinWindowRecord* record = SkinWindowTable.Find(windowIndex);
  return record != nullptr ? record->containers.Find(hwnd) : 0;
}

namespace {

// The host walk; with `marks` it stops at panels.
int WalkToHost(HWND control, int& windowIndex, int& containerIndex, HWND& panel, const PanelMarks* marks) {
  if (marks && marks->IsPanel(control)) {
    panel = control;
    return 0;
  }
  if (int own = FindSkinWindow(control); own > 0) {
    windowIndex = own;
    return 1;
  }
  for (HWND a = GetParent(control); a != nullptr; a = GetParent(a)) {
    if (marks && marks->IsPanel(a)) {
      panel = a;
      return 0;
    }
    int j = 0;
    for (const auto& record : SkinWindowTable) {
      ++j;
      if (record->hwnd == a) {
        windowIndex = j;
        return 1;
      }
      if (int k = record->containers.Find(a); k > 0) {
        if (marks) {
          if (HWND panelAncestor = prop::ReadHandle<HWND>(a, prop::kPanelAncestor)) {
            panel = panelAncestor;
            return 0;
          }
        }
        windowIndex = j;
        containerIndex = k;
        return 0;
      }
    }
  }
  return 0;
}

}  // namespace

int FindControlHost(HWND control, int& windowIndex, int& containerIndex, HWND& panel,
                    bool stopAtPanel) {
  if (!stopAtPanel) return WalkToHost(control, windowIndex, containerIndex, panel, nullptr);
  const PanelMarks marks = PanelMarks::Current();
  return WalkToHost(control, windowIndex, containerIndex, panel, &marks);
}

int FindControlHost(HWND control, int& windowIndex, int& containerIndex, HWND& panel,
                    const PanelMarks& marks) {
  return WalkToHost(control, windowIndex, containerIndex, panel, &marks);
}

int FindFlaggedContainer(int windowIndex, HWND control, HWND stopWindow) {
  SkinWindowRecord* record = SkinWindowTable.Find(windowIndex);
  if (record == nullptr) return 0;
  for (HWND a = GetParent(control); a != nullptr && a != stopWindow; a = GetParent(a)) {
    int k = record->containers.Find(a);
    if (k > 0 && record->containers.At(k).paintMode != 0) return k;
  }
  return 0;
}

RECT GetRectInParentWindow(HWND hwnd) {
  if (IsSkinnedTopLevel(hwnd)) return RECT{};
  return RelativeTo(hwnd, WindowRect(GetParent(hwnd)));
}

RECT GetRectInParentClient(HWND hwnd) {
  if (IsSkinnedTopLevel(hwnd)) return RECT{};
  const HWND parent = GetAncestor(hwnd, GA_PARENT);
  RECT client{};
  GetClientRect(parent, &client);
  POINT origin{0, 0};
  ClientToScreen(parent, &origin);
  OffsetRect(&client, origin.x, origin.y);
  return RelativeTo(hwnd, client);
}

RECT GetRectRelativeTo(HWND reference, HWND hwnd) {
  return RelativeTo(hwnd, WindowRect(reference));
}

RECT GetRectInSkinWindow(HWND hwnd) {
  const SkinWindowRecord* record = SkinWindowTable.Find(FindSkinWindowOfAncestor(hwnd));
  if (record == nullptr) return RECT{};
  return RelativeTo(hwnd, WindowRect(record->hwnd));
}

RECT GetClientRectInSkinWindow(HWND hwnd) {
  const SkinWindowRecord* record = SkinWindowTable.Find(FindSkinWindowOfAncestor(hwnd));
  if (record == nullptr) return RECT{};
  const RECT r = RelativeTo(hwnd, WindowRect(record->hwnd));
  const RECT b = GetBorderInsets(hwnd);
  // The border is taken as equally wide on opposite sides.
  return RECT{r.left + b.left, r.top + b.top, r.right - b.left, r.bottom - b.top};
}

RECT GetRectInHost(HWND control) {
  if (IsSkinnedTopLevel(control)) return RECT{};
  SkinWindowRecord* record = SkinWindowTable.Find(FindSkinWindowOfAncestor(control));
  if (record == nullptr) return RECT{};
  HWND host = GetParent(control);
  while (host != nullptr && host != record->hwnd && record->containers.Find(host) == 0) {
    host = GetParent(host);
  }
  return RelativeTo(control, WindowRect(host));
}

}  // namespace skin
