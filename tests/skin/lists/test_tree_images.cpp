// The embedded tree-view marks: their sizes and the looks the painters and
// the toolbar rely on.
#include <gtest/gtest.h>

#include <cstdint>

#include "gdip/gdip_bitmap.h"
#include "skin/lists/tree_images.h"
#include "tests/support/gdip_test_env.h"

namespace {

std::uint32_t Alpha(std::uint32_t argb) { return argb >> 24; }
std::uint32_t Red(std::uint32_t argb) { return (argb >> 16) & 0xFF; }
std::uint32_t Green(std::uint32_t argb) { return (argb >> 8) & 0xFF; }
std::uint32_t Blue(std::uint32_t argb) { return argb & 0xFF; }

TEST(TreeImagesTest, EachMarkHasItsSize) {
  struct Case {
    const char* name;
    rt::ByteArray png;
    unsigned width, height;
  };
  const Case cases[] = {{"check", skin::TreeCheckImage(), 13, 12},
                        {"partial", skin::TreePartialImage(), 6, 6},
                        {"expand", skin::TreeExpandImage(), 7, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    gdip::GdipBitmap image;
    ASSERT_TRUE(image.CreateFromStream(c.png));
    EXPECT_EQ(image.GetWidth(), c.width);
    EXPECT_EQ(image.GetHeight(), c.height);
  }
}

TEST(TreeImagesTest, TickIsGreenOnAClearGround) {
  gdip::GdipBitmap tick;
  ASSERT_TRUE(tick.CreateFromStream(skin::TreeCheckImage()));
  int opaque = 0;
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 13; ++x) {
      const std::uint32_t p = tick.GetPixel(x, y);
      if (Alpha(p) == 0) continue;
      ++opaque;
      EXPECT_GT(Green(p), Red(p) + 50) << x << "," << y;
      EXPECT_GT(Green(p), Blue(p) + 50) << x << "," << y;
    }
  }
  EXPECT_GT(opaque, 15);
  EXPECT_EQ(Alpha(tick.GetPixel(0, 0)), 0u);
  EXPECT_EQ(Alpha(tick.GetPixel(12, 11)), 0u);
}

TEST(TreeImagesTest, PartialSquareShadesFromLightToDarkGreenWithSoftCorners) {
  gdip::GdipBitmap square;
  ASSERT_TRUE(square.CreateFromStream(skin::TreePartialImage()));
  const std::uint32_t top = square.GetPixel(2, 0);
  const std::uint32_t bottom = square.GetPixel(2, 5);
  EXPECT_EQ(Alpha(top), 255u);
  EXPECT_GT(Green(top), Green(bottom));
  EXPECT_GT(Green(bottom), Red(bottom));
  for (int corner : {0, 5}) {
    EXPECT_LT(Alpha(square.GetPixel(corner, corner)), 255u);
    EXPECT_GT(Alpha(square.GetPixel(corner, corner)), 0u);
  }
}

TEST(TreeImagesTest, ExpandTrianglePointsDownInDarkGrey) {
  gdip::GdipBitmap triangle;
  ASSERT_TRUE(triangle.CreateFromStream(skin::TreeExpandImage()));
  for (int x = 0; x < 7; ++x) EXPECT_EQ(triangle.GetPixel(x, 0), 0xFF333333u) << x;
  EXPECT_EQ(triangle.GetPixel(3, 3), 0xFF333333u);
  EXPECT_EQ(Alpha(triangle.GetPixel(2, 3)), 0u);
  EXPECT_EQ(Alpha(triangle.GetPixel(0, 1)), 0u);
}

}  // namespace
