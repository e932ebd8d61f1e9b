// The open tab outlines of the tab-control painter; the top one also
// shapes the caption buttons' hover highlight.
#pragma once

#include "gdip/gdip_path.h"

namespace skin {

// Each adds to `path`, without closing the figure, the outline of a tab at
// (x, y) of w x h with corner size e, left open on the side that faces
// the page.

// Two upper corners rounded with e x e arcs; open at the bottom.
void AddTopTabOutline(gdip::GdipPath& path, int x, int y, int w, int h, int e);

// Left corners chamfered by e/2; open at the right.
void AddLeftTabOutline(gdip::GdipPath& path, int x, int y, int w, int h, int e);

// Lower corners chamfered by e/2; open at the top.
void AddBottomTabOutline(gdip::GdipPath& path, int x, int y, int w, int h, int e);

// Right corners rounded, the lower arc's box one pixel larger and one
// pixel further up and left; open at the left.
void AddRightTabOutline(gdip::GdipPath& path, int x, int y, int w, int h, int e);

}  // namespace skin
