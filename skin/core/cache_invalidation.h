// Marking cached control images stale when the theme, a window or a
// container's children change, so that their painters build them anew.
#pragma once

#include <windows.h>

namespace skin {

// Marks every container of a skinned window for a full repaint and, unless
// `containersOnly`, every cached image of its common controls, labels and
// list controls too. Does nothing for a window without a skin record.
void InvalidateWindowCaches(HWND window, bool containersOnly = false);

// Invalidates (with erasing) every visible direct child.
void InvalidateVisibleChildren(HWND window);

// Tells the container that holds `control` that one of its children moved
// or changed size. Nothing when the parent is not a registered container.
void MarkContainerDirty(HWND control);

}  // namespace skin
