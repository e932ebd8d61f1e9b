#include "skin/buttons/button_installers.h"

namespace skin {

void SkinPushButtons(int /*windowIndex*/, HWND /*parent*/) {}

void SkinCheckButtons(int /*windowIndex*/, HWND /*parent*/) {}

}  // namespace skin
