// The gradient-button painter: push buttons with face images per state.
#pragma once

#include <windows.h>

namespace skin {

// Paints a gradient button into dc (the caller's). Not drawn yet.
void PaintGradientButton(HWND window, HDC dc, int state, const RECT* rectangle);

}  // namespace skin
