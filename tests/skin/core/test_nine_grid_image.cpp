#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/image_encoders.h"
#include "runtime/gdi_object.h"
#include "skin/core/nine_grid_image.h"
#include "tests/support/gdip_test_env.h"

namespace {

constexpr gdip::ARGB kGuide = 0xFFFF00FF;

// Every pixel of a test picture tells where it came from: red and green
// encode x and y, so a drawn pixel names its source pixel.
gdip::ARGB SourceColour(int x, int y) {
  return 0xFF000000u | (static_cast<gdip::ARGB>(x * 10 + 5) << 16) |
         (static_cast<gdip::ARGB>(y * 10 + 5) << 8) | 0x80u;
}

struct Pixel {
  int x, y;
  gdip::ARGB colour;
};

rt::ByteArray MakePicture(int width, int height, const std::vector<Pixel>& marks = {}) {
  gdip::GdipBitmap bitmap;
  EXPECT_TRUE(bitmap.Create(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, SourceColour(x, y));
  for (const Pixel& p : marks) bitmap.SetPixel(p.x, p.y, p.colour);
  return bitmap.SaveToStream(gdip::kPngFormat);
}

// 20 x 20 with guides at x 5 and 14 on row 1, at y 4 and 15 on column 1 and
// at y 6 and 13 on column 19: every corner has a size of its own.
rt::ByteArray GuidedPicture() {
  return MakePicture(20, 20, {{5, 1, kGuide}, {14, 1, kGuide}, {1, 4, kGuide}, {1, 15, kGuide},
                              {19, 6, kGuide}, {19, 13, kGuide}});
}

// A 32-bit top-down DIB section in a memory DC, with GDI+ drawing on it.
class DibCanvas {
 public:
  DibCanvas(int width, int height) : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dib_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<std::uint32_t*>(bits);
    previous_ = SelectObject(dc_.get(), dib_.get());
  }
  ~DibCanvas() { SelectObject(dc_.get(), previous_); }

  // Draws with a fresh graphics object that is flushed and gone afterwards.
  template <class Paint>
  void Draw(Paint paint) {
    gdip::GdipGraphics graphics;
    ASSERT_TRUE(graphics.CreateFromHdc(dc_.get()));
    paint(graphics);
  }

  std::uint32_t Rgb(int x, int y) const { return bits_[y * width_ + x] & 0xFFFFFFu; }
  std::vector<std::uint32_t> Pixels() const { return {bits_, bits_ + width_ * height_}; }

 private:
  int width_;
  int height_;
  rt::UniqueMemoryDc dc_;
  rt::UniqueBitmap dib_;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

std::uint32_t SourceRgb(int x, int y) { return SourceColour(x, y) & 0xFFFFFFu; }

TEST(NineGridSlice, GuidesGiveTheCornerEdgeAndCentreSizes) {
  skin::NinePieceList pieces;
  EXPECT_EQ(skin::NineGridImage::Slice(GuidedPicture(), pieces), (20 << 16) | 20);
  ASSERT_EQ(pieces.size(), 9u);

  struct Expected {
    int width, height;
  };
  // Corners from the guides; edges and centre between them, starting two
  // pixels after a left/top corner and ending one pixel before a right/bottom one.
  const Expected expected[9] = {{4, 3}, {4, 4}, {5, 5}, {5, 6},  // corners
                                {4, 10}, {8, 5}, {5, 6}, {8, 6},  // edges
                                {8, 10}};                         // centre
  for (std::size_t k = 0; k < 9; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(pieces[k].width, expected[k].width);
    EXPECT_EQ(pieces[k].height, expected[k].height);
    gdip::GdipBitmap decoded;
    ASSERT_TRUE(decoded.CreateFromStream(pieces[k].png));
    EXPECT_EQ(static_cast<int>(decoded.GetWidth()), expected[k].width);
    EXPECT_EQ(static_cast<int>(decoded.GetHeight()), expected[k].height);
  }

  // Each piece is cut from its own place: first pixels of the bottom-right
  // corner (15, 14) and of the bottom edge (6, 14).
  gdip::GdipBitmap corner;
  ASSERT_TRUE(corner.CreateFromStream(pieces[skin::kBottomRight].png));
  EXPECT_EQ(corner.GetPixel(0, 0), SourceColour(15, 14));
  gdip::GdipBitmap edge;
  ASSERT_TRUE(edge.CreateFromStream(pieces[skin::kBottomEdge].png));
  EXPECT_EQ(edge.GetPixel(0, 0), SourceColour(6, 14));
}

TEST(NineGridSlice, MissingGuidesLeaveCornersOutWithoutReadingPastThePicture) {
  struct Case {
    const char* what;
    std::vector<Pixel> marks;
    int topRightHeight;
  };
  const Case cases[] = {
      // No right-hand guide: the top-right corner runs down the whole height.
      {"no right-hand guides", {{5, 1, kGuide}, {14, 1, kGuide}, {1, 4, kGuide}, {1, 15, kGuide}}, 20},
      // A right-hand guide on the last row only: nothing is left below it.
      {"guide on the last row", {{5, 1, kGuide}, {14, 1, kGuide}, {1, 4, kGuide}, {19, 19, kGuide}},
       18},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    skin::NinePieceList pieces;
    skin::NineGridImage::Slice(MakePicture(20, 20, c.marks), pieces);
    ASSERT_EQ(pieces.size(), 9u);
    EXPECT_EQ(pieces[skin::kTopRight].width, 5);
    EXPECT_EQ(pieces[skin::kTopRight].height, c.topRightHeight);
    EXPECT_FALSE(pieces[skin::kTopRight].png.empty());
    EXPECT_EQ(pieces[skin::kBottomRight].height, 0);
    EXPECT_TRUE(pieces[skin::kBottomRight].png.empty());
  }

  // A picture without a second row or column: the scans find nothing there.
  skin::NinePieceList pieces;
  EXPECT_EQ(skin::NineGridImage::Slice(MakePicture(1, 1), pieces), (1 << 16) | 1);
  ASSERT_EQ(pieces.size(), 9u);
  EXPECT_EQ(pieces[skin::kTopLeft].width, 1);
  EXPECT_EQ(pieces[skin::kTopLeft].height, 1);
  for (int k = skin::kBottomLeft; k <= skin::kCentre; ++k) EXPECT_TRUE(pieces[k].png.empty()) << k;
}

TEST(NineGridLoad, APictureWithoutGuidesIsOneCornerAndStillLoads) {
  skin::NineGridImage image;
  EXPECT_EQ(image.IsLoaded(), 0);
  EXPECT_EQ(image.Load(MakePicture(6, 5)), 1);
  EXPECT_EQ(image.IsLoaded(), 1);
  EXPECT_EQ(image.GetImageSize1(), (skin::ImageSize{6, 5}));
  EXPECT_EQ(image.GetInsetA(), 3);
  EXPECT_EQ(image.GetInsetB(), 10);

  skin::NinePieceList pieces;
  skin::NineGridImage::Slice(MakePicture(6, 5), pieces);
  ASSERT_EQ(pieces.size(), 9u);
  EXPECT_EQ(pieces[skin::kTopLeft].width, 6);
  EXPECT_EQ(pieces[skin::kTopLeft].height, 5);
  for (int k : {skin::kBottomLeft, skin::kTopRight, skin::kBottomRight}) {
    SCOPED_TRACE(k);
    EXPECT_EQ(pieces[k].width, 0);
    EXPECT_EQ(pieces[k].height, 0);
    EXPECT_TRUE(pieces[k].png.empty());
  }
}

TEST(NineGridLoad, OnlyOpaqueMagentaIsAGuide) {
  struct Case {
    gdip::ARGB mark;
    int leftWidth;
  };
  for (const Case& c : {Case{kGuide, 4}, Case{0x80FF00FF, 20}, Case{0xFEFF00FF, 20}}) {
    SCOPED_TRACE(c.mark);
    skin::NinePieceList pieces;
    skin::NineGridImage::Slice(MakePicture(20, 20, {{5, 1, c.mark}}), pieces);
    EXPECT_EQ(pieces[skin::kTopLeft].width, c.leftWidth);
  }
}

TEST(NineGridLoad, BytesThatDoNotDecodeLoadAsNothingToDraw) {
  skin::NineGridImage image;
  EXPECT_EQ(image.Load(rt::ByteArray{1, 2, 3}), 1);
  image.SetRect(0, 0, 8, 8);
  DibCanvas canvas(8, 8);
  const auto before = canvas.Pixels();
  canvas.Draw([&](gdip::GdipGraphics& g) { image.DrawState1(g); });
  EXPECT_EQ(canvas.Pixels(), before);
}

TEST(NineGridDraw, CornersKeepTheirSizeAndEdgesAreTiledFromTheirCorner) {
  skin::NineGridImage image;
  ASSERT_EQ(image.Load(GuidedPicture()), 1);
  image.SetRect(5, 5, 50, 40);
  DibCanvas canvas(60, 50);
  canvas.Draw([&](gdip::GdipGraphics& g) { image.DrawState1(g); });

  // Corners at natural size in the four corners of the rectangle.
  EXPECT_EQ(canvas.Rgb(5, 5), SourceRgb(0, 0));
  EXPECT_EQ(canvas.Rgb(5 + 3, 5 + 2), SourceRgb(3, 2));
  EXPECT_EQ(canvas.Rgb(5, 45 - 4), SourceRgb(0, 16));
  EXPECT_EQ(canvas.Rgb(55 - 5, 5), SourceRgb(15, 0));
  EXPECT_EQ(canvas.Rgb(55 - 1, 45 - 1), SourceRgb(19, 19));

  // The centre (8 x 10 from (6, 5)) repeats from the fill's corner (9, 8).
  EXPECT_EQ(canvas.Rgb(9 + 1, 8 + 1), SourceRgb(6 + 1, 5 + 1));
  EXPECT_EQ(canvas.Rgb(9 + 8 + 1, 8 + 10 + 3), SourceRgb(6 + 1, 5 + 3));
  EXPECT_EQ(canvas.Rgb(9 + 24 + 2, 8 + 20 + 4), SourceRgb(6 + 2, 5 + 4));
  // The left edge (4 x 10 from (0, 5)) repeats down from (5, 8).
  EXPECT_EQ(canvas.Rgb(5 + 2, 8 + 10 + 2), SourceRgb(2, 5 + 2));
  // The top edge (8 x 5 from (6, 0)) repeats along from (9, 5).
  EXPECT_EQ(canvas.Rgb(9 + 16 + 3, 5 + 1), SourceRgb(6 + 3, 1));
  // Nothing outside the rectangle.
  EXPECT_EQ(canvas.Rgb(2, 2), 0u);
  EXPECT_EQ(canvas.Rgb(57, 47), 0u);
}

TEST(NineGridDraw, StatesNotGivenDrawLikeStateOne) {
  skin::NineGridImage image;
  ASSERT_EQ(image.Load(GuidedPicture(), MakePicture(12, 12)), 1);
  EXPECT_EQ(image.GetImageSize2(), (skin::ImageSize{12, 12}));
  EXPECT_EQ(image.GetImageSize3(), (skin::ImageSize{20, 20}));
  EXPECT_EQ(image.GetImageSize4(), (skin::ImageSize{20, 20}));
  image.SetRect(0, 0, 30, 30);

  auto draw = [&](void (skin::NineGridImage::*state)(gdip::GdipGraphics&) const) {
    DibCanvas canvas(30, 30);
    canvas.Draw([&](gdip::GdipGraphics& g) { (image.*state)(g); });
    return canvas.Pixels();
  };
  const auto first = draw(&skin::NineGridImage::DrawState1);
  EXPECT_NE(draw(&skin::NineGridImage::DrawState2), first) << "state 2 has a picture of its own";
  EXPECT_EQ(draw(&skin::NineGridImage::DrawState3), first);
  EXPECT_EQ(draw(&skin::NineGridImage::DrawState4), first);
}

TEST(NineGridDraw, ATargetSmallerThanTheCornersOverlapsThemAndFillsNothingElse) {
  skin::NineGridImage image;
  ASSERT_EQ(image.Load(GuidedPicture()), 1);
  image.SetRect(0, 0, 3, 3);
  DibCanvas canvas(8, 8);
  canvas.Draw([&](gdip::GdipGraphics& g) { image.DrawState1(g); });
  // The bottom-right corner (5 x 6), drawn last at (-2, -3), covers the rest.
  EXPECT_EQ(canvas.Rgb(0, 0), SourceRgb(15 + 2, 14 + 3));
  EXPECT_EQ(canvas.Rgb(2, 2), SourceRgb(15 + 4, 14 + 5));
  EXPECT_EQ(canvas.Rgb(3, 3), 0u);
}

TEST(NineGridImage, EmptyImagesDrawNothingAndClonesAreIndependent) {
  DibCanvas canvas(30, 30);
  const auto blank = canvas.Pixels();
  skin::NineGridImage empty;
  empty.SetRect(0, 0, 30, 30);
  canvas.Draw([&](gdip::GdipGraphics& g) { empty.DrawState1(g); });
  EXPECT_EQ(canvas.Pixels(), blank);

  skin::NineGridImage image;
  ASSERT_EQ(image.Load(GuidedPicture(), std::nullopt, std::nullopt, std::nullopt, 7, 2), 1);
  image.SetRect(0, 0, 30, 30);
  skin::NineGridImage copy = image.Clone();
  image.Load(MakePicture(6, 6));
  EXPECT_EQ(copy.IsLoaded(), 1);
  EXPECT_EQ(copy.GetInsetB(), 7);
  EXPECT_EQ(copy.GetInsetA(), 2);
  EXPECT_EQ(copy.GetImageSize1(), (skin::ImageSize{20, 20}));
  canvas.Draw([&](gdip::GdipGraphics& g) { copy.DrawState1(g); });
  EXPECT_EQ(canvas.Rgb(29, 29), SourceRgb(19, 19));

  skin::ResetNineGridImage(copy);
  EXPECT_EQ(copy.IsLoaded(), 0);
}

}  // namespace
