#include "skin/buttons/image_button_painters.h"

namespace skin {

void PaintImageButton(HWND, HDC, int, const RECT*) {}

void PaintImageCheckBox(HWND, int) {}

}  // namespace skin
