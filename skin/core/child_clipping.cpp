#include "skin/core/child_clipping.h"

#include <algorithm>
#include <climits>

#include "skin/core/colour_convert.h"
#include "skin/core/custom_draw.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

namespace {

// How far a window's children may reach when they are clipped out.
struct ChildBounds {
  bool bounded = false;
  int width = 0;
  int height = 0;
};

ChildBounds BoundsOf(HWND window) {
  if (int index = FindSkinWindow(window); index >= 1) {
    const SkinWindowRecord& record = SkinWindowTable.At(index);
    return {true, record.width, record.height};
  }
  if (INT_PTR custom = prop::Read(window, prop::kCustomDrawIndex); custom >= 1 && custom <= INT_MAX) {
    const auto size = static_cast<std::int32_t>(CallCustomDrawRoutine(static_cast<int>(custom), 5, 0, 0));
    return {true, static_cast<std::int16_t>(LowWord(size)), HighWord(size)};
  }
  const INT_PTR host = prop::Read(window, prop::kHostIndex);
  if (!SkinWindowTable.Contains(host)) return {};
  const int hostIndex = static_cast<int>(host);
  const int container = FindContainerRecord(hostIndex, window);
  if (container < 1) return {true, 0, 0};
  const ContainerRecord& record = SkinWindowTable.At(hostIndex).containers.At(container);
  return {true, record.width, record.height};
}

RECT ClampedChildRect(HWND child, const ChildBounds& bounds) {
  RECT g = GetRectInParentClient(child);
  g.left = std::max<LONG>(g.left, 0);
  g.top = std::max<LONG>(g.top, 0);
  if (bounds.bounded) {
    g.right = std::min<LONG>(g.right, bounds.width);
    g.bottom = std::min<LONG>(g.bottom, bounds.height);
  }
  g.right = std::max(g.right, g.left);
  g.bottom = std::max(g.bottom, g.top);
  return g;
}

void Exclude(HDC dc, const RECT& r) { ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom); }

// Skinned children other than edit boxes have their last image in the
// host's compositionDc.
bool PaintedByTheSkin(HWND child) {
  return prop::Read(child, prop::kHostIndex) != 0 && !IsClass(child, "Edit") &&
         prop::Read(child, prop::kParentTint) <= 0;
}

}  // namespace

HDC ExcludeVisibleChildren(HWND window, HDC dc) {
  ForEachChild(window, [dc](HWND child) {
    if (IsWindowVisible(child) && !IsTransparentExStyle(child)) Exclude(dc, GetRectInSkinWindow(child));
  });
  return dc;
}

HDC GetDcWithoutChildren(HWND window, HDC dc) {
  const ChildBounds bounds = BoundsOf(window);
  ForEachChild(window, [&](HWND child) {
    if (!IsWindowVisible(child)) return;
    if (IsTransparentExStyle(child) && TransparencyMode == 0) return;
    Exclude(dc, ClampedChildRect(child, bounds));
  });
  return dc;
}

rt::WindowDc GetDcWithoutChildren(HWND window) {
  rt::WindowDc dc(window);
  GetDcWithoutChildren(window, dc.get());
  return dc;
}

HDC GetDcWithoutSelfPaintingChildren(HWND window, HDC dc) {
  ForEachChild(window, [dc](HWND child) {
    if (!IsWindowVisible(child)) return;
    if (IsTransparentExStyle(child) || PaintedByTheSkin(child)) return;
    Exclude(dc, GetRectInParentClient(child));
  });
  return dc;
}

rt::WindowDc GetDcWithoutSelfPaintingChildren(HWND window) {
  rt::WindowDc dc(window);
  GetDcWithoutSelfPaintingChildren(window, dc.get());
  return dc;
}

}  // namespace skin
