// The control under the pointer, kept per skinned window: a control's
// hover look is repainted when the pointer comes to it from elsewhere, not
// on every move over it.
#pragma once

#include <windows.h>

#include "skin/core/skin_records.h"

namespace skin {

// On a control's WM_MOUSEMOVE: asks for its WM_MOUSELEAVE (with
// `moreTracking`, such as TME_HOVER, besides) and makes it, record `index`
// of kind `kind`, the host window's hot control. True when it was not that
// already: the caller then repaints its hover look.
bool EnterHotControl(HWND control, SkinWindowRecord& host, int index, HotKind kind, DWORD moreTracking = 0);

// On its WM_MOUSELEAVE (or a click that ends the hover): the next move over
// any control enters that control afresh.
void LeaveHotControl(SkinWindowRecord& host);

}  // namespace skin
