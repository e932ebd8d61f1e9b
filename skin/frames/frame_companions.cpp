#include "skin/frames/frame_companions.h"

#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

void ReanchorFrameChildren(int windowIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  RECT client{};
  GetClientRect(record.hwnd, &client);
  const int w = client.right, h = client.bottom;
  for (const ChildAnchor& anchor : record.anchors) {
    if (anchor.hwnd == nullptr) continue;
    if (anchor.fullWidth != 0) {
      MoveWindow(anchor.hwnd, 2, anchor.top, w - 4, h - anchor.top - record.bottomBarHeight - 4, TRUE);
    } else {
      MoveWindow(anchor.hwnd, anchor.left, anchor.top, w - anchor.left - 2,
                 h - anchor.top - record.bottomBarHeight - 2, TRUE);
    }
  }
}

void SyncCompanionWindows(HWND hwnd, std::optional<bool> show) {
  SkinWindowRecord* record = FindSkinFrame(hwnd).record;
  if (record == nullptr) return;
  // A layered composition's frame would keep its companions in its layer
  // element, which holds none.
  if (prop::Read(hwnd, prop::kLayered) == 1) return;
  RECT frame{};
  GetWindowRect(hwnd, &frame);
  // The message announces the state the frame is about to take.
  const bool wantVisible = !IsVisibleStyle(hwnd);
  for (const CompanionWindow& companion : record->companions) {
    if (companion.hwnd == nullptr || !IsWindow(companion.hwnd)) continue;
    if (show) {
      if (IsVisibleStyle(companion.hwnd) == wantVisible) continue;
      ShowWindow(companion.hwnd, wantVisible ? SW_SHOWNA : SW_HIDE);
    } else {
      RECT own{};
      GetWindowRect(companion.hwnd, &own);
      MoveWindow(companion.hwnd, frame.left + companion.xOffset, frame.top + companion.yOffset,
                 own.right - own.left, own.bottom - own.top, TRUE);
    }
  }
}

}  // namespace skin
