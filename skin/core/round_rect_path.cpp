#include "skin/core/round_rect_path.h"

#include <algorithm>

namespace skin {

namespace {

int ClampCorner(int corner) { return std::clamp(corner, 1, 100); }

}  // namespace

void AddRoundRectPath(gdip::GdipPath& path, float x, float y, float width, float height, int corner) {
  const float r = static_cast<float>(ClampCorner(corner));
  path.AddArc(x + width - r, y, r, r, 270, 90);
  path.AddArc(x + width - r - 1, y + height - r - 1, r + 1, r + 1, 0, 90);
  path.AddArc(x, y + height - r, r, r, 90, 90);
  path.AddArc(x, y, r, r, 180, 90);
  path.CloseFigure();
}

void AddRoundRectPathI(gdip::GdipPath& path, float x, float y, float width, float height, int corner) {
  const int r = ClampCorner(corner);
  const int right = static_cast<int>(x + width) - r;
  const int top = static_cast<int>(y);
  const int bottom = static_cast<int>(y + height) - r;
  const int left = static_cast<int>(x);
  path.AddArcI(right, top, r, r, 270, 90);
  path.AddArcI(right, bottom, r, r, 0, 90);
  path.AddArcI(left, bottom, r, r, 90, 90);
  path.AddArcI(left, top, r, r, 180, 90);
  path.AddLine(x + r, y, x + width - r / 2.0f, y);
  path.CloseFigure();
}

}  // namespace skin
