// Statics and transparent children.
#pragma once

#include <windows.h>

namespace skin {

// Skins the parent's direct statics not yet listed; text statics grow by
// the extra width and height.
void SkinStatics(int windowIndex, HWND parent, int extraWidth, int extraHeight);

// Subclasses the parent's direct children with WS_EX_TRANSPARENT (edits
// excepted) so that they paint over the skin background.
void SkinTransparentChildren(int windowIndex, HWND parent);

// Invalidates and updates every direct child with WS_EX_TRANSPARENT.
void RedrawTransparentChildren(HWND window);

}  // namespace skin
