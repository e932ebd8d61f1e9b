// The open tab outlines: their figures' points and point types.
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "gdip/gdip_path.h"
#include "skin/containers/tab_outline.h"
#include "tests/support/gdip_test_env.h"

namespace {

constexpr BYTE kStart = 0, kBezier = 3;

TEST(TabOutline, OpenFigureWithTwoRoundedTopCorners) {
  gdip::GdipPath path;
  ASSERT_TRUE(path.Create());
  skin::AddTopTabOutline(path, 10, 20, 30, 18, 4);
  gdip::PathData data;
  ASSERT_TRUE(path.GetPathData(data));
  // Points that end a line, in order: the left edge, the straight top
  // edge between the arcs and the right edge. Each arc joins its neighbours
  // with a short line to where it starts, and is one Bezier of three points.
  std::vector<std::pair<float, float>> corners;
  int beziers = 0;
  for (int i = 0; i < data.count; ++i) {
    const BYTE type = data.types[i] & 0x07;
    if (type == kBezier) ++beziers;
    else corners.emplace_back(data.points[i].x, data.points[i].y);
  }
  EXPECT_EQ(data.types[0] & 0x07, kStart);
  EXPECT_EQ(beziers, 6);
  EXPECT_EQ(data.types[data.count - 1] & 0x80, 0) << "the figure stays open";
  const std::vector<std::pair<float, float>> expected = {
      {10, 38}, {10, 24}, {10, 22}, {14, 20}, {36, 20}, {38, 20}, {40, 24}, {40, 38}};
  EXPECT_EQ(corners, expected);
  // The arcs end at the tops and sides of their 4 x 4 boxes.
  EXPECT_EQ(std::pair(data.points[5].x, data.points[5].y), (std::pair{12.0f, 20.0f}));
  EXPECT_EQ(std::pair(data.points[11].x, data.points[11].y), (std::pair{40.0f, 22.0f}));
}

// Points that are no Bezier control or end point, and the number of
// Bezier points, of the one open figure a builder adds.
struct Figure {
  std::vector<std::pair<float, float>> corners;
  int beziers = 0;
  bool closed = false;
};

Figure Read(const std::function<void(gdip::GdipPath&)>& build) {
  gdip::GdipPath path;
  path.Create();
  build(path);
  gdip::PathData data;
  Figure figure;
  if (!path.GetPathData(data) || data.count == 0) return figure;
  for (int i = 0; i < data.count; ++i) {
    if ((data.types[i] & 0x07) == kBezier) ++figure.beziers;
    else figure.corners.emplace_back(data.points[i].x, data.points[i].y);
  }
  figure.closed = (data.types[data.count - 1] & 0x80) != 0;
  return figure;
}

TEST(TabOutline, SideTabsOpenTowardsThePage) {
  struct Case {
    const char* what;
    std::function<void(gdip::GdipPath&)> build;
    std::vector<std::pair<float, float>> corners;
    int beziers;
  };
  const Case cases[] = {
      {"left: chamfered by e/2, open at the right",
       [](gdip::GdipPath& p) { skin::AddLeftTabOutline(p, 10, 20, 30, 18, 5); },
       {{40, 20}, {12.5f, 20}, {10, 22.5f}, {10, 35.5f}, {12.5f, 38}, {40, 38}},
       0},
      {"bottom: chamfered by e/2, open at the top",
       [](gdip::GdipPath& p) { skin::AddBottomTabOutline(p, 10, 20, 30, 18, 5); },
       {{10, 20}, {10, 35.5f}, {12.5f, 38}, {37.5f, 38}, {40, 35.5f}, {40, 20}},
       0},
      {"right: rounded, the lower arc one pixel larger, open at the left",
       [](gdip::GdipPath& p) { skin::AddRightTabOutline(p, 10, 20, 30, 18, 4); },
       {{10, 20}, {36, 20}, {38, 20}, {40, 24}, {40, 34}, {40, 35.5f}, {36, 38}, {10, 38}},
       6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Figure figure = Read(c.build);
    EXPECT_EQ(figure.corners, c.corners);
    EXPECT_EQ(figure.beziers, c.beziers);
    EXPECT_FALSE(figure.closed);
  }
}

}  // namespace
