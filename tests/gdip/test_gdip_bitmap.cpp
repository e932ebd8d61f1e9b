// Bitmaps: making them, their pixels, areas, turns, and the way to and
// from GDI bitmaps and icons.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "tests/gdip/gdip_test_support.h"

namespace {

using gdip::GdipBitmap;
using gdip::REAL;
using gdip_test::FlatCalls;

constexpr int kPixelFormat32bppARGB = 0x26200A;
constexpr gdip::ARGB kRed = 0xFFFF0000, kBlue = 0xFF0000FF, kMark = 0xFF00FF00;

// A width x height bitmap of one colour, with `kMark` at (markX, markY).
GdipBitmap Solid(int width, int height, gdip::ARGB colour, int markX = -1, int markY = -1) {
  GdipBitmap bitmap;
  EXPECT_TRUE(bitmap.Create(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, x == markX && y == markY ? kMark : colour);
  return bitmap;
}

TEST(GdipBitmap, CreateMakesTheAskedSizeAndFormat) {
  GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(7, 5));
  EXPECT_EQ(bitmap.GetWidth(), 7u);
  EXPECT_EQ(bitmap.GetHeight(), 5u);
  EXPECT_EQ(bitmap.GetPixelFormat(), kPixelFormat32bppARGB);
  EXPECT_EQ(bitmap.GetPixel(3, 3), 0u);  // GDI+ clears new pixels
  ASSERT_TRUE(bitmap.Create(2, 2, PixelFormat24bppRGB));
  EXPECT_EQ(bitmap.GetPixelFormat(), PixelFormat24bppRGB);
  EXPECT_EQ(bitmap.GetWidth(), 2u);
  EXPECT_FALSE(bitmap.Create(0, 5));
  EXPECT_TRUE(bitmap.IsEmpty());
}

TEST(GdipBitmap, PixelsReadBackAndOutsideReadsGiveZero) {
  GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(4, 4));
  ASSERT_TRUE(bitmap.SetPixel(1, 2, 0x80123456));
  EXPECT_EQ(bitmap.GetPixel(1, 2), 0x80123456u);
  EXPECT_EQ(bitmap.GetPixel(4, 0), 0u);
  EXPECT_NE(gdip::LastStatus, Gdiplus::Ok);
  EXPECT_FALSE(bitmap.SetPixel(-1, 0, kRed));

  GdipBitmap empty;
  EXPECT_EQ(empty.GetPixel(0, 0), 0u);
  EXPECT_FALSE(empty.SetPixel(0, 0, kRed));
}

TEST(GdipBitmap, CallersPixelsAndLockedBits) {
  std::vector<gdip::ARGB> pixels = {0xFF112233, 0xFF445566, 0xFF778899, 0xFFAABBCC};
  GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromScan0(2, 2, 8, kPixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels.data())));
  EXPECT_EQ(bitmap.GetPixel(1, 1), 0xFFAABBCCu);

  gdip::BitmapData data{};
  ASSERT_TRUE(bitmap.LockBits({1, 0, 1, 2}, Gdiplus::ImageLockModeRead, kPixelFormat32bppARGB, data));
  EXPECT_EQ(data.Width, 1u);
  EXPECT_EQ(data.Height, 2u);
  EXPECT_EQ(*static_cast<const gdip::ARGB*>(data.Scan0), 0xFF445566u);
  EXPECT_TRUE(bitmap.UnlockBits(data));

  ASSERT_TRUE(bitmap.SetResolution(144, 72));
  EXPECT_FLOAT_EQ(bitmap.GetHorizontalResolution(), 144);
  EXPECT_FLOAT_EQ(bitmap.GetVerticalResolution(), 72);
}

TEST(GdipBitmap, RotateFlipTurnsThePixels) {
  GdipBitmap bitmap = Solid(3, 2, kRed, 0, 0);
  ASSERT_TRUE(bitmap.RotateFlip(gdip::RotateFlipType::Rotate270FlipNone));
  EXPECT_EQ(bitmap.GetWidth(), 2u);
  EXPECT_EQ(bitmap.GetHeight(), 3u);
  EXPECT_EQ(bitmap.GetPixel(0, 2), kMark);  // top-left went to bottom-left
  EXPECT_EQ(bitmap.GetPixel(0, 0), kRed);
}

TEST(GdipBitmap, CloneAreaCopiesThePieceIntoAnotherBitmap) {
  const GdipBitmap source = Solid(4, 4, kRed, 2, 1);
  GdipBitmap piece = Solid(9, 9, kBlue);  // what it held is replaced
  ASSERT_TRUE(source.CloneArea({2, 1, 2, 2}, kPixelFormat32bppARGB, piece));
  EXPECT_EQ(piece.GetWidth(), 2u);
  EXPECT_EQ(piece.GetHeight(), 2u);
  EXPECT_EQ(piece.GetPixel(0, 0), kMark);
  EXPECT_EQ(piece.GetPixel(1, 1), kRed);

  GdipBitmap pieceI;
  ASSERT_TRUE(source.CloneAreaI({1, 1, 3, 1}, kPixelFormat32bppARGB, pieceI));
  EXPECT_EQ(pieceI.GetWidth(), 3u);
  EXPECT_EQ(pieceI.GetPixel(1, 0), kMark);

  GdipBitmap self = Solid(2, 2, kRed);
  EXPECT_FALSE(self.CloneArea({0, 0, 1, 1}, kPixelFormat32bppARGB, self));
  EXPECT_EQ(self.GetWidth(), 2u);
}

TEST(GdipBitmap, GdiBitmapsGoBothWays) {
  GdipBitmap source = Solid(3, 2, kRed, 2, 1);
  gdip_test::HbitmapOwner first(source.GetHbitmap());
  gdip_test::HbitmapOwner second(source.GetHbitmap());
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first.get(), second.get());  // a new GDI bitmap every time
  BITMAP info{};
  ASSERT_EQ(GetObjectA(first.get(), sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(std::abs(info.bmHeight), 2);

  GdipBitmap back;
  ASSERT_TRUE(back.CreateFromHbitmap(first.get()));
  EXPECT_EQ(back.GetWidth(), 3u);
  EXPECT_EQ(back.GetPixel(2, 1), kMark);
  EXPECT_EQ(back.GetPixel(0, 0), kRed);
  EXPECT_EQ(GetObjectType(first.get()), static_cast<DWORD>(OBJ_BITMAP));  // still the caller's
}

TEST(GdipBitmap, IconsGoBothWays) {
  GdipBitmap source = Solid(16, 16, kRed);
  HICON icon = source.GetHicon();
  ASSERT_NE(icon, nullptr);
  GdipBitmap fromIcon;
  ASSERT_TRUE(fromIcon.CreateFromHicon(icon));
  EXPECT_EQ(fromIcon.GetWidth(), 16u);
  EXPECT_EQ(fromIcon.GetHeight(), 16u);
  EXPECT_EQ(fromIcon.GetPixel(8, 8), kRed);
  EXPECT_TRUE(DestroyIcon(icon));  // the icon stayed the caller's
}

TEST(GdipBitmap, OtherSources) {
  GdipBitmap canvas;
  ASSERT_TRUE(canvas.Create(4, 4));
  gdip::GdipGraphics graphics;
  ASSERT_TRUE(graphics.CreateFromImage(canvas));
  GdipBitmap compatible;
  ASSERT_TRUE(compatible.CreateFromGraphics(5, 6, graphics));
  EXPECT_EQ(compatible.GetWidth(), 5u);
  EXPECT_EQ(compatible.GetHeight(), 6u);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 2;
  info.bmiHeader.biHeight = 1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  DWORD bits[2] = {0x00112233, 0x00445566};
  GdipBitmap dib;
  ASSERT_TRUE(dib.CreateFromGdiDib(&info, bits));
  EXPECT_EQ(dib.GetWidth(), 2u);
  EXPECT_EQ(dib.GetPixel(0, 0) & 0x00FFFFFF, 0x112233u);
  EXPECT_EQ(dib.GetPixel(1, 0) & 0x00FFFFFF, 0x445566u);

  GdipBitmap resource;
  EXPECT_FALSE(resource.CreateFromResource(GetModuleHandleA(nullptr), L"QUILLORA_NO_SUCH_BITMAP"));
  EXPECT_TRUE(resource.IsEmpty());
}

TEST(GdipBitmap, RotatedBoundsHoldTheWholeTurnedPicture) {
  struct Case {
    REAL angle, width, height;
  };
  const REAL diagonal = 30 * std::sqrt(0.5f);
  for (Case c : {Case{0, 10, 20}, Case{90, 20, 10}, Case{180, 10, 20}, Case{-90, 20, 10}, Case{45, diagonal, diagonal},
                 Case{30, 10 * std::cos(0.5235988f) + 10, 5 + 20 * std::cos(0.5235988f)}}) {
    REAL width = -1, height = -1;
    GdipBitmap::RotatedBounds(10, 20, c.angle, width, height);
    EXPECT_NEAR(width, c.width, 1e-4) << c.angle;
    EXPECT_NEAR(height, c.height, 1e-4) << c.angle;
  }
}

TEST(GdipBitmap, RotateDrawsTheTurnedPictureOnANewCanvas) {
  GdipBitmap picture = Solid(10, 20, kRed);
  GdipBitmap turned = Solid(3, 3, kBlue);  // its old picture is replaced
  ASSERT_TRUE(picture.Rotate(90, turned));
  EXPECT_EQ(turned.GetWidth(), 20u);
  EXPECT_EQ(turned.GetHeight(), 10u);
  EXPECT_EQ(turned.GetPixel(10, 5), kRed);
  EXPECT_EQ(turned.GetPixel(2, 5), kRed);  // nothing cut off at the ends

  GdipBitmap diagonal;
  ASSERT_TRUE(picture.Rotate(45, diagonal));
  EXPECT_EQ(diagonal.GetWidth(), 22u);
  EXPECT_EQ(diagonal.GetHeight(), 22u);
  EXPECT_EQ(diagonal.GetPixel(11, 11), kRed);
  EXPECT_EQ(diagonal.GetPixel(0, 0) >> 24, 0u);  // no background: clear

  GdipBitmap backed;
  ASSERT_TRUE(picture.Rotate(45, backed, kBlue));
  EXPECT_EQ(backed.GetPixel(0, 0), kBlue);
  EXPECT_EQ(backed.GetPixel(11, 11), kRed);
}

TEST(GdipBitmap, RotateOntoAGivenCanvasCentresThePicture) {
  GdipBitmap picture = Solid(10, 20, kRed);
  GdipBitmap framed;
  ASSERT_TRUE(picture.Rotate(0, framed, {}, gdip::InterpolationMode::NearestNeighbor,
                             gdip::ImageDimension{30, 40}));
  EXPECT_EQ(framed.GetWidth(), 30u);
  EXPECT_EQ(framed.GetHeight(), 40u);
  EXPECT_EQ(framed.GetPixel(15, 20), kRed);
  EXPECT_EQ(framed.GetPixel(5, 20) >> 24, 0u);
  EXPECT_EQ(framed.GetPixel(15, 5) >> 24, 0u);
}

TEST(GdipBitmap, RotateFailuresLeaveTheTargetAlone) {
  GdipBitmap picture = Solid(4, 4, kRed);
  FlatCalls calls;
  EXPECT_FALSE(picture.Rotate(30, picture));
  EXPECT_EQ(calls.made(), 0u);

  GdipBitmap target = Solid(2, 2, kBlue);
  GdipBitmap empty;
  EXPECT_FALSE(empty.Rotate(30, target));  // nothing to turn: no canvas
  EXPECT_EQ(target.GetPixel(1, 1), kBlue);
}

}  // namespace
