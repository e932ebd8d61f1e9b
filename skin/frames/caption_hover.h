// The hover fades of a main frame's caption buttons: the button the mouse
// enters brightens in eight steps while the one it left dims, both driven
// by a 20 ms timer of the frame whose id is the frame's own handle.
#pragma once

#include <windows.h>

namespace skin {

// The caption hover timer's id: the frame's window handle.
inline UINT_PTR CaptionHoverTimerId(HWND frame) { return reinterpret_cast<UINT_PTR>(frame); }

// A mouse move over the frame: asks for hover and leave reports, starts the
// timer in the caption-button strip, notes the hot button, starts the fades
// and shows the resize cursor of a border zone.
void OnFrameMouseMove(int windowIndex, LPARAM lParam);

// The mouse left the frame: the hovered button fades out; a fade-in still
// running is cut short.
void OnFrameMouseLeave(int windowIndex);

// One tick of the caption hover timer: a step of each running fade; once
// the mouse is gone and the fade-out has ended, the timer stops and the
// hover state returns to idle.
void OnCaptionHoverTick(int windowIndex);

}  // namespace skin
