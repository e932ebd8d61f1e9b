// Windows that move with a main frame: children anchored to its edges and
// companion windows kept at an offset from its corner. Nothing in this
// program registers either, so both routines find empty lists.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Stretches every anchored child to the frame's client size, keeping its
// top (and left unless it spans the full width) and the bottom bar free.
void ReanchorFrameChildren(int windowIndex);

// With `show`, shows or hides each companion to match the state the frame
// is entering (the opposite of its current WS_VISIBLE); without it, moves
// each companion to its offset from the frame's top-left corner.
void SyncCompanionWindows(HWND hwnd, std::optional<bool> show = std::nullopt);

}  // namespace skin
