#include "skin/buttons/radio_button_painter.h"

namespace skin {

void PaintRadioButton(HWND, int) {}

}  // namespace skin
