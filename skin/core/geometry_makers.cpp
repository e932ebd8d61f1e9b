#include "skin/core/geometry_makers.h"

namespace skin {

RectF MakeRectF(float x, float y, std::optional<float> width, std::optional<float> height) {
  return {x, y, width.value_or(0.0f), height.value_or(0.0f)};
}

RECT MakeRect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

POINT MakePair(int x, int y) { return {x, y}; }

PointF MakePair(float x, float y) { return {x, y}; }

}  // namespace skin
