#include "skin/frames/frame_cache_blit.h"

#include "skin/core/child_clipping.h"
#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

void InvalidateListViews(HWND hwnd) {
  SkinWindowRecord* record = FindSkinFrame(hwnd).record;
  if (record == nullptr) return;
  for (ListControlRecord& list : record->listControls) {
    if (list.hwnd == nullptr || !IsWindowVisible(list.hwnd)) continue;
    if (!IsClass(list.hwnd, "SysListView32")) continue;
    list.dirty = 1;
    InvalidateRect(list.hwnd, nullptr, TRUE);
  }
}

void BlitFrameCache(int windowIndex, std::optional<HDC> dc) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  RECT window{};
  GetWindowRect(record.hwnd, &window);
  const int w = window.right - window.left, h = window.bottom - window.top;
  rt::WindowDc target;
  if (dc && record.shownComposed == 0) {
    target = rt::WindowDc(record.hwnd, GetDcWithoutChildren(record.hwnd, *dc));
  } else {
    if (dc) ReleaseDC(record.hwnd, *dc);
    target = GetDcWithoutChildren(record.hwnd);
  }
  if (record.backgroundDc.get() != nullptr) {
    BitBlt(target.get(), 0, 0, w, h, record.backgroundDc.get(), 0, 0, SRCCOPY);
  }
}

}  // namespace skin
