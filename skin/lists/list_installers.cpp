#include "skin/lists/list_installers.h"

namespace skin {

void SkinListControls(int /*windowIndex*/, HWND /*parent*/) {}

}  // namespace skin
