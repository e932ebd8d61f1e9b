// Makers of the small geometry records the painters pass around.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/core/skin_geometry.h"

namespace skin {

// A drawing rectangle; an omitted width or height is 0.
RectF MakeRectF(float x, float y, std::optional<float> width = std::nullopt,
                std::optional<float> height = std::nullopt);

RECT MakeRect(int left, int top, int right, int bottom);

POINT MakePair(int x, int y);

// A drawing point, for gradient end points and other float coordinates.
PointF MakePair(float x, float y);

}  // namespace skin
