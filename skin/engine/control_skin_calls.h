// Public calls that skin single controls inside a skinned window and tune
// them: common controls, containers, edit boxes, background tints, the
// progress bar's style and the main-menu routine.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/core/control_records.h"

namespace skin {

// Skins a common control (or a group box) lying in or below a skinned
// window as a `ControlRecord` control; a control with child windows also
// becomes a container with the given tint. A control skinned already is
// left as it is. True when the control is skinned; false, changing
// nothing, for a control outside any skinned window or one that another
// skin holds.
bool SkinControl(HWND control, std::optional<COLORREF> background = std::nullopt,
                 COLORREF containerTint = 0, int containerTintAlpha = 0);

// Registers a window that hosts controls as a container of its skinned
// window (once); tintsChildren defaults to 1, tintAlpha to 255, border to 0.
// True when the window is a container; false, changing nothing, outside a
// skinned window or for a window that another skin holds.
bool SkinContainer(HWND window, std::optional<int> tintsChildren = std::nullopt,
                   COLORREF tintColour = 0, std::optional<int> tintAlpha = std::nullopt,
                   std::optional<int> border = std::nullopt);

// Skins one edit or rich-edit box, also one the window installers do not
// reach (inside a group box). The tint alpha defaults to GlobalAlpha. An
// edit skinned already is left as it is. True when the edit is skinned;
// false, changing nothing, for none, one outside a skinned window or one
// that another skin holds.
bool SkinEditBox(HWND control, std::optional<COLORREF> tintColour = std::nullopt,
                 std::optional<int> tintAlpha = std::nullopt);

// Sets the translucent tint laid over a skinned control's background and
// repaints the control. False for a control that is not listed in a
// skinned window (transparent children included).
bool SetControlBackground(HWND control, std::optional<COLORREF> colour = std::nullopt,
                          std::optional<int> alpha = std::nullopt);

// Adds WS_EX_TRANSPARENT to the window's extended style.
void AddTransparentExStyle(HWND window);

// Sets a skinned progress bar's look; starts the shine timer (30 ms, the
// bar's list index as id) for a visible horizontal bar with the shine on,
// stops it otherwise. False for a bar that is not listed in a skinned
// window.
bool SetProgressStyle(HWND bar, std::optional<int> squareCorners = std::nullopt,
                      std::optional<int> shine = std::nullopt,
                      std::optional<COLORREF> fillColour = std::nullopt,
                      std::optional<COLORREF> frameColour = std::nullopt,
                      ShineStyle shineStyle = ShineStyle::Glow);

// The routine the main-menu caption button calls. False, changing nothing,
// for a window that is not a skinned top-level window.
bool SetMainMenuRoutine(HWND window, FARPROC routine);

}  // namespace skin
