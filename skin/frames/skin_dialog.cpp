#include "skin/frames/skin_dialog.h"

namespace skin {

// The dialog frame is not built yet: the box keeps the platform's look.
void SkinDialog(HWND) {}

}  // namespace skin
