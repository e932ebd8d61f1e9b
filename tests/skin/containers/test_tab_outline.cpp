// The open tab outline: its figure's points and point types.
#include <gtest/gtest.h>

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

}  // namespace
