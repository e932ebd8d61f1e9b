#include "skin/frames/dialog_frame.h"

namespace skin {

// Dialogs keep the platform's look until their frame is built.
void PaintDialogFrame(HWND) {}

}  // namespace skin
