// The open tab outline shared by the group-box, tab-control and caption
// painters.
#pragma once

#include "gdip/gdip_path.h"

namespace skin {

// Adds to `path`, without closing the figure, the outline of a tab at
// (x, y) of w x h whose two upper corners are rounded with arcs of size e
// and whose bottom edge is left open.
void AddTopTabOutline(gdip::GdipPath& path, int x, int y, int w, int h, int e);

}  // namespace skin
