// A skinned control's finished image: the background behind it composed
// into a memory DC, the control's look drawn over that, the result put
// into the host window's composition image and copied onto the control.
#pragma once

#include <windows.h>

#include <functional>

#include "gdip/gdip_graphics.h"
#include "skin/core/dc_cache.h"
#include "skin/core/finished_image.h"

namespace skin {

// Draws a control's look with `graphics` on its composed background.
// Answers false when there is nothing to show after all (the control's
// record went while the background was composed); the image is then
// dropped.
using ControlDraw = std::function<bool(gdip::GdipGraphics& graphics)>;

// The area a paint covers: the given one, else the control's client
// rectangle.
RECT ControlArea(HWND control, const RECT* given);

// Composes the background behind `area` (the control's window
// coordinates), lets `draw` paint over it and puts the image into the
// host's composition image. Empty when there is no background or `draw`
// gave up.
CachedDc ComposeControlImage(HWND control, const RECT& area, const ControlDraw& draw);
// The same through the record's kept finished image: drawn only when the
// background or the key differ from the kept one's.
CachedDc ComposeControlImage(HWND control, const RECT& area, const ControlDraw& draw, const FinishedImage& kept,
                             const LookKey& key);

// The same, then the image copied from its corner onto the control's
// corner: onto `dc`, which stays the caller's, or through the control's
// own DC.
void PresentControlImage(HWND control, const RECT& area, HDC dc, const ControlDraw& draw);
void PresentControlImage(HWND control, const RECT& area, const ControlDraw& draw);
void PresentControlImage(HWND control, const RECT& area, const ControlDraw& draw, const FinishedImage& kept,
                         const LookKey& key);

}  // namespace skin
