// Making a frame's skinned controls repaint over a newly composed
// background.
#pragma once

#include <windows.h>

namespace skin {

// Invalidates the skinned list controls (marked dirty, with their visible
// children), combo boxes and edits (erasing), buttons, trackbars, progress
// bars and up-down controls whose parent is the frame itself.
void InvalidateSkinnedChildren(int windowIndex);

// Marks the first record of `hwnd` in its skinned window for repainting
// (container, common control, label, list control, in that order) and
// invalidates it, with `withChildren` its visible children too.
void InvalidateSkinnedChild(HWND hwnd, bool withChildren);

}  // namespace skin
