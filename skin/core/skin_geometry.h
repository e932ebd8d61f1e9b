// Small geometry records shared by the skin engine. Rectangles passed
// between the engine's routines are Win32 RECTs (left, top, right, bottom).
#pragma once

#include "gdip/gdip_records.h"

namespace skin {

// A GDI+ drawing rectangle.
using RectF = gdip::RectF;

// A GDI+ drawing point (gradient end points).
using PointF = gdip::PointF;

// A rectangle kept as origin and size (the bottom bar and its items).
struct XywhRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

}  // namespace skin
