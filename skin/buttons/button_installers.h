// Installers of the button skins: they take a window's push buttons, check
// boxes and radio buttons into its `buttons` list and subclass them.
#pragma once

#include <windows.h>

namespace skin {

// Skins the push buttons among the parent's direct "BUTTON" children: they
// become owner-drawn and are painted through their parent's WM_DRAWITEM.
void SkinPushButtons(int windowIndex, HWND parent);

// Skins the check boxes and auto radio buttons among the parent's direct
// "BUTTON" children; they keep their style and paint themselves.
void SkinCheckButtons(int windowIndex, HWND parent);

}  // namespace skin
