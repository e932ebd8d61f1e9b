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
// becomes a container with the given tint. The control must be inside a
// skinned window (index 0 is a programming error); a control skinned
// already is left as it is.
void SkinControl(HWND control, std::optional<COLORREF> background = std::nullopt,
                 COLORREF containerTint = 0, int containerTintAlpha = 0);

// Registers a window that hosts controls as a container of its skinned
// window (once); tintsChildren defaults to 1, tintAlpha to 255, border to 0.
// Does nothing outside a skinned window.
void SkinContainer(HWND window, std::optional<int> tintsChildren = std::nullopt,
                   COLORREF tintColour = 0, std::optional<int> tintAlpha = std::nullopt,
                   std::optional<int> border = std::nullopt);

// Skins one edit or rich-edit box, also one the window installers do not
// reach (inside a group box). The tint alpha defaults to GlobalAlpha. Does
// nothing outside a skinned window or for an edit skinned already.
void SkinEditBox(HWND control, std::optional<COLORREF> tintColour = std::nullopt,
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

// The routine the main-menu caption button calls. The window must be a
// skinned top-level window (index 0 is a programming error).
void SetMainMenuRoutine(HWND window, FARPROC routine);

}  // namespace skin
