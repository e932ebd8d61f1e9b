// Small geometry records shared by the skin engine. Rectangles passed
// between the engine's routines are Win32 RECTs (left, top, right, bottom).
#pragma once

namespace skin {

// A GDI+ drawing rectangle.
struct RectF {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
};

// A rectangle kept as origin and size (the bottom bar and its items).
struct XywhRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

}  // namespace skin
