#include "skin/frames/bottom_bar.h"

#include <windows.h>

#include <algorithm>

#include "skin/core/engine_globals.h"
#include "skin/frames/frame_globals.h"

namespace skin {

namespace {

// The frame inset the bar keeps from the window's edges.
int BarInset(const SkinWindowRecord& record) { return record.frameSwitch != 0 ? BorderZone : 0; }

RECT ClientRect(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  return client;
}

}  // namespace

void SetupBottomBar(int windowIndex, int height, const std::optional<std::vector<BottomBarItem>>& items) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  record.bottomBarHeight = height;
  const int inset = BarInset(record);
  const RECT client = ClientRect(record.hwnd);
  record.bottomBarRect = {inset, client.bottom - inset - height - 1, client.right - 2 * inset, height};
  const int barY = record.bottomBarRect.y;

  record.bottomItems.clear();
  record.bottomItemRects.clear();
  if (!items) {
    record.bottomItems.push_back(BottomBarItem{-1, {}, {}, 0});
    record.bottomItemRects.push_back({inset, barY, client.right - 2 * inset, height});
    return;
  }
  int x = inset;
  for (const BottomBarItem& item : *items) {
    if (!record.bottomItemRects.empty()) x += record.bottomItemRects.back().width;
    const int width = item.width == -1 ? client.right - inset - x : item.width;
    record.bottomItemRects.push_back({x, barY, width, height});
    record.bottomItems.push_back(item);
  }
}

void LayoutBottomBar(int windowIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const int inset = BarInset(record);
  const RECT client = ClientRect(record.hwnd);
  XywhRect& bar = record.bottomBarRect;
  bar.x = inset;
  bar.y = client.bottom - record.bottomBarHeight - inset - 1;
  bar.width = client.right - 2 * inset;

  const std::size_t count = std::min(record.bottomItems.size(), record.bottomItemRects.size());
  int flexible = 0;
  int fixedWidth = 0;
  for (std::size_t i = 0; i < count; ++i) {
    if (record.bottomItems[i].width == -1) {
      ++flexible;
    } else {
      fixedWidth += record.bottomItems[i].width;
    }
  }
  const int share = flexible >= 1 ? (client.right - 2 * inset - fixedWidth) / flexible : 0;

  int x = inset;
  for (std::size_t i = 0; i < count; ++i) {
    XywhRect& rect = record.bottomItemRects[i];
    rect.x = x;
    rect.y = bar.y;
    if (record.bottomItems[i].width == -1) rect.width = share;
    x += rect.width;
  }
}

}  // namespace skin
