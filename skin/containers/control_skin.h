// Common controls laid over a skinned window's background, linked through
// the "Kj_" properties: the control's own procedure paints into a memory
// DC that already holds the skin behind it, and its background colour is
// keyed out. Toolbars are drawn button by button (toolbar_painter.h) and
// otherwise shown from the host's composition image.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Skins the parent's direct toolbars as common controls, each with its
// image list in "Kj_wtjb". A toolbar listed already, carrying a "Kj_"
// skin procedure, or outside any skinned window, is left alone.
void SkinToolbars(int windowIndex, HWND parent);

// Registers the control in the `controls` list of its skinned window and
// subclasses it with ControlSkinProc; a control with child windows also
// becomes a container (paint mode 0, the given tint and alpha). The
// background is the colour keyed out of its painting (the button face when
// not given); `dropFrame` 1 adds the drop-button frame to every paint; a
// toolbar starts drawn afresh unless `redrawToolbar` is false. A control
// listed already, carrying a "Kj_" skin procedure, or outside any skinned
// window, is left as it is. True when this call skinned the control.
bool InstallControlSkin(HWND control, std::optional<COLORREF> background = std::nullopt,
                        COLORREF containerTint = 0, int containerAlpha = 0, int dropFrame = 0,
                        bool redrawToolbar = true);

// Window procedure of the common controls.
LRESULT CALLBACK ControlSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Whether a control's cached image must be drawn afresh: while its host
// window is being moved, only when it is also being sized; otherwise while
// the host is active. The host comes from "Kj_FuID" with `kjLink`, else
// from "Hw_FuID"; 0 for a host index outside SkinWindowTable.
int NeedsRedraw(HWND control, bool kjLink = false);

// Copies the control's area of its host's composition image onto `dc`,
// which stays the caller's.
void BlitControlBackground(HWND control, HDC dc);

// Draws the drop-button frame (a white ring, a shaded outline and a button
// box with a down chevron at the right) into `dc`, which holds the
// control's painted client area.
void PaintDropButtonFrame(HWND control, HDC dc);

}  // namespace skin
