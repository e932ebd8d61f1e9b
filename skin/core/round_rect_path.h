// The rounded rectangles every skin fills, outlines and clips to.
#pragma once

#include "gdip/gdip_path.h"

namespace skin {

// Adds one closed rounded-rectangle figure. `corner` is the size of the
// arcs' bounding squares (twice the radius), clamped to 1..100; the
// bottom-right arc is one pixel larger than the others.
void AddRoundRectPath(gdip::GdipPath& path, float x, float y, float width, float height, int corner);

// The same outline from integer arcs (coordinates truncated) plus a line
// along the top edge.
void AddRoundRectPathI(gdip::GdipPath& path, float x, float y, float width, float height, int corner);

}  // namespace skin
