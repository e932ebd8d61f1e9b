// The embedded shine strips of the progress bar: their sizes and the alpha
// and colour profiles the progress painter relies on.
#include <gtest/gtest.h>

#include "gdip/gdip_bitmap.h"
#include "skin/core/shine_strips.h"
#include "tests/support/gdip_test_env.h"

namespace {

gdip::GdipBitmap Decode(skin::ShineStyle style) {
  gdip::GdipBitmap bitmap;
  EXPECT_TRUE(bitmap.CreateFromStream(skin::LoadShineStrip(style)));
  return bitmap;
}

int Alpha(gdip::GdipBitmap& bitmap, int x, int y) { return static_cast<int>(bitmap.GetPixel(x, y) >> 24); }
gdip::ARGB Rgb(gdip::GdipBitmap& bitmap, int x, int y) { return bitmap.GetPixel(x, y) & 0xFFFFFFu; }

TEST(ShineStrips, EachStyleHasItsOwnSize) {
  struct Case {
    skin::ShineStyle style;
    UINT width, height;
  };
  for (const Case& c : {Case{skin::ShineStyle::Glow, 90, 24}, Case{skin::ShineStyle::Band, 161, 28},
                        Case{skin::ShineStyle::Cyan, 126, 23},
                        Case{static_cast<skin::ShineStyle>(5), 161, 28}}) {
    SCOPED_TRACE(static_cast<int>(c.style));
    gdip::GdipBitmap strip = Decode(c.style);
    EXPECT_EQ(strip.GetWidth(), c.width);
    EXPECT_EQ(strip.GetHeight(), c.height);
  }
}

TEST(ShineStrips, GlowIsWhiteAndBrightestAtTheBottomCentre) {
  gdip::GdipBitmap glow = Decode(skin::ShineStyle::Glow);
  for (int x = 0; x < 90; x += 11) EXPECT_EQ(Alpha(glow, x, 6), 0) << "top seven rows are clear";
  EXPECT_EQ(Alpha(glow, 44, 21), 235);
  EXPECT_EQ(Alpha(glow, 45, 22), 235);
  EXPECT_EQ(Alpha(glow, 45, 23), 0) << "the last row is clear";
  EXPECT_EQ(Alpha(glow, 0, 21), 1);
  EXPECT_EQ(Alpha(glow, 89, 21), 1);
  EXPECT_LT(Alpha(glow, 20, 21), Alpha(glow, 35, 21));
  EXPECT_LT(Alpha(glow, 44, 10), Alpha(glow, 44, 15));
  EXPECT_EQ(Rgb(glow, 44, 21), 0xFFFFFFu);
}

TEST(ShineStrips, BandRisesDownwardsToABrightBottomLine) {
  gdip::GdipBitmap band = Decode(skin::ShineStyle::Band);
  EXPECT_EQ(Alpha(band, 80, 0), 1);
  EXPECT_EQ(Alpha(band, 80, 26), 86);
  EXPECT_EQ(Alpha(band, 80, 27), 194);
  EXPECT_EQ(Alpha(band, 30, 26), Alpha(band, 130, 26)) << "flat across the middle";
  EXPECT_LT(Alpha(band, 10, 26), Alpha(band, 26, 26));
  EXPECT_EQ(Alpha(band, 160, 27), 1);
  EXPECT_EQ(Rgb(band, 80, 27), 0xFFFFFFu);
}

TEST(ShineStrips, CyanHasABrightLineATranslucentBodyAndABlueBottomEdge) {
  gdip::GdipBitmap cyan = Decode(skin::ShineStyle::Cyan);
  EXPECT_EQ(Alpha(cyan, 60, 5), 244);
  EXPECT_EQ(Rgb(cyan, 60, 5), 0xEFFAFDu);
  EXPECT_GE(Alpha(cyan, 60, 6), 58);
  EXPECT_LE(Alpha(cyan, 60, 20), 160);
  EXPECT_LT(Alpha(cyan, 60, 8), Alpha(cyan, 60, 18)) << "the body brightens downwards";
  EXPECT_EQ(Alpha(cyan, 60, 22), 255);
  EXPECT_EQ(Rgb(cyan, 60, 22), 0x348FDDu);
  EXPECT_EQ(Alpha(cyan, 0, 22), 1);
  EXPECT_EQ(Alpha(cyan, 125, 22), 1);
}

}  // namespace
