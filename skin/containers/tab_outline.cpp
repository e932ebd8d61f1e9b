#include "skin/containers/tab_outline.h"

namespace skin {

namespace {

float F(int v) { return static_cast<float>(v); }

}  // namespace

void AddTopTabOutline(gdip::GdipPath& path, int x, int y, int w, int h, int e) {
  path.AddLine(F(x), F(y + h), F(x), F(y + e));
  path.AddArc(F(x), F(y), F(e), F(e), 180.0f, 90.0f);
  path.AddLine(F(x + e), F(y), F(x + w - e), F(y));
  path.AddArc(F(x + w - e), F(y), F(e), F(e), 270.0f, 90.0f);
  path.AddLine(F(x + w), F(y + e), F(x + w), F(y + h));
}

void AddLeftTabOutline(gdip::GdipPath& path, int x, int y, int w, int h, int e) {
  const float half = F(e) / 2;
  path.AddLine(F(x + w), F(y), F(x) + half, F(y));
  path.AddLine(F(x), F(y) + half, F(x), F(y + h) - half);
  path.AddLine(F(x) + half, F(y + h), F(x + w), F(y + h));
}

void AddBottomTabOutline(gdip::GdipPath& path, int x, int y, int w, int h, int e) {
  const float half = F(e) / 2;
  path.AddLine(F(x), F(y), F(x), F(y + h) - half);
  path.AddLine(F(x) + half, F(y + h), F(x + w) - half, F(y + h));
  path.AddLine(F(x + w), F(y + h) - half, F(x + w), F(y));
}

void AddRightTabOutline(gdip::GdipPath& path, int x, int y, int w, int h, int e) {
  path.AddLine(F(x), F(y), F(x + w - e), F(y));
  path.AddArc(F(x + w - e), F(y), F(e), F(e), 270.0f, 90.0f);
  path.AddLine(F(x + w), F(y + e), F(x + w), F(y + h - e));
  path.AddArc(F(x + w - e - 1), F(y + h - e - 1), F(e + 1), F(e + 1), 0.0f, 90.0f);
  path.AddLine(F(x + w - e), F(y + h), F(x), F(y + h));
}

}  // namespace skin
