#include "skin/containers/tab_outline.h"

namespace skin {

void AddTopTabOutline(gdip::GdipPath& path, int x, int y, int w, int h, int e) {
  const auto f = [](int v) { return static_cast<float>(v); };
  path.AddLine(f(x), f(y + h), f(x), f(y + e));
  path.AddArc(f(x), f(y), f(e), f(e), 180.0f, 90.0f);
  path.AddLine(f(x + e), f(y), f(x + w - e), f(y));
  path.AddArc(f(x + w - e), f(y), f(e), f(e), 270.0f, 90.0f);
  path.AddLine(f(x + w), f(y + e), f(x + w), f(y + h));
}

}  // namespace skin
