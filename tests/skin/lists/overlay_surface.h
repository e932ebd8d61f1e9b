// What a scroll-bar overlay shows on its own surface, checked against a
// fresh paint of it: a painted bar that missed a scroll still shows the
// native bar's state before it.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "tests/skin/core/composed_frame.h"

namespace quillora_test {

// Whether the overlay shows what it shows once painted anew.
inline ::testing::AssertionResult ShowsAFreshPaint(HWND overlay) {
  const std::vector<std::uint32_t> shown = ClientSurface(overlay);
  RedrawWindow(overlay, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const std::vector<std::uint32_t> fresh = ClientSurface(overlay);
  if (shown == fresh) return ::testing::AssertionSuccess();
  int differing = 0;
  for (std::size_t i = 0; i < shown.size() && i < fresh.size(); ++i) differing += shown[i] != fresh[i] ? 1 : 0;
  return ::testing::AssertionFailure() << "the bar shows an earlier state (" << differing << " pixels differ)";
}

// The control's native vertical bar.
inline SCROLLBARINFO VBarInfo(HWND control) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(control, OBJID_VSCROLL, &info);
  return info;
}

inline bool ThumbMoved(const SCROLLBARINFO& before, const SCROLLBARINFO& after) {
  return after.xyThumbTop != before.xyThumbTop || after.xyThumbBottom != before.xyThumbBottom;
}

}  // namespace quillora_test
