// The end of a skinned top-level window's skin.
#pragma once

#include <windows.h>

namespace skin {

// Releases the window's skin when it is destroyed: deletes its caption
// tooltip tools (the tooltip window stays), the brushes and bitmaps its
// edits were handed, and its cached DCs; gives the window its saved
// procedure back; removes its record; then rewrites the index properties of
// every remaining skinned window and its listed controls. A window that is
// not skinned only triggers the renumbering.
void ReleaseWindowSkin(HWND window);

}  // namespace skin
