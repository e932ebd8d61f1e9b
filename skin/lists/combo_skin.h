// Window procedure of skinned combo boxes: the face is always painted by
// the skin; the procedure tracks hover and focus, and in TransparencyMode
// colours the edit field and makes it repaint when its text scrolls.
#pragma once

#include <windows.h>

namespace skin {

LRESULT CALLBACK ComboSkinProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
