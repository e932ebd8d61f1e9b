// The pictures derived from a frame's background image: the average colour
// of its right-hand strip and the copy whose edges fade into a colour.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/image_encoders.h"
#include "skin/frames/background_picture.h"
#include "tests/support/gdip_test_env.h"
#include "tests/support/temp_folder.h"

namespace {

struct Band {
  int x, y, width, height;
  gdip::ARGB colour;
};

// A PNG of one ground colour with rectangles painted over it.
rt::ByteArray Picture(int width, int height, gdip::ARGB ground, std::initializer_list<Band> bands = {}) {
  gdip::GdipBitmap bitmap;
  EXPECT_TRUE(bitmap.Create(width, height));
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromImage(bitmap);
    gdip::GdipSolidBrush brush;
    brush.Create(ground);
    graphics.FillRectangleI(brush, 0, 0, width, height);
    for (const Band& band : bands) {
      gdip::GdipSolidBrush paint;
      paint.Create(band.colour);
      graphics.FillRectangleI(paint, band.x, band.y, band.width, band.height);
    }
  }
  return bitmap.SaveToStream(gdip::kPngFormat);
}

constexpr gdip::ARGB kGround = 0xFF102030;  // COLORREF 0x302010
constexpr gdip::ARGB kStrip = 0xFFC08040;   // COLORREF 0x4080C0
constexpr COLORREF kStripColour = 0x4080C0;

TEST(AverageImageColour, SamplesTheRightHandStrip) {
  struct Case {
    const char* name;
    rt::ByteArray picture;
    std::optional<int> stripWidth;
    int stripHeight;
    COLORREF expected;
  };
  const Case cases[] = {
      {"one colour", Picture(64, 48, kStrip), std::nullopt, 0, kStripColour},
      {"columns 513 to 569 of 570", Picture(570, 40, kGround, {{513, 0, 57, 40, kStrip}}),
       std::nullopt, 0, kStripColour},
      {"given strip and height", Picture(40, 40, kGround, {{30, 30, 10, 10, kStrip}}), 10, 10,
       kStripColour},
      {"row 0 is left out", Picture(40, 40, kStrip, {{0, 0, 40, 1, kGround}}), std::nullopt, 0,
       kStripColour},
      // A picture one pixel wide or high samples the column or row it has.
      {"one pixel wide", Picture(1, 20, kStrip), std::nullopt, 0, kStripColour},
      {"one pixel high", Picture(30, 1, kStrip), std::nullopt, 0, kStripColour},
      {"one pixel", Picture(1, 1, kStrip), std::nullopt, 0, kStripColour},
      {"strip wider than the picture", Picture(8, 8, kStrip), 50, 50, kStripColour},
      {"bytes that do not decode", rt::ByteArray{1, 2, 3}, std::nullopt, 0, 0},
      {"no bytes", rt::ByteArray{}, std::nullopt, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(skin::AverageImageColour(c.picture, 2000, c.stripWidth, c.stripHeight), c.expected);
  }
}

TEST(AverageImageColour, FewerThanOneSampleGivesZero) {
  const rt::ByteArray picture = Picture(20, 20, kStrip);
  EXPECT_EQ(skin::AverageImageColour(picture, 0), 0u);
  EXPECT_EQ(skin::AverageImageColour(picture, -5), 0u);
  EXPECT_EQ(skin::AverageImageColour(picture, 1), kStripColour);
}

// Channel distance between a pixel and a COLORREF.
int Distance(gdip::ARGB pixel, COLORREF colour) {
  const int dr = static_cast<int>((pixel >> 16) & 0xFF) - static_cast<int>(GetRValue(colour));
  const int dg = static_cast<int>((pixel >> 8) & 0xFF) - static_cast<int>(GetGValue(colour));
  const int db = static_cast<int>(pixel & 0xFF) - static_cast<int>(GetBValue(colour));
  return std::max({std::abs(dr), std::abs(dg), std::abs(db)});
}

class ComposeBackgroundTest : public ::testing::Test {
 protected:
  // A left half and a right half, so an unchanged pixel shows which it is.
  static gdip::ARGB Source(int x) { return x < 285 ? 0xFF336699u : 0xFF996633u; }

  void Compose(std::optional<int> fadeRight) {
    const rt::ByteArray picture = Picture(570, 451, Source(0), {{285, 0, 285, 451, Source(300)}});
    const rt::ByteArray png = skin::ComposeBackgroundImage(picture, std::nullopt, kFade, fadeRight);
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');
    EXPECT_EQ(png[2], 'N');
    ASSERT_TRUE(result_.CreateFromStream(png));
    ASSERT_EQ(result_.GetWidth(), 570u);
    ASSERT_EQ(result_.GetHeight(), 451u);
  }

  void ExpectUnchanged(int left, int right, int bottom) {
    for (int y = 0; y < bottom; y += 20) {
      for (int x = left; x < right; x += 15) {
        ASSERT_EQ(result_.GetPixel(x, y), Source(x)) << x << ", " << y;
      }
      ASSERT_EQ(result_.GetPixel(right - 1, y), Source(right - 1)) << y;
    }
    ASSERT_EQ(result_.GetPixel(left, bottom - 1), Source(left));
  }

  static constexpr COLORREF kFade = 0x2080E0;
  gdip::GdipBitmap result_;
};

TEST_F(ComposeBackgroundTest, RightAndBottomEdgesFadeIntoTheColour) {
  Compose(std::nullopt);
  // q = 171: the side band fills from x 400, the bottom band from y 281.
  ExpectUnchanged(0, 400, 281);
  for (int y = 0; y < 451; y += 30) EXPECT_LE(Distance(result_.GetPixel(569, y), kFade), 4) << y;
  for (int x = 0; x < 570; x += 30) EXPECT_LE(Distance(result_.GetPixel(x, 450), kFade), 4) << x;
  // Half-way into the side band the picture still shows through.
  EXPECT_GT(Distance(result_.GetPixel(480, 100), kFade), 20);
}

TEST_F(ComposeBackgroundTest, FadeLeftIsTheMirror) {
  Compose(0);
  ExpectUnchanged(171, 570, 281);
  for (int y = 0; y < 451; y += 30) EXPECT_LE(Distance(result_.GetPixel(0, y), kFade), 4) << y;
  for (int x = 0; x < 570; x += 30) EXPECT_LE(Distance(result_.GetPixel(x, 450), kFade), 4) << x;
  EXPECT_EQ(result_.GetPixel(569, 100), Source(569));
}

TEST(ComposeBackgroundImage, BytesThatDoNotDecodeGiveNoBytes) {
  EXPECT_TRUE(skin::ComposeBackgroundImage(rt::ByteArray{1, 2, 3}, std::nullopt, 0).empty());
  EXPECT_TRUE(skin::ComposeBackgroundImage(rt::ByteArray{}, 10, 0).empty());
}

TEST(ComposeBackgroundImage, AGivenFadeWidthSetsBothBands) {
  const rt::ByteArray picture = Picture(100, 80, 0xFF336699);
  gdip::GdipBitmap result;
  ASSERT_TRUE(result.CreateFromStream(skin::ComposeBackgroundImage(picture, 10, 0xFFFFFF)));
  EXPECT_EQ(result.GetPixel(90, 60), 0xFF336699u);  // bands start at x 91 and y 71
  EXPECT_NE(result.GetPixel(95, 40), 0xFF336699u);
  EXPECT_NE(result.GetPixel(40, 76), 0xFF336699u);
}

// A named file is read instead of the bytes.
TEST(BackgroundPictureFile, ANamedFileIsReadInsteadOfTheBytes) {
  testsupport::TempFolder folder;
  const std::string path = folder / "picture.png";
  const rt::ByteArray picture = Picture(50, 40, kStrip);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(picture.data()), static_cast<std::streamsize>(picture.size()));
  const rt::ByteArray other = Picture(50, 40, kGround);

  EXPECT_EQ(skin::AverageImageColour(other, 200, std::nullopt, 0, path), kStripColour);
  gdip::GdipBitmap composed;
  ASSERT_TRUE(composed.CreateFromStream(skin::ComposeBackgroundImage(other, std::nullopt, 0, std::nullopt, path)));
  EXPECT_EQ(composed.GetPixel(5, 5), kStrip);
  EXPECT_EQ(skin::AverageImageColour(picture, 200, std::nullopt, 0, folder / "missing.png"), 0u);
}

}  // namespace
