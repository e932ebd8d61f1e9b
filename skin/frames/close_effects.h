// Close animations of skinned windows: a picture of the window redrawn in
// ten layered steps, smaller, moved or more transparent.
#pragma once

#include <windows.h>

namespace skin {

// Stores `effect` (a CloseEffect value) for a skinned window: 1, or 0 with
// nothing stored when the window is not skinned.
int SetCloseEffect(HWND window, int effect);

void AnimateShrinkFade(HWND window);
void AnimateClosePulse(HWND window);
void AnimateCloseFade(HWND window, int alreadyLayered);
void AnimateSqueezeToMiddleRow(HWND window);
void AnimateRollUp(HWND window);
void AnimateRollDown(HWND window);
void AnimateCollapseLeft(HWND window);
void AnimateCollapseRight(HWND window);
void AnimateSqueezeToMiddleColumn(HWND window);

}  // namespace skin
