// Geometry of a main frame's optional bottom bar.
#pragma once

#include <optional>
#include <vector>

#include "skin/core/frame_records.h"

namespace skin {

// Gives the window a bottom bar of `height` above its bottom edge and lays
// out the items: a copy of `items` when given (an item of width -1 takes
// what is left of the bar at its place), otherwise one item spanning the
// bar.
void SetupBottomBar(int windowIndex, int height, const std::optional<std::vector<BottomBarItem>>& items);

// Fits the bar and its items to the current client size: the items of
// width -1 share what the fixed ones leave.
void LayoutBottomBar(int windowIndex);

}  // namespace skin
