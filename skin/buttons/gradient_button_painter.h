// The gradient-button painter: picture buttons with a face image per state.
#pragma once

#include <windows.h>

namespace skin {

// Paints a gradient button into dc (the caller's, left for the caller to
// release) and into the host's composition image. The state's own image
// when it has one; otherwise the normal image, over a rounded frame and a
// gradient that mark the state. Hover wins over pressed; focus has no look
// of its own. A window that is not a listed button is not painted.
void PaintGradientButton(HWND window, HDC dc, int state, const RECT* rectangle);

}  // namespace skin
