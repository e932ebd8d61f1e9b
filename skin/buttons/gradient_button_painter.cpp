#include "skin/buttons/gradient_button_painter.h"

namespace skin {

void PaintGradientButton(HWND, HDC, int, const RECT*) {}

}  // namespace skin
