// The background a skinned control paints over: the host window's composed
// frame exactly behind the control, with the tint of the container that
// tints it, in a fresh memory DC of DcCache.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/gdi_object.h"
#include "skin/core/dc_cache.h"

namespace skin {

// A new registered memory DC of the area's size holding what lies behind
// that area of the control (area in the control's window coordinates).
// With both `inset` and `corner` given, a registered container's own tint
// covers only a rounded rectangle inset by that many pixels. 0 when the
// control has no skinned ancestor (or the area is empty). The owner
// releases the DC.
CachedDc ComposeControlBackground(HWND control, const RECT& area,
                                  std::optional<int> inset = std::nullopt,
                                  std::optional<int> corner = std::nullopt);

// The page area of a tab control (the client area without its tab rows),
// in its client coordinates.
RECT GetTabPageRect(HWND tab);

// A new registered memory DC of the control's client area: its composed
// background with the control's own tint laid over it.
CachedDc MakeBackgroundDc(HWND control);

// A new bitmap of the same tinted background; without a skinned ancestor,
// the theme colour faintly over white. The caller owns it.
rt::UniqueBitmap MakeBackgroundBitmap(HWND control);

}  // namespace skin
