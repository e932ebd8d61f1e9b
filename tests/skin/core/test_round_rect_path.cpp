// The rounded-rectangle figures: where their arcs sit, and how the corner
// size is clamped.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gdip/gdip_path.h"
#include "skin/core/round_rect_path.h"
#include "tests/support/gdip_test_env.h"

namespace {

std::vector<gdip::PointF> PointsOf(gdip::GdipPath& path) {
  std::vector<gdip::PointF> points;
  path.GetPathPoints(points);
  return points;
}

bool Contains(const std::vector<gdip::PointF>& points, float x, float y) {
  for (const gdip::PointF& p : points) {
    if (std::fabs(p.x - x) < 0.01f && std::fabs(p.y - y) < 0.01f) return true;
  }
  return false;
}

// Corner sizes as given, and as drawn.
const struct {
  int given, used;
} kCorners[] = {{-5, 1}, {0, 1}, {1, 1}, {10, 10}, {100, 100}, {150, 100}};

TEST(AddRoundRectPath, PlacesFourArcsOfTheClampedCornerSizeAndClosesTheFigure) {
  constexpr float x = 10, y = 20, w = 300, h = 250;
  for (const auto& c : kCorners) {
    SCOPED_TRACE(testing::Message() << "corner " << c.given);
    gdip::GdipPath path;
    ASSERT_TRUE(path.Create());
    skin::AddRoundRectPath(path, x, y, w, h, c.given);
    const float r = static_cast<float>(c.used);
    const std::vector<gdip::PointF> points = PointsOf(path);
    ASSERT_FALSE(points.empty());
    // Each arc starts at the middle of one side of its bounding square.
    EXPECT_NEAR(points.front().x, x + w - r / 2, 0.01f);  // top right, from 270 degrees
    EXPECT_NEAR(points.front().y, y, 0.01f);
    // The bottom-right square is one pixel larger and one pixel further in.
    EXPECT_TRUE(Contains(points, x + w, y + h - r - 1 + (r + 1) / 2));
    EXPECT_TRUE(Contains(points, x + r / 2, y + h));  // bottom left, from 90
    EXPECT_TRUE(Contains(points, x, y + r / 2));      // top left, from 180

    rt::ByteArray types;
    ASSERT_TRUE(path.GetPathTypes(types));
    EXPECT_TRUE(types.back() & 0x80) << "the figure is closed";
  }
}

TEST(AddRoundRectPathI, UsesWholePixelArcsAndATopEdgeLine) {
  constexpr float x = 10.7f, y = 20.6f, w = 300.5f, h = 250.2f;
  for (const auto& c : kCorners) {
    SCOPED_TRACE(testing::Message() << "corner " << c.given);
    gdip::GdipPath path;
    ASSERT_TRUE(path.Create());
    skin::AddRoundRectPathI(path, x, y, w, h, c.given);
    const int r = c.used;
    const float half = r / 2.0f;
    const int right = static_cast<int>(x + w) - r, bottom = static_cast<int>(y + h) - r;
    const std::vector<gdip::PointF> points = PointsOf(path);
    ASSERT_FALSE(points.empty());
    EXPECT_NEAR(points.front().x, right + half, 0.01f);
    EXPECT_NEAR(points.front().y, 20.0f, 0.01f);
    EXPECT_TRUE(Contains(points, static_cast<float>(right + r), bottom + half)) << "bottom right, r by r";
    EXPECT_TRUE(Contains(points, 10.0f + half, static_cast<float>(bottom + r)));
    EXPECT_TRUE(Contains(points, 10.0f, 20.0f + half));
    // The top edge is added as a line of its own at the end.
    ASSERT_GE(points.size(), 2u);
    const gdip::PointF& lineStart = points[points.size() - 2];
    EXPECT_NEAR(lineStart.x, x + r, 0.01f);
    EXPECT_NEAR(lineStart.y, y, 0.01f);
    EXPECT_NEAR(points.back().x, x + w - half, 0.01f);
    EXPECT_NEAR(points.back().y, y, 0.01f);
  }
}

}  // namespace
