// The drawing surface: surfaces on bitmaps and DIB memory DCs, clearing
// and filling, clipping with every combine mode, transforms about a point,
// image drawing, and what the surface hands back (clip, transform).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "gdip/gdip_font.h"
#include "gdip/gdip_matrix.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_region.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "tests/gdip/canvas.h"
#include "tests/gdip/gdip_test_support.h"

namespace {

using gdip::GdipBitmap;
using gdip::GdipGraphics;
using gdip::GdipMatrix;
using gdip::GdipPath;
using gdip::GdipPen;
using gdip::GdipRegion;
using gdip::GdipSolidBrush;
using gdip::PointF;
using gdip::RectF;
using gdip_test::BitmapCanvas;
using gdip_test::FlatCalls;
using gdip_test::kBlue;
using gdip_test::kGreen;
using gdip_test::kRed;
using gdip_test::kWhite;

constexpr int kWorld = 0, kDevice = 2;

std::array<float, 6> ElementsOf(const GdipMatrix& matrix) {
  std::array<float, 6> elements{};
  gdip::flat::GdipGetMatrixElements(gdip::NativeOf<Gdiplus::GpMatrix>(matrix), elements.data());
  return elements;
}

// A 16 x 16 bitmap, red on the left half and blue on the right.
GdipBitmap HalfRedHalfBlue() {
  GdipBitmap image;
  image.Create(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) image.SetPixel(x, y, x < 8 ? kRed : kBlue);
  return image;
}

// ---------------------------------------------------------------------------
// Surfaces

TEST(GdipGraphics, ClearReplacesEveryPixelAlphaIncluded) {
  BitmapCanvas canvas(8, 8);
  ASSERT_TRUE(canvas.ok());
  EXPECT_TRUE(canvas.graphics.Clear(0x80FF0000));
  EXPECT_EQ(canvas.Pixel(0, 0), 0x80FF0000u);
  EXPECT_EQ(canvas.Pixel(7, 7), 0x80FF0000u);
  EXPECT_TRUE(canvas.graphics.Clear());  // colour omitted: transparent black
  EXPECT_EQ(canvas.Pixel(3, 3), 0u);
}

TEST(GdipGraphics, DrawsIntoAMemoryDcWithA32BitDib) {
  gdip_test::DibCanvas dib(32, 32);
  ASSERT_TRUE(dib.ok());
  GdipGraphics graphics;
  ASSERT_TRUE(graphics.CreateFromHdc(dib.dc()));
  GdipSolidBrush blue;
  ASSERT_TRUE(blue.Create(kBlue));
  EXPECT_TRUE(graphics.Clear(kGreen));
  EXPECT_TRUE(graphics.FillRectangle(blue, 8, 8, 16, 16));
  graphics.Flush();
  // The DIB holds B, G, R, A bytes: the same value as the ARGB colour.
  EXPECT_EQ(dib.Pixel(16, 16), kBlue);
  EXPECT_EQ(dib.Pixel(2, 2), kGreen);

  // Half-transparent colours reach the DIB with their alpha (premultiplied
  // by some platforms, Wine's among them).
  EXPECT_TRUE(graphics.Clear(0x80FF0000));
  graphics.Flush();
  const std::uint32_t half = dib.Pixel(2, 2);
  EXPECT_EQ(gdip_test::Alpha(half), 0x80);
  EXPECT_GE(gdip_test::RedOf(half), 0x7F);
  EXPECT_EQ(gdip_test::GreenOf(half), 0);
}

TEST(GdipGraphics, EmptySurfaceFailsQuietly) {
  GdipGraphics empty;
  GdipSolidBrush brush;
  ASSERT_TRUE(brush.Create(kRed));
  EXPECT_FALSE(empty.FillRectangle(brush, 0, 0, 1, 1));
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  EXPECT_EQ(empty.GetDpiX(), 0.0f);
  EXPECT_EQ(empty.GetClipBounds(), RectF{});
  EXPECT_FALSE(empty.IsClipEmpty());
}

TEST(GdipGraphics, DeleteTwiceAndFlushLeaveStatusAlone) {
  BitmapCanvas canvas(4, 4);
  ASSERT_TRUE(canvas.ok());
  gdip::LastStatus = Gdiplus::GenericError;
  canvas.graphics.Flush();
  EXPECT_EQ(gdip::LastStatus, Gdiplus::GenericError);

  EXPECT_TRUE(canvas.graphics.Delete());
  FlatCalls calls;
  EXPECT_FALSE(canvas.graphics.Delete());
  EXPECT_EQ(calls.made(), 0u);
}

TEST(GdipGraphics, QualitySettingsReadBack) {
  BitmapCanvas canvas(4, 4);
  ASSERT_TRUE(canvas.ok());
  EXPECT_TRUE(canvas.graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias));
  EXPECT_EQ(canvas.graphics.GetSmoothingMode(), gdip::SmoothingMode::AntiAlias);
  EXPECT_TRUE(canvas.graphics.SetPixelOffsetMode(gdip::PixelOffsetMode::HighQuality));
  EXPECT_EQ(canvas.graphics.GetPixelOffsetMode(), gdip::PixelOffsetMode::HighQuality);
  EXPECT_TRUE(canvas.graphics.SetCompositingQuality(gdip::CompositingQuality::HighQuality));
  EXPECT_EQ(canvas.graphics.GetCompositingQuality(), gdip::CompositingQuality::HighQuality);
  EXPECT_TRUE(canvas.graphics.SetInterpolationMode(gdip::InterpolationMode::HighQualityBilinear));
  EXPECT_EQ(canvas.graphics.GetInterpolationMode(), gdip::InterpolationMode::HighQualityBilinear);
  EXPECT_TRUE(canvas.graphics.SetPageUnit(gdip::Unit::Pixel));
  EXPECT_EQ(canvas.graphics.GetPageUnit(), gdip::Unit::Pixel);
}

// ---------------------------------------------------------------------------
// Clipping

class ClipCombine : public ::testing::TestWithParam<gdip_test::CombineCase> {
 protected:
  // Fills red through the clip and tells which probes were painted.
  void ExpectPainted(BitmapCanvas& canvas) {
    const gdip_test::CombineCase& c = GetParam();
    canvas.FillAll(kRed);
    const auto painted = [&](gdip::PointI p) { return canvas.Pixel(p.x, p.y) == kRed; };
    EXPECT_EQ(painted(gdip_test::kProbeAOnly), c.inAOnly);
    EXPECT_EQ(painted(gdip_test::kProbeBoth), c.inBoth);
    EXPECT_EQ(painted(gdip_test::kProbeBOnly), c.inBOnly);
    EXPECT_EQ(painted(gdip_test::kProbeNeither), c.inNeither);
  }
};

TEST_P(ClipCombine, ByRectangle) {
  BitmapCanvas canvas(64, 64);
  ASSERT_TRUE(canvas.ok());
  const RectF a = gdip_test::kSquareA, b = gdip_test::kSquareB;
  ASSERT_TRUE(canvas.graphics.SetClipRect(a.x, a.y, a.width, a.height));
  ASSERT_TRUE(canvas.graphics.SetClipRect(b.x, b.y, b.width, b.height, GetParam().mode));
  ExpectPainted(canvas);
}

TEST_P(ClipCombine, ByPathThatIsDeletedAfterwards) {
  BitmapCanvas canvas(64, 64);
  ASSERT_TRUE(canvas.ok());
  const RectF a = gdip_test::kSquareA, b = gdip_test::kSquareB;
  ASSERT_TRUE(canvas.graphics.SetClipRect(a.x, a.y, a.width, a.height));
  {
    GdipPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRectangle(b.x, b.y, b.width, b.height));
    ASSERT_TRUE(canvas.graphics.SetClipPath(path, GetParam().mode));
  }
  ExpectPainted(canvas);
}

INSTANTIATE_TEST_SUITE_P(EveryMode, ClipCombine, ::testing::ValuesIn(gdip_test::kCombineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GdipGraphics, ResetClipAndGetClip) {
  BitmapCanvas canvas(64, 64);
  ASSERT_TRUE(canvas.ok());
  ASSERT_TRUE(canvas.graphics.SetClipRect(10, 10, 20, 20));
  EXPECT_EQ(canvas.graphics.GetClipBounds(), (RectF{10, 10, 20, 20}));
  EXPECT_TRUE(canvas.graphics.IsVisiblePoint(15, 15));
  EXPECT_TRUE(canvas.graphics.IsVisiblePointI(15, 15));
  EXPECT_TRUE(canvas.graphics.IsVisibleRect(12, 12, 2, 2));
  EXPECT_FALSE(canvas.graphics.IsVisiblePoint(5, 5));
  EXPECT_FALSE(canvas.graphics.IsVisibleRectI(0, 0, 5, 5));

  // The target gets a region of its own holding the clip.
  GdipRegion clip;
  ASSERT_TRUE(canvas.graphics.GetClip(clip));
  EXPECT_EQ(clip.GetBounds(canvas.graphics), (RectF{10, 10, 20, 20}));

  EXPECT_TRUE(canvas.graphics.ResetClip());
  canvas.FillAll(kRed);
  EXPECT_EQ(canvas.Pixel(1, 1), kRed);

  // A clip region set back on the surface clips again.
  EXPECT_TRUE(canvas.graphics.SetClipRegion(clip));
  canvas.FillAll(kBlue);
  EXPECT_EQ(canvas.Pixel(15, 15), kBlue);
  EXPECT_EQ(canvas.Pixel(1, 1), kRed);
}

// ---------------------------------------------------------------------------
// Transforms

struct TransformCase {
  const char* name;
  bool rotate;
  int order;  // 0 prepend, 1 append
  PointF in, out;
};

class TransformAbout : public ::testing::TestWithParam<TransformCase> {};

// The surface already translates by (5, 0); the turn about (10, 10) comes
// before that translation (prepend) or after it (append).
TEST_P(TransformAbout, MapsPointsThroughTheWorldTransform) {
  const TransformCase& c = GetParam();
  BitmapCanvas canvas(4, 4);
  ASSERT_TRUE(canvas.ok());
  ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(5, 0));
  const PointF centre{10, 10};
  EXPECT_TRUE(c.rotate ? canvas.graphics.RotateAt(90, centre, c.order)
                       : canvas.graphics.ScaleAt(2, 2, centre, c.order));
  std::array<PointF, 1> points{c.in};
  ASSERT_TRUE(canvas.graphics.TransformPoints(kDevice, kWorld, points));
  EXPECT_NEAR(points[0].x, c.out.x, 1e-3);
  EXPECT_NEAR(points[0].y, c.out.y, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    ScaleAndRotate, TransformAbout,
    ::testing::Values(TransformCase{"ScaleCentreStays", false, 0, {10, 10}, {15, 10}},
                      TransformCase{"ScalePrepend", false, 0, {11, 10}, {17, 10}},
                      TransformCase{"ScaleAppend", false, 1, {11, 10}, {22, 10}},
                      TransformCase{"RotatePrepend", true, 0, {11, 10}, {15, 11}},
                      TransformCase{"RotateAppend", true, 1, {6, 10}, {10, 11}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GdipGraphics, WorldTransformGoesIntoAMatrixOfItsOwn) {
  BitmapCanvas canvas(4, 4);
  ASSERT_TRUE(canvas.ok());
  ASSERT_TRUE(canvas.graphics.TranslateWorldTransform(5, 7));
  GdipMatrix matrix;  // empty: the surface makes the matrix
  ASSERT_TRUE(canvas.graphics.GetWorldTransform(matrix));
  EXPECT_EQ(ElementsOf(matrix), (std::array<float, 6>{1, 0, 0, 1, 5, 7}));

  ASSERT_TRUE(canvas.graphics.ResetWorldTransform());
  ASSERT_TRUE(canvas.graphics.MultiplyWorldTransform(matrix));
  GdipMatrix again;
  ASSERT_TRUE(canvas.graphics.GetWorldTransform(again));
  EXPECT_EQ(ElementsOf(again), ElementsOf(matrix));
}

// ---------------------------------------------------------------------------
// Images

class ImageDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(canvas_.ok());
    ASSERT_FALSE(image_.IsEmpty());
    ASSERT_TRUE(canvas_.graphics.SetInterpolationMode(gdip::InterpolationMode::NearestNeighbor));
  }
  BitmapCanvas canvas_{40, 40};
  GdipBitmap image_ = HalfRedHalfBlue();
};

TEST_F(ImageDrawing, RectStretchesTheWholeImage) {
  ASSERT_TRUE(canvas_.graphics.DrawImageRect(image_, 0, 0, 32, 32));
  EXPECT_EQ(canvas_.Pixel(4, 16), kRed);
  EXPECT_EQ(canvas_.Pixel(14, 30), kRed);
  EXPECT_EQ(canvas_.Pixel(18, 2), kBlue);
  EXPECT_EQ(canvas_.Pixel(30, 30), kBlue);
  EXPECT_EQ(canvas_.Pixel(36, 36), kWhite);
}

TEST_F(ImageDrawing, NaturalSizeAndPointsParallelogram) {
  ASSERT_TRUE(canvas_.graphics.DrawImage(image_, 20, 20));
  EXPECT_EQ(canvas_.Pixel(22, 22), kRed);
  EXPECT_EQ(canvas_.Pixel(34, 34), kBlue);

  // Upper-left, upper-right, lower-left corners: the 10 x 10 square at 0.
  ASSERT_TRUE(canvas_.graphics.DrawImagePoints(image_, 0, 0, 10, 0, 0, 10));
  EXPECT_EQ(canvas_.Pixel(2, 5), kRed);
  EXPECT_EQ(canvas_.Pixel(8, 5), kBlue);
  EXPECT_EQ(canvas_.Pixel(12, 5), kWhite);
  EXPECT_EQ(canvas_.Pixel(5, 12), kWhite);
}

TEST_F(ImageDrawing, SourcePartOnly) {
  // The blue half only, stretched over 16 x 16.
  const gdip::GdipRegion noAttributes;  // any empty wrapper stands for none
  ASSERT_TRUE(canvas_.graphics.DrawImageRectRect(image_, 0, 0, 16, 16, 8, 0, 8, 16, {}, noAttributes));
  EXPECT_EQ(canvas_.Pixel(2, 8), kBlue);
  EXPECT_EQ(canvas_.Pixel(14, 8), kBlue);
}

TEST_F(ImageDrawing, AlphaDrawingScalesTheImagesAlpha) {
  canvas_.graphics.Clear(0);
  gdip::LastStatus = Gdiplus::GenericError;
  canvas_.graphics.DrawImageAlpha(image_, 0, 0, 16, 16, 0, 0, 16, 16, 0.5f);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::GenericError);
  const gdip::ARGB drawn = canvas_.Pixel(4, 4);
  EXPECT_NEAR(gdip_test::Alpha(drawn), 0x80, 2);
  EXPECT_EQ(gdip_test::RedOf(drawn), 0xFF);
  EXPECT_EQ(canvas_.Pixel(30, 30), 0u);

  // A second draw reuses the surface's attributes with the new alpha.
  canvas_.graphics.DrawImageAlpha(image_, 20, 20, 16, 16, 0, 0, 16, 16, 1.0f);
  EXPECT_EQ(canvas_.Pixel(24, 24), kRed);
}

// ---------------------------------------------------------------------------
// Argument checks

TEST(GdipGraphics, DriverStringNeedsAPositionPerGlyph) {
  BitmapCanvas canvas(4, 4);
  ASSERT_TRUE(canvas.ok());
  gdip::GdipFont font;
  GdipSolidBrush brush;
  ASSERT_TRUE(brush.Create(kRed));
  const std::vector<PointF> one{{0, 0}};
  FlatCalls calls;
  EXPECT_FALSE(canvas.graphics.DrawDriverString("abc", font, brush, one, {}, GdipMatrix()));
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
}

}  // namespace
