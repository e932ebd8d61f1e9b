// Geometry of a main frame's optional bottom bar.
#pragma once

#include <vector>

#include "skin/core/frame_records.h"

namespace skin {

// Gives the window a bottom bar of `height` above its bottom edge and lays
// out the items: with `itemsGiven` a copy of `items` (an item of width -1
// takes what is left of the bar at its place), otherwise one item spanning
// the bar.
void SetupBottomBar(int windowIndex, int height, const std::vector<BottomBarItem>& items,
                    bool itemsGiven);

// Fits the bar and its items to the current client size: the items of
// width -1 share what the fixed ones leave.
void LayoutBottomBar(int windowIndex);

}  // namespace skin
