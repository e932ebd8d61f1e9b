// Pens and the four brush kinds: what they paint, what they read back,
// their transforms about a point, and the array arguments they check.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "gdip/gdip_brush.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_linear_gradient_brush.h"
#include "gdip/gdip_matrix.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_path_gradient_brush.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_texture_brush.h"
#include "tests/gdip/canvas.h"
#include "tests/gdip/gdip_test_support.h"

namespace {

using gdip::ARGB;
using gdip::GdipBitmap;
using gdip::GdipBrush;
using gdip::GdipLinearGradientBrush;
using gdip::GdipMatrix;
using gdip::GdipPath;
using gdip::GdipPathGradientBrush;
using gdip::GdipPen;
using gdip::GdipSolidBrush;
using gdip::GdipTextureBrush;
using gdip::PointF;
using gdip_test::BitmapCanvas;
using gdip_test::BlueOf;
using gdip_test::FlatCalls;
using gdip_test::LiveNatives;
using gdip_test::kBlue;
using gdip_test::kRed;
using gdip_test::RedOf;

bool Reddish(ARGB c) { return RedOf(c) > 0xC0 && BlueOf(c) < 0x40; }
bool Bluish(ARGB c) { return BlueOf(c) > 0xC0 && RedOf(c) < 0x40; }

PointF Mapped(const GdipMatrix& matrix, PointF p) {
  Gdiplus::PointF native(p.x, p.y);
  gdip::flat::GdipTransformMatrixPoints(gdip::NativeOf<Gdiplus::GpMatrix>(matrix), &native, 1);
  return {native.X, native.Y};
}

GdipLinearGradientBrush RedToBlue(float length) {
  GdipLinearGradientBrush brush;
  brush.Create(PointF{0, 0}, PointF{length, 0}, kRed, kBlue);
  return brush;
}

// ---------------------------------------------------------------------------
// Brushes in general

TEST(GdipBrush, TypesAndTheEmptyBrush) {
  GdipSolidBrush solid;
  ASSERT_TRUE(solid.Create(kRed));
  EXPECT_EQ(solid.GetType(), 0);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::Ok);

  // An empty brush also answers 0; LastStatus tells them apart.
  GdipSolidBrush empty;
  EXPECT_EQ(empty.GetType(), 0);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);

  GdipLinearGradientBrush linear = RedToBlue(10);
  EXPECT_EQ(linear.GetType(), 4);
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddEllipse(0, 0, 10, 10));
  GdipPathGradientBrush pathGradient;
  ASSERT_TRUE(pathGradient.CreateFromPath(path));
  EXPECT_EQ(pathGradient.GetType(), 3);

  GdipBrush copy;
  ASSERT_TRUE(linear.CloneInto(copy));
  EXPECT_EQ(copy.GetType(), 4);
}

TEST(GdipBrush, DeleteThenDestroyReleasesOnce) {
  LiveNatives live;
  auto brush = std::make_unique<GdipSolidBrush>();
  ASSERT_TRUE(brush->Create(kRed));
  EXPECT_EQ(live.added(), 1);
  EXPECT_TRUE(brush->Delete());
  EXPECT_EQ(live.added(), 0);
  FlatCalls calls;
  brush.reset();
  EXPECT_EQ(calls.made(), 0u);  // nothing left to release
  EXPECT_EQ(live.added(), 0);

  // The same object may be created again after its Delete.
  GdipSolidBrush reused;
  ASSERT_TRUE(reused.Create(kRed));
  ASSERT_TRUE(reused.Delete());
  ASSERT_TRUE(reused.Create(kBlue));
  EXPECT_EQ(reused.GetColor(), kBlue);
}

TEST(GdipSolidBrush, FillsWithItsColour) {
  BitmapCanvas canvas(8, 8);
  ASSERT_TRUE(canvas.ok());
  GdipSolidBrush brush;
  ASSERT_TRUE(brush.Create(kRed));
  ASSERT_TRUE(brush.SetColor(kBlue));
  EXPECT_EQ(brush.GetColor(), kBlue);
  ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 2, 2, 4, 4));
  EXPECT_EQ(canvas.Pixel(3, 3), kBlue);
  EXPECT_EQ(canvas.Pixel(7, 7), gdip_test::kWhite);
}

// ---------------------------------------------------------------------------
// Linear gradients

TEST(GdipLinearGradientBrush, BlendsAndTilesAlongItsLine) {
  BitmapCanvas canvas(140, 4);
  ASSERT_TRUE(canvas.ok());
  GdipLinearGradientBrush brush = RedToBlue(100);
  ARGB first = 0, second = 0;
  ASSERT_TRUE(brush.GetColors(first, second));
  EXPECT_EQ(first, kRed);
  EXPECT_EQ(second, kBlue);
  EXPECT_EQ(brush.GetWrapMode(), gdip::WrapMode::Tile);

  ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 0, 0, 140, 4));
  EXPECT_TRUE(Reddish(canvas.Pixel(3, 2)));
  EXPECT_TRUE(Bluish(canvas.Pixel(96, 2)));
  EXPECT_TRUE(Reddish(canvas.Pixel(103, 2)));  // the next tile starts red
}

TEST(GdipLinearGradientBrush, LinearBlendPeaksAtTheFocus) {
  BitmapCanvas canvas(100, 4);
  ASSERT_TRUE(canvas.ok());
  GdipLinearGradientBrush brush = RedToBlue(100);
  ASSERT_TRUE(brush.SetLinearBlend(0.5f, 1.0f));
  ASSERT_TRUE(canvas.graphics.FillRectangle(brush, 0, 0, 100, 4));
  EXPECT_TRUE(Reddish(canvas.Pixel(2, 2)));
  EXPECT_TRUE(Bluish(canvas.Pixel(50, 2)));
  EXPECT_TRUE(Reddish(canvas.Pixel(97, 2)));

  std::vector<float> factors, positions;
  const int count = brush.GetBlend(factors, positions);
  EXPECT_GE(count, 2);
  EXPECT_EQ(brush.GetBlendCount(), count);
  EXPECT_EQ(factors.size(), static_cast<size_t>(count));
  EXPECT_EQ(positions.size(), static_cast<size_t>(count));
}

TEST(GdipLinearGradientBrush, BlendArraysRoundTrip) {
  GdipLinearGradientBrush brush = RedToBlue(10);
  const float factors[] = {0, 1, 0.5f};
  const float positions[] = {0, 0.4f, 1};
  ASSERT_TRUE(brush.SetBlend(factors, positions));
  std::vector<float> readFactors{9}, readPositions;
  ASSERT_EQ(brush.GetBlend(readFactors, readPositions), 3);
  EXPECT_EQ(readFactors, (std::vector<float>{0, 1, 0.5f}));
  EXPECT_EQ(readPositions, (std::vector<float>{0, 0.4f, 1}));

  const ARGB colours[] = {kRed, 0xFF00FF00, kBlue};
  ASSERT_TRUE(brush.SetPresetBlend(colours, positions));
  std::vector<ARGB> readColours;
  ASSERT_EQ(brush.GetPresetBlend(readColours, readPositions), 3);
  EXPECT_EQ(readColours, (std::vector<ARGB>{kRed, 0xFF00FF00, kBlue}));

  // No brush: the count cannot be read and the arrays stay.
  GdipLinearGradientBrush empty;
  std::vector<float> kept{7};
  EXPECT_EQ(empty.GetBlend(kept, readPositions), 0);
  EXPECT_EQ(kept, std::vector<float>{7});
}

// ---------------------------------------------------------------------------
// Path gradients

class PathGradient : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ellipse_.Create());
    ASSERT_TRUE(ellipse_.AddEllipse(0, 0, 40, 40));
    ASSERT_TRUE(brush_.CreateFromPath(ellipse_));
  }
  GdipPath ellipse_;
  GdipPathGradientBrush brush_;
};

TEST_F(PathGradient, CentreAndSurroundColoursReadBackAndPaint) {
  ASSERT_TRUE(brush_.SetCenterColor(kRed));
  EXPECT_EQ(brush_.GetCenterColor(), kRed);
  const ARGB surround[] = {kBlue};
  ASSERT_TRUE(brush_.SetSurroundColors(surround));  // count omitted: every colour
  EXPECT_TRUE(brush_.SetFocusScales(0.3f, 0.4f));
  float fx = 0, fy = 0;
  ASSERT_TRUE(brush_.GetFocusScales(fx, fy));
  EXPECT_FLOAT_EQ(fx, 0.3f);
  EXPECT_FLOAT_EQ(fy, 0.4f);

  const int points = brush_.GetPointCount();
  ASSERT_GT(points, 0);
  std::vector<ARGB> read(static_cast<size_t>(points), 0);
  INT count = points;
  ASSERT_TRUE(brush_.GetSurroundColors(read, count));
  ASSERT_GE(count, 1);
  EXPECT_EQ(read[0], kBlue);

  ASSERT_TRUE(brush_.SetCenterPoint(PointF{20, 20}));
  EXPECT_EQ(brush_.GetCenterPoint(), (PointF{20, 20}));
  EXPECT_EQ(brush_.GetCenterPointI(), (gdip::PointI{20, 20}));

  BitmapCanvas canvas(40, 40);
  ASSERT_TRUE(canvas.ok());
  ASSERT_TRUE(canvas.graphics.FillPath(brush_, ellipse_));
  EXPECT_TRUE(Reddish(canvas.Pixel(20, 20)));
  EXPECT_GT(BlueOf(canvas.Pixel(20, 2)), RedOf(canvas.Pixel(20, 2)));
  EXPECT_EQ(canvas.Pixel(1, 1), gdip_test::kWhite);
}

TEST_F(PathGradient, GivenSurroundCountReceivesWhatGdiplusAccepted) {
  const ARGB surround[] = {kBlue, kRed};
  INT count = 2;
  ASSERT_TRUE(brush_.SetSurroundColors(surround, &count));
  EXPECT_GE(count, 1);
  EXPECT_LE(count, 2);
}

TEST(GdipPathGradientBrush, WrapModeDefaultsToClampFromPoints) {
  const std::vector<PointF> triangle{{0, 0}, {10, 0}, {0, 10}};
  GdipPathGradientBrush clamped;
  ASSERT_TRUE(clamped.Create(triangle));
  EXPECT_EQ(clamped.GetWrapMode(), gdip::WrapMode::Clamp);
  EXPECT_EQ(clamped.GetPointCount(), 3);

  GdipPathGradientBrush tiled;
  ASSERT_TRUE(tiled.CreateI(std::vector<gdip::PointI>{{0, 0}, {10, 0}, {0, 10}}, gdip::WrapMode::Tile));
  EXPECT_EQ(tiled.GetWrapMode(), gdip::WrapMode::Tile);
}

// ---------------------------------------------------------------------------
// Textures

class Texture : public ::testing::Test {
 protected:
  void SetUp() override {
    // Two red then two blue pixels.
    ASSERT_TRUE(tile_.Create(4, 1));
    for (int x = 0; x < 4; ++x) ASSERT_TRUE(tile_.SetPixel(x, 0, x < 2 ? kRed : kBlue));
    ASSERT_TRUE(canvas_.ok());
  }
  GdipBitmap tile_;
  BitmapCanvas canvas_{8, 1};
};

TEST_F(Texture, TilesItsImageAndShiftsWithItsTransform) {
  GdipTextureBrush brush;
  ASSERT_TRUE(brush.Create(tile_));
  EXPECT_EQ(brush.GetWrapMode(), gdip::WrapMode::Tile);  // omitted
  EXPECT_EQ(brush.GetType(), 2);
  ASSERT_TRUE(canvas_.graphics.FillRectangle(brush, 0, 0, 8, 1));
  EXPECT_EQ(canvas_.Pixel(0, 0), kRed);
  EXPECT_EQ(canvas_.Pixel(2, 0), kBlue);
  EXPECT_EQ(canvas_.Pixel(4, 0), kRed);

  ASSERT_TRUE(brush.TranslateTransform(2, 0));
  ASSERT_TRUE(canvas_.graphics.FillRectangle(brush, 0, 0, 8, 1));
  EXPECT_EQ(canvas_.Pixel(0, 0), kBlue);
  EXPECT_EQ(canvas_.Pixel(2, 0), kRed);
}

TEST_F(Texture, PartOfTheImageAndTheImageBack) {
  GdipTextureBrush blueOnly;
  ASSERT_TRUE(blueOnly.Create2I(tile_, 2, 0, 2, 1, gdip::WrapMode::TileFlipX));
  EXPECT_EQ(blueOnly.GetWrapMode(), gdip::WrapMode::TileFlipX);
  ASSERT_TRUE(canvas_.graphics.FillRectangle(blueOnly, 0, 0, 8, 1));
  EXPECT_EQ(canvas_.Pixel(0, 0), kBlue);
  EXPECT_EQ(canvas_.Pixel(5, 0), kBlue);

  gdip::GdipImage image;
  ASSERT_TRUE(blueOnly.GetImage(image));
  EXPECT_EQ(image.GetWidth(), 2u);
}

// ---------------------------------------------------------------------------
// Pens

TEST(GdipPen, DefaultsAndSettingsReadBack) {
  GdipPen pen;
  ASSERT_TRUE(pen.Create(kRed, 1));
  EXPECT_FLOAT_EQ(pen.GetWidth(), 1.0f);
  EXPECT_EQ(pen.GetUnit(), gdip::Unit::World);  // omitted
  EXPECT_EQ(pen.GetColor(), kRed);
  EXPECT_EQ(pen.GetFillType(), 0);
  ASSERT_TRUE(pen.SetWidth(3));
  EXPECT_FLOAT_EQ(pen.GetWidth(), 3.0f);
  ASSERT_TRUE(pen.SetLineJoin(2));
  EXPECT_EQ(pen.GetLineJoin(), 2);
  ASSERT_TRUE(pen.SetLineCap(2, 1, 0));
  EXPECT_EQ(pen.GetStartCap(), 2);
  EXPECT_EQ(pen.GetEndCap(), 1);
  ASSERT_TRUE(pen.SetMiterLimit(4));
  EXPECT_FLOAT_EQ(pen.GetMiterLimit(), 4.0f);
  // SetUnit is not exercised: Wine's GDI+ ends the process on it.
}

// Columns of a 100-pixel horizontal line that the pen painted.
int PaintedColumns(const GdipPen& pen) {
  BitmapCanvas canvas(100, 10);
  canvas.graphics.DrawLine(pen, 0, 5, 100, 5);
  int painted = 0;
  for (int x = 0; x < 100; ++x) {
    bool any = false;
    for (int y = 3; y <= 7; ++y) any = any || canvas.Pixel(x, y) != gdip_test::kWhite;
    painted += any;
  }
  return painted;
}

TEST(GdipPen, DashedLinesLeaveGaps) {
  GdipPen pen;
  ASSERT_TRUE(pen.Create(kRed, 1));
  EXPECT_GE(PaintedColumns(pen), 98);
  for (gdip::DashStyle style : {gdip::DashStyle::Dash, gdip::DashStyle::Dot}) {
    SCOPED_TRACE(gdip::ToInt(style));
    ASSERT_TRUE(pen.SetDashStyle(style));
    EXPECT_EQ(pen.GetDashStyle(), style);
    const int painted = PaintedColumns(pen);
    EXPECT_GT(painted, 10);
    EXPECT_LT(painted, 90);
  }
}

TEST(GdipPen, CustomDashesRoundTripAndEmptyPensLeaveTheArray) {
  GdipPen pen;
  ASSERT_TRUE(pen.Create(kRed, 1));
  const float dashes[] = {3, 1};
  ASSERT_TRUE(pen.SetDashArray(dashes));
  EXPECT_EQ(pen.GetDashStyle(), gdip::DashStyle::Custom);
  std::vector<float> read{1, 2, 3, 4};
  ASSERT_EQ(pen.GetDashArray(read), 2);
  EXPECT_EQ(read, (std::vector<float>{3, 1}));

  GdipPen empty;
  std::vector<float> kept{9};
  EXPECT_EQ(empty.GetDashArray(kept), 0);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  EXPECT_EQ(kept, std::vector<float>{9});
}

TEST(GdipPen, PaintsWithABrush) {
  GdipLinearGradientBrush gradient = RedToBlue(100);
  GdipPen pen;
  ASSERT_TRUE(pen.CreateFromBrush(gradient, 4));
  EXPECT_EQ(pen.GetFillType(), 4);  // linear gradient
  GdipBrush fill;
  ASSERT_TRUE(pen.GetBrushFill(fill));
  EXPECT_EQ(fill.GetType(), 4);

  BitmapCanvas canvas(100, 10);
  ASSERT_TRUE(canvas.ok());
  ASSERT_TRUE(canvas.graphics.DrawLine(pen, 0, 5, 100, 5));
  EXPECT_TRUE(Reddish(canvas.Pixel(3, 5)));
  EXPECT_TRUE(Bluish(canvas.Pixel(96, 5)));
}

// ---------------------------------------------------------------------------
// Transforms about a point, on every kind that has them

struct Transformable {
  const char* name;
  // Makes the object, translates it by (5, 0), then applies the turn.
  std::function<bool(bool rotate, int order, GdipMatrix& result)> run;
  bool rotates;  // false where the platform lacks the rotation
};

template <class Object>
bool TurnThenRead(Object& object, bool rotate, int order, GdipMatrix& result) {
  if (!object.TranslateTransform(5, 0)) return false;
  const PointF centre{10, 10};
  const bool turned = rotate ? object.RotateTransformAt(90, centre, order)
                             : object.ScaleTransformAt(2, 2, centre, order);
  return turned && object.GetTransform(result);
}

std::vector<Transformable> Transformables() {
  return {
      {"pen",
       [](bool rotate, int order, GdipMatrix& result) {
         GdipPen pen;
         return pen.Create(kRed, 1) && TurnThenRead(pen, rotate, order, result);
       },
       true},
      {"linear gradient",
       [](bool rotate, int order, GdipMatrix& result) {
         GdipLinearGradientBrush brush = RedToBlue(10);
         return TurnThenRead(brush, rotate, order, result);
       },
       !gdip_test::RunningOnWine()},  // Wine lacks GdipRotateLineTransform
      {"path gradient",
       [](bool rotate, int order, GdipMatrix& result) {
         GdipPathGradientBrush brush;
         const std::vector<PointF> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
         return brush.Create(square) && TurnThenRead(brush, rotate, order, result);
       },
       true},
      {"texture",
       [](bool rotate, int order, GdipMatrix& result) {
         GdipBitmap image;
         GdipTextureBrush brush;
         return image.Create(2, 2) && brush.Create(image) && TurnThenRead(brush, rotate, order, result);
       },
       true},
  };
}

TEST(TransformAt, ScaleAndRotateAboutAPointInBothOrders) {
  struct Case {
    bool rotate;
    int order;
    PointF in, out;
  };
  const Case cases[] = {
      {false, 0, {10, 10}, {15, 10}}, {false, 0, {11, 10}, {17, 10}}, {false, 1, {11, 10}, {22, 10}},
      {true, 0, {11, 10}, {15, 11}},  {true, 1, {6, 10}, {10, 11}},
  };
  for (const Transformable& object : Transformables()) {
    for (const Case& c : cases) {
      if (c.rotate && !object.rotates) continue;
      SCOPED_TRACE(testing::Message() << object.name << (c.rotate ? " rotate" : " scale") << " order " << c.order
                                      << " (" << c.in.x << ", " << c.in.y << ")");
      GdipMatrix result;  // empty: the object's transform gets a matrix of its own
      ASSERT_TRUE(object.run(c.rotate, c.order, result));
      const PointF out = Mapped(result, c.in);
      EXPECT_NEAR(out.x, c.out.x, 1e-3);
      EXPECT_NEAR(out.y, c.out.y, 1e-3);
    }
  }
}

// ---------------------------------------------------------------------------
// Array arguments

TEST(ArrayArguments, MismatchesAreRefusedBeforeAnyCall) {
  GdipLinearGradientBrush linear = RedToBlue(10);
  GdipPathGradientBrush pathGradient;
  ASSERT_TRUE(pathGradient.Create(std::vector<PointF>{{0, 0}, {10, 0}, {0, 10}}));
  const float three[] = {0, 0.5f, 1};
  const float two[] = {0, 1};
  const ARGB colours[] = {kRed, kBlue, kRed};

  struct Case {
    const char* name;
    std::function<bool()> call;
  };
  const Case cases[] = {
      {"linear blend", [&] { return linear.SetBlend(three, two); }},
      {"linear preset blend", [&] { return linear.SetPresetBlend(colours, two); }},
      {"path blend", [&] { return pathGradient.SetBlend(three, two); }},
      {"path preset blend", [&] { return pathGradient.SetPresetBlend(colours, two); }},
      {"surround colours beyond the array",
       [&] {
         INT count = 4;
         return pathGradient.SetSurroundColors(colours, &count);
       }},
      {"surround colours read beyond the array",
       [&] {
         std::vector<ARGB> read(2);
         INT count = 3;
         return pathGradient.GetSurroundColors(read, count);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gdip::LastStatus = Gdiplus::Ok;
    FlatCalls calls;
    EXPECT_FALSE(c.call());
    EXPECT_EQ(calls.made(), 0u);
    EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  }
}

}  // namespace
