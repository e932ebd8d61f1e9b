// Paths: building figures, reading them back, rounded rectangles, and the
// argument checks made before GDI+ is asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_font_collection.h"
#include "gdip/gdip_font_family.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_matrix.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "tests/gdip/gdip_test_support.h"

namespace {

using gdip::GdipObject;
using gdip::GdipPath;
using gdip::PointF;
using gdip::PointI;
using gdip::RectF;
using gdip_test::FlatCalls;

constexpr BYTE kStart = 0, kLine = 1, kCloseFlag = 0x80, kMarkerFlag = 0x20;

// Empty wrappers: no transform, no pen width, no device.
const gdip::GdipMatrix kNoMatrix;
const gdip::GdipPen kNoPen;
const gdip::GdipGraphics kNoGraphics;

std::vector<PointF> PointsOf(GdipPath& path) {
  std::vector<PointF> points;
  path.GetPathPoints(points);
  return points;
}

rt::ByteArray TypesOf(GdipPath& path) {
  rt::ByteArray types;
  path.GetPathTypes(types);
  return types;
}

bool HasPoint(const std::vector<PointF>& points, PointF wanted) {
  return std::any_of(points.begin(), points.end(), [&](const PointF& p) {
    return std::abs(p.x - wanted.x) < 0.01f && std::abs(p.y - wanted.y) < 0.01f;
  });
}

void ExpectRectNear(const RectF& actual, const RectF& expected) {
  EXPECT_NEAR(actual.x, expected.x, 0.01f);
  EXPECT_NEAR(actual.y, expected.y, 0.01f);
  EXPECT_NEAR(actual.width, expected.width, 0.01f);
  EXPECT_NEAR(actual.height, expected.height, 0.01f);
}

TEST(GdipPath, CreateUsesTheGivenFillModeOrAlternate) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  EXPECT_EQ(path.GetFillMode(), gdip::FillMode::Alternate);
  ASSERT_TRUE(path.Create(gdip::FillMode::Winding));
  EXPECT_EQ(path.GetFillMode(), gdip::FillMode::Winding);
  EXPECT_TRUE(path.SetFillMode(gdip::FillMode::Alternate));
  EXPECT_EQ(path.GetFillMode(), gdip::FillMode::Alternate);
}

TEST(GdipPath, RoundRectCornersAreQuarterEllipsesOfThePercent) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRoundRect(0, 0, 100, 50, 20));  // corner boxes 20 x 10
  const std::vector<PointF> points = PointsOf(path);
  ASSERT_FALSE(points.empty());
  EXPECT_EQ(points.front(), (PointF{90, 0}));  // from 270 degrees of the upper-right box
  for (PointF end : {PointF{100, 5}, PointF{100, 45}, PointF{90, 50}, PointF{10, 50}, PointF{0, 45}, PointF{0, 5},
                     PointF{10, 0}})
    EXPECT_TRUE(HasPoint(points, end)) << end.x << "," << end.y;
  const rt::ByteArray types = TypesOf(path);
  EXPECT_EQ(types.front(), kStart);
  EXPECT_TRUE(types.back() & kCloseFlag);
  ExpectRectNear(path.GetBounds(kNoMatrix, kNoPen), {0, 0, 100, 50});
}

TEST(GdipPath, RoundRectCornerBoxIsTruncatedToWholeUnits) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRoundRect(0, 0, 33, 33, 10));  // 3.3 becomes 3
  EXPECT_EQ(PointsOf(path).front(), (PointF{31.5f, 0}));
}

TEST(GdipPath, RoundRectPercentIsClampedToOneThroughHundred) {
  struct Case {
    int given, meant;
  };
  for (Case c : {Case{0, 1}, Case{-5, 1}, Case{150, 100}, Case{100, 100}, Case{45, 45}}) {
    GdipPath given, meant;
    ASSERT_TRUE(given.Create());
    ASSERT_TRUE(meant.Create());
    ASSERT_TRUE(given.AddRoundRect(0, 0, 300, 200, c.given));
    ASSERT_TRUE(meant.AddRoundRect(0, 0, 300, 200, c.meant));
    EXPECT_EQ(PointsOf(given), PointsOf(meant)) << "percent " << c.given;
    EXPECT_EQ(TypesOf(given), TypesOf(meant)) << "percent " << c.given;
  }
}

TEST(GdipPath, RoundRectWithoutRoomForCornersIsAPlainRectangle) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRoundRect(0, 0, 33, 33, 1));  // 0.33 leaves a corner box of 0
  EXPECT_EQ(PointsOf(path), (std::vector<PointF>{{33, 0}, {33, 33}, {0, 33}, {0, 0}}));
  EXPECT_EQ(TypesOf(path), (rt::ByteArray{kStart, kLine, kLine, kLine | kCloseFlag}));
}

TEST(GdipPath, RoundRectIsAFigureOfItsOwn) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddLine(0, 0, 5, 5));
  ASSERT_TRUE(path.AddRoundRect(10, 10, 100, 100, 20));
  const rt::ByteArray types = TypesOf(path);
  ASSERT_GT(types.size(), 3u);
  EXPECT_EQ(types[1], kLine);   // the open line stays open
  EXPECT_EQ(types[2], kStart);  // and is not joined to the rectangle
}

TEST(GdipPath, FilledRoundRectLeavesItsCornersClear) {
  gdip::GdipBitmap canvas;
  ASSERT_TRUE(canvas.Create(40, 40));
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRoundRect(0, 0, 40, 40, 50));  // corner radius 10
  {
    gdip::GdipGraphics graphics;
    ASSERT_TRUE(graphics.CreateFromImage(canvas));
    gdip::GdipSolidBrush brush;
    ASSERT_TRUE(brush.Create(0xFFFF0000));
    ASSERT_TRUE(graphics.FillPath(brush, path));
  }
  EXPECT_EQ(canvas.GetPixel(1, 1) >> 24, 0u);  // outside the rounded corner
  EXPECT_EQ(canvas.GetPixel(20, 20), 0xFFFF0000u);
  EXPECT_EQ(canvas.GetPixel(20, 2), 0xFFFF0000u);  // edge between the corners
}

TEST(GdipPath, PointsAndTypesReadBack) {
  const std::vector<PointF> points = {{0, 0}, {10, 0}, {10, 10}};
  const rt::ByteArray types = {kStart, kLine, kLine | kCloseFlag};
  GdipPath path;
  ASSERT_TRUE(path.CreateFromPoints(points, types));
  EXPECT_EQ(path.GetPointCount(), 3);
  EXPECT_EQ(PointsOf(path), points);
  EXPECT_EQ(TypesOf(path), types);
  EXPECT_EQ(path.GetLastPoint(), (PointF{10, 10}));

  gdip::PathData data;
  ASSERT_TRUE(path.GetPathData(data));
  EXPECT_EQ(data.count, 3);
  EXPECT_EQ(data.points, points);
  EXPECT_EQ(data.types, types);

  std::vector<PointI> whole;
  ASSERT_TRUE(path.GetPathPointsI(whole));
  EXPECT_EQ(whole, (std::vector<PointI>{{0, 0}, {10, 0}, {10, 10}}));

  GdipPath fromWhole;
  ASSERT_TRUE(fromWhole.CreateFromPointsI(whole, types, gdip::FillMode::Winding));
  EXPECT_EQ(PointsOf(fromWhole), points);
  EXPECT_EQ(fromWhole.GetFillMode(), gdip::FillMode::Winding);
}

TEST(GdipPath, FewerPointsThanTypesAreRefusedBeforeGdiplus) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddLine(1, 2, 3, 4));
  const std::vector<PointF> two = {{0, 0}, {1, 1}};
  FlatCalls calls;
  EXPECT_FALSE(path.CreateFromPoints(two, {kStart, kLine, kLine}));
  EXPECT_FALSE(path.CreateFromPointsI(std::vector<PointI>{{0, 0}}, {kStart, kLine}));
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  EXPECT_EQ(path.GetPointCount(), 2);  // the path it held is untouched
}

TEST(GdipPath, ReadingAnEmptyPathFailsAndKeepsTheArrays) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  std::vector<PointF> points = {{7, 7}};
  rt::ByteArray types = {9};
  EXPECT_FALSE(path.GetPathPoints(points));
  EXPECT_FALSE(path.GetPathTypes(types));
  EXPECT_EQ(points, (std::vector<PointF>{{7, 7}}));
  EXPECT_EQ(types, (rt::ByteArray{9}));

  gdip::PathData data{5, {{1, 1}}, {1}};
  EXPECT_FALSE(path.GetPathData(data));
  EXPECT_EQ(data.count, 0);
  EXPECT_TRUE(data.points.empty());
  EXPECT_TRUE(data.types.empty());

  FlatCalls calls;
  EXPECT_FALSE(path.GetPathPoints(points, -1));
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
}

TEST(GdipPath, GivenCountReadsThatManyElements) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddLine(0, 0, 4, 4));
  std::vector<PointF> points;
  ASSERT_TRUE(path.GetPathPoints(points, 2));
  EXPECT_EQ(points, (std::vector<PointF>{{0, 0}, {4, 4}}));
  rt::ByteArray types;
  EXPECT_FALSE(path.GetPathTypes(types, 1));  // too small a buffer: GDI+ says so
}

TEST(GdipPath, CloneIsIndependent) {
  GdipPath path, copy;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddLine(0, 0, 1, 1));
  ASSERT_TRUE(copy.Create());
  ASSERT_TRUE(path.CloneInto(copy));
  ASSERT_TRUE(copy.AddLine(2, 2, 3, 3));
  EXPECT_EQ(path.GetPointCount(), 2);
  EXPECT_EQ(copy.GetPointCount(), 4);
  ASSERT_TRUE(path.Delete());
  EXPECT_EQ(copy.GetPointCount(), 4);
  EXPECT_FALSE(copy.CloneInto(copy));
}

TEST(GdipPath, FigureEditing) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddLine(0, 0, 5, 7));
  ASSERT_TRUE(path.SetMarker());
  EXPECT_TRUE(TypesOf(path).back() & kMarkerFlag);
  EXPECT_TRUE(path.ClearMarkers());
  if (!gdip_test::RunningOnWine()) {  // Wine's GDI+ keeps the marker bits
    EXPECT_FALSE(TypesOf(path).back() & kMarkerFlag);
  }

  ASSERT_TRUE(path.StartFigure());
  ASSERT_TRUE(path.AddLine(20, 20, 30, 30));
  ASSERT_TRUE(path.CloseAllFigures());
  EXPECT_TRUE(TypesOf(path)[1] & kCloseFlag);  // Wine's GDI+ leaves the last figure open
  ASSERT_TRUE(path.CloseFigure());
  EXPECT_TRUE(TypesOf(path).back() & kCloseFlag);
  EXPECT_EQ(path.GetLastPoint(), (PointF{30, 30}));

  ASSERT_TRUE(path.Reverse());
  EXPECT_EQ(PointsOf(path).front(), (PointF{30, 30}));

  GdipPath other;
  ASSERT_TRUE(other.Create());
  ASSERT_TRUE(other.AddLine(50, 50, 60, 60));
  ASSERT_TRUE(path.AddPath(other));
  EXPECT_EQ(path.GetPointCount(), 6);

  ASSERT_TRUE(path.Reset());
  EXPECT_EQ(path.GetPointCount(), 0);
}

// Every adder on a fresh path: it succeeds and the figure lies where its
// arguments put it (a swapped or dropped argument moves the bounds). GDI+
// bounds a curve by its control points.
TEST(GdipPath, AddersPlaceTheirFigures) {
  const std::vector<PointF> triangle = {{0, 0}, {10, 0}, {10, 20}};
  const std::vector<PointI> triangleI = {{0, 0}, {10, 0}, {10, 20}};
  const std::vector<PointF> bezier = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
  const std::vector<PointI> bezierI = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
  struct Case {
    const char* name;
    std::function<bool(GdipPath&)> add;
    RectF bounds;
  };
  const std::vector<Case> cases = {
      {"AddLine", [](GdipPath& p) { return p.AddLine(1, 2, 11, 22); }, {1, 2, 10, 20}},
      {"AddLineI", [](GdipPath& p) { return p.AddLineI(1, 2, 11, 22); }, {1, 2, 10, 20}},
      {"AddLines", [&](GdipPath& p) { return p.AddLines(triangle); }, {0, 0, 10, 20}},
      {"AddLinesI", [&](GdipPath& p) { return p.AddLinesI(triangleI); }, {0, 0, 10, 20}},
      {"AddArc", [](GdipPath& p) { return p.AddArc(0, 0, 20, 40, 0, 90); }, {10, 20, 10, 20}},
      {"AddArcI", [](GdipPath& p) { return p.AddArcI(0, 0, 20, 40, 0, 90); }, {10, 20, 10, 20}},
      {"AddBezier", [](GdipPath& p) { return p.AddBezier(0, 0, 0, 10, 10, 10, 10, 0); }, {0, 0, 10, 10}},
      {"AddBezierI", [](GdipPath& p) { return p.AddBezierI(0, 0, 0, 10, 10, 10, 10, 0); }, {0, 0, 10, 10}},
      {"AddBeziers", [&](GdipPath& p) { return p.AddBeziers(bezier); }, {0, 0, 10, 10}},
      {"AddBeziersI", [&](GdipPath& p) { return p.AddBeziersI(bezierI); }, {0, 0, 10, 10}},
      {"AddRectangle", [](GdipPath& p) { return p.AddRectangle(1, 2, 3, 4); }, {1, 2, 3, 4}},
      {"AddRectangleI", [](GdipPath& p) { return p.AddRectangleI(1, 2, 3, 4); }, {1, 2, 3, 4}},
      {"AddRectangles",
       [](GdipPath& p) { return p.AddRectangles(std::vector<RectF>{{0, 0, 1, 1}, {5, 5, 2, 3}}); },
       {0, 0, 7, 8}},
      {"AddRectanglesI",
       [](GdipPath& p) { return p.AddRectanglesI(std::vector<gdip::RectI>{{0, 0, 1, 1}, {5, 5, 2, 3}}); },
       {0, 0, 7, 8}},
      {"AddEllipse", [](GdipPath& p) { return p.AddEllipse(2, 4, 10, 20); }, {2, 4, 10, 20}},
      {"AddEllipseI", [](GdipPath& p) { return p.AddEllipseI(2, 4, 10, 20); }, {2, 4, 10, 20}},
      {"AddPie", [](GdipPath& p) { return p.AddPie(0, 0, 20, 40, 0, 90); }, {10, 20, 10, 20}},
      {"AddPieI", [](GdipPath& p) { return p.AddPieI(0, 0, 20, 40, 0, 90); }, {10, 20, 10, 20}},
      {"AddPolygon", [&](GdipPath& p) { return p.AddPolygon(triangle); }, {0, 0, 10, 20}},
      {"AddPolygonI", [&](GdipPath& p) { return p.AddPolygonI(triangleI); }, {0, 0, 10, 20}},
  };
  for (const Case& c : cases) {
    GdipPath path;
    ASSERT_TRUE(path.Create());
    EXPECT_TRUE(c.add(path)) << c.name;
    SCOPED_TRACE(c.name);
    ExpectRectNear(path.GetBounds(kNoMatrix, kNoPen), c.bounds);
  }
}

// Curves pass through their points; their bounds depend on the tension.
TEST(GdipPath, CurvesPassThroughTheirPoints) {
  const std::vector<PointF> points = {{0, 0}, {10, 10}, {20, 0}, {30, 10}};
  const std::vector<PointI> pointsI = {{0, 0}, {10, 10}, {20, 0}, {30, 10}};
  const std::vector<std::function<bool(GdipPath&)>> adders = {
      [&](GdipPath& p) { return p.AddCurve(points); },
      [&](GdipPath& p) { return p.AddCurveI(pointsI); },
      [&](GdipPath& p) { return p.AddCurve2(points, 0.5f); },
      [&](GdipPath& p) { return p.AddCurve2I(pointsI, 0.5f); },
      [&](GdipPath& p) { return p.AddCurve3(points, 0, 3, 0.5f); },
      [&](GdipPath& p) { return p.AddCurve3I(pointsI, 0, 3, 0.5f); },
      [&](GdipPath& p) { return p.AddClosedCurve(points); },
      [&](GdipPath& p) { return p.AddClosedCurveI(pointsI); },
      [&](GdipPath& p) { return p.AddClosedCurve2(points, 0.5f); },
      [&](GdipPath& p) { return p.AddClosedCurve2I(pointsI, 0.5f); },
  };
  for (std::size_t i = 0; i < adders.size(); ++i) {
    GdipPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(adders[i](path)) << "adder " << i;
    const std::vector<PointF> read = PointsOf(path);
    for (const PointF& p : points) EXPECT_TRUE(HasPoint(read, p)) << "adder " << i;
  }
}

TEST(GdipPath, TransformMovesThePath) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRectangle(0, 0, 10, 10));
  gdip::GdipMatrix shift;
  ASSERT_TRUE(shift.Create());
  ASSERT_TRUE(shift.Translate(5, 7));
  ASSERT_TRUE(path.Transform(shift));
  ExpectRectNear(path.GetBounds(kNoMatrix, kNoPen), {5, 7, 10, 10});
  EXPECT_EQ(path.GetBoundsI(kNoMatrix, kNoPen), (gdip::RectI{5, 7, 10, 10}));
  // Bounds under a matrix leave the path itself alone.
  ExpectRectNear(path.GetBounds(shift, kNoPen), {10, 14, 10, 10});
}

TEST(GdipPath, FlattenDefaultsToQuarterUnitFlatness) {
  GdipPath curve;
  ASSERT_TRUE(curve.Create());
  ASSERT_TRUE(curve.AddBezier(0, 0, 0, 100, 100, 100, 100, 0));
  GdipPath omitted, quarter;
  ASSERT_TRUE(curve.CloneInto(omitted));
  ASSERT_TRUE(curve.CloneInto(quarter));
  ASSERT_TRUE(omitted.Flatten(kNoMatrix));
  ASSERT_TRUE(quarter.Flatten(kNoMatrix, 0.25f));
  EXPECT_GT(omitted.GetPointCount(), 4);
  EXPECT_EQ(PointsOf(omitted), PointsOf(quarter));
  const rt::ByteArray types = TypesOf(omitted);
  EXPECT_TRUE(std::all_of(types.begin() + 1, types.end(), [](BYTE t) { return (t & 7) == kLine; }));
}

TEST(GdipPath, VisibilityOfPointsAndOutlines) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRoundRect(0, 0, 100, 100, 50));
  EXPECT_TRUE(path.IsVisible(50, 50, kNoGraphics));
  EXPECT_FALSE(path.IsVisible(2, 2, kNoGraphics));  // in the rounded corner
  EXPECT_TRUE(path.IsVisibleI(50, 50, kNoGraphics));

  gdip::GdipPen pen;
  ASSERT_TRUE(pen.Create(0xFF000000, 4));
  EXPECT_TRUE(path.IsOutlineVisible(50, 0, pen, kNoGraphics));
  EXPECT_FALSE(path.IsOutlineVisible(50, 50, pen, kNoGraphics));
  EXPECT_TRUE(path.IsOutlineVisibleI(0, 50, pen, kNoGraphics));
  // Widening by the pen makes the outline a fillable figure.
  GdipPath outline;
  ASSERT_TRUE(path.CloneInto(outline));
  ASSERT_TRUE(outline.Widen(pen, kNoMatrix));
  EXPECT_TRUE(outline.IsVisible(50, 1, kNoGraphics));
  EXPECT_FALSE(outline.IsVisible(50, 50, kNoGraphics));
}

// Wine's GDI+ has no outline or warp: the wrapper reports the failure and
// leaves the path as it was.
TEST(GdipPath, OutlineAndWarpReportGdiplusAnswer) {
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddEllipse(0, 0, 10, 10));
  const int points = path.GetPointCount();
  const std::vector<PointF> corners = {{0, 0}, {20, 0}, {0, 20}, {20, 20}};
  if (gdip_test::RunningOnWine()) {
    EXPECT_FALSE(path.Outline(kNoMatrix));
    EXPECT_EQ(gdip::LastStatus, Gdiplus::NotImplemented);
    EXPECT_FALSE(path.Warp(corners, {0, 0, 10, 10}, kNoMatrix));
    EXPECT_EQ(gdip::LastStatus, Gdiplus::NotImplemented);
    EXPECT_EQ(path.GetPointCount(), points);
    return;
  }
  ASSERT_TRUE(path.Outline(kNoMatrix));
  EXPECT_TRUE(path.IsVisible(5, 5, kNoGraphics));
  ASSERT_TRUE(path.Warp(corners, {0, 0, 10, 10}, kNoMatrix));
  EXPECT_TRUE(path.IsVisible(15, 10, kNoGraphics));  // twice the size now
}

class GdipPathText : public ::testing::Test {
 protected:
  void SetUp() override {
    const gdip::GdipFontCollection installed;
    for (const char* name : {"Arial", "WenQuanYi Micro Hei"})
      if (family_.CreateFromName(name, installed)) break;
    if (family_.IsEmpty()) GTEST_SKIP() << "no font family to outline text with";
    ASSERT_TRUE(format_.Create());
    ASSERT_TRUE(path_.Create());
  }

  gdip::GdipFontFamily family_;
  gdip::GdipStringFormat format_;
  GdipPath path_;
};

TEST_F(GdipPathText, TextBecomesOutlines) {
  ASSERT_TRUE(path_.AddString("AB", family_, 20, {0, 0, 200, 50}, {}, format_));
  const int fromText = path_.GetPointCount();
  EXPECT_GT(fromText, 0);
  ASSERT_TRUE(path_.AddStringI("AB", family_, 20, {0, 60, 200, 50}, {}, format_));
  ASSERT_TRUE(path_.AddStringW({0x41, 0, 0x42, 0, 0, 0}, family_, 20, {0, 120, 200, 50}, {}, format_));
  ASSERT_TRUE(path_.AddStringIW({0x41, 0, 0x42, 0, 0, 0}, family_, 20, {0, 180, 200, 50}, {}, format_));
  EXPECT_EQ(path_.GetPointCount(), 4 * fromText);
}

TEST_F(GdipPathText, EmptyTextReachesGdiplusAsNoString) {
  FlatCalls calls;
  const bool added = path_.AddString("", family_, 20, {0, 0, 200, 50}, {}, format_);
  EXPECT_EQ(calls.made(), 1u) << "empty text is GDI+'s to judge, not refused before";
  if (gdip_test::RunningOnWine()) {
    EXPECT_FALSE(added) << "Wine's GDI+ refuses an absent string";
    EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  }
  EXPECT_EQ(path_.GetPointCount(), 0);
}

TEST_F(GdipPathText, UnterminatedWideTextIsRefusedBeforeGdiplus) {
  FlatCalls calls;
  EXPECT_FALSE(path_.AddStringW({0x41, 0, 0x42, 0}, family_, 20, {0, 0, 200, 50}, {}, format_));
  EXPECT_FALSE(path_.AddStringIW({0x41}, family_, 20, {0, 0, 200, 50}, {}, format_));
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
}

}  // namespace
