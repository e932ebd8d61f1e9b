#include "skin/frames/close_effects.h"

namespace skin {

// Not animated yet: the window closes as it is.
int SetCloseEffect(HWND, int) { return 0; }
void AnimateShrinkFade(HWND) {}
void AnimateClosePulse(HWND) {}
void AnimateCloseFade(HWND, int) {}
void AnimateSqueezeToMiddleRow(HWND) {}
void AnimateRollUp(HWND) {}
void AnimateRollDown(HWND) {}
void AnimateCollapseLeft(HWND) {}
void AnimateCollapseRight(HWND) {}
void AnimateSqueezeToMiddleColumn(HWND) {}

}  // namespace skin
