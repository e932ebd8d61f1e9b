#include "skin/core/hot_control.h"

namespace skin {

bool EnterHotControl(HWND control, SkinWindowRecord& host, int index, HotKind kind, DWORD moreTracking) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | moreTracking, control, 0};
  TrackMouseEvent(&track);
  host.hot = index;
  const bool entered = host.lastHot != host.hot || host.hotKind != kind;
  host.lastHot = host.hot;
  host.hotKind = kind;
  return entered;
}

void LeaveHotControl(SkinWindowRecord& host) { host.lastHot = 0; }

}  // namespace skin
