// Images: decoding from bytes and files, encoding back, ownership of the
// decoded bytes, and the image queries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/encoder_parameters.h"
#include "gdip/gdip_image.h"
#include "gdip/guid_text.h"
#include "gdip/image_encoders.h"
#include "gdip/wide_text.h"
#include "tests/gdip/gdip_test_support.h"

namespace {

using gdip::GdipBitmap;
using gdip::GdipImage;
using gdip_test::FlatCalls;
using gdip_test::LiveNatives;

constexpr char kPageDimension[] = "{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";
constexpr char kJpegFormat[] = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
constexpr char kQualityParameter[] = "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}";
constexpr int kPixelFormat32bppARGB = 0x26200A;

const rt::ByteArray kPngSignature = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
// The CRC of the IEND chunk: the last four bytes of every PNG file.
const rt::ByteArray kPngEnd = {0xAE, 0x42, 0x60, 0x82};

// A width x height PNG whose pixel (x, y) is Colour(x, y).
gdip::ARGB Colour(int x, int y) { return 0x80000000u | (static_cast<gdip::ARGB>(x * 40) << 16) | (y * 60); }

rt::ByteArray MakePng(int width, int height) {
  GdipBitmap bitmap;
  EXPECT_TRUE(bitmap.Create(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, Colour(x, y));
  return bitmap.SaveToStream(gdip::kPngFormat);
}

bool StartsWith(const rt::ByteArray& bytes, const rt::ByteArray& head) {
  return bytes.size() >= head.size() && std::equal(head.begin(), head.end(), bytes.begin());
}

bool EndsWith(const rt::ByteArray& bytes, const rt::ByteArray& tail) {
  return bytes.size() >= tail.size() && std::equal(tail.begin(), tail.end(), bytes.end() - tail.size());
}

std::string TempPath(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

TEST(GdipImage, PngRoundTripKeepsSizeFormatAndPixels) {
  const rt::ByteArray png = MakePng(3, 2);
  EXPECT_TRUE(StartsWith(png, kPngSignature));
  EXPECT_TRUE(EndsWith(png, kPngEnd));  // exactly what the encoder wrote

  GdipImage image;
  ASSERT_TRUE(image.LoadFromStream(png));
  EXPECT_EQ(image.GetWidth(), 3u);
  EXPECT_EQ(image.GetHeight(), 2u);
  EXPECT_EQ(image.GetPixelFormat(), kPixelFormat32bppARGB);
  EXPECT_EQ(image.GetRawFormat(), gdip::kPngFormat);

  GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromStream(png));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(bitmap.GetPixel(x, y), Colour(x, y)) << x << "," << y;
}

TEST(GdipImage, CallersBytesMayGoRightAfterTheLoad) {
  GdipImage image;
  {
    rt::ByteArray png = MakePng(4, 3);
    ASSERT_TRUE(image.LoadFromStream(png));
    std::fill(png.begin(), png.end(), 0);
  }
  rt::ByteArray scribble(4096, 0xCD);  // likely to reuse the freed memory
  const rt::ByteArray again = image.SaveToStream(gdip::kPngFormat);
  GdipBitmap decoded;
  ASSERT_TRUE(decoded.CreateFromStream(again));
  EXPECT_EQ(decoded.GetWidth(), 4u);
  EXPECT_EQ(decoded.GetPixel(3, 2), Colour(3, 2));
}

TEST(GdipImage, UndecodableBytesLeaveTheImageEmpty) {
  const rt::ByteArray png = MakePng(2, 2);
  const std::vector<std::pair<const char*, rt::ByteArray>> cases = {
      {"empty", {}},
      {"garbage", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}},
      {"signature only", kPngSignature},
  };
  for (const auto& [name, bytes] : cases) {
    GdipImage image;
    ASSERT_TRUE(image.LoadFromStream(png));  // a held image is released first
    EXPECT_FALSE(image.LoadFromStream(bytes)) << name;
    EXPECT_NE(gdip::LastStatus, Gdiplus::Ok) << name;
    EXPECT_TRUE(image.IsEmpty()) << name;
    EXPECT_EQ(image.GetWidth(), 0u) << name;
    GdipBitmap bitmap;
    EXPECT_FALSE(bitmap.CreateFromStream(bytes)) << name;
    EXPECT_TRUE(bitmap.IsEmpty()) << name;
  }
}

TEST(GdipImage, LoadingAgainDisposesTheOldImageFirst) {
  LiveNatives live;
  {
    GdipImage image;
    ASSERT_TRUE(image.LoadFromStream(MakePng(3, 2)));
    const rt::ByteArray bigger = MakePng(5, 4);
    ASSERT_TRUE(image.LoadFromStream(bigger));
    EXPECT_EQ(live.added(), 1);  // the first image is gone
    EXPECT_EQ(image.GetWidth(), 5u);
    EXPECT_EQ(image.GetHeight(), 4u);
  }
  EXPECT_EQ(live.added(), 0);
}

TEST(GdipImage, DisposeTwiceReleasesOnce) {
  LiveNatives live;
  {
    GdipImage image;
    ASSERT_TRUE(image.LoadFromStream(MakePng(2, 2)));
    EXPECT_EQ(live.added(), 1);
    EXPECT_TRUE(image.Dispose());
    EXPECT_EQ(live.added(), 0);
    FlatCalls calls;
    EXPECT_FALSE(image.Dispose());
    EXPECT_EQ(calls.made(), 0u);
  }
  EXPECT_EQ(live.added(), 0);  // nothing released twice either
  FlatCalls calls;
  GdipImage empty;
  EXPECT_FALSE(empty.Dispose());
  EXPECT_EQ(calls.made(), 0u);
}

TEST(GdipImage, MovedImageTakesItsBytesAlong) {
  LiveNatives live;
  {
    GdipImage target;
    ASSERT_TRUE(target.LoadFromStream(MakePng(2, 2)));
    {
      GdipImage source;
      ASSERT_TRUE(source.LoadFromStream(MakePng(6, 5)));
      target = std::move(source);
      EXPECT_EQ(live.added(), 1);  // the target's old image is gone
      EXPECT_TRUE(source.IsEmpty());
    }
    EXPECT_EQ(live.added(), 1);
    EXPECT_EQ(target.GetWidth(), 6u);
    GdipImage moved(std::move(target));
    const rt::ByteArray png = moved.SaveToStream(gdip::kPngFormat);
    EXPECT_TRUE(EndsWith(png, kPngEnd));
  }
  EXPECT_EQ(live.added(), 0);
}

TEST(GdipImage, SaveToStreamNeedsAnEncoderForTheFormat) {
  GdipImage decoded;
  ASSERT_TRUE(decoded.LoadFromStream(MakePng(2, 2)));
  EXPECT_TRUE(StartsWith(decoded.SaveToStream(), kPngSignature));  // its own raw format

  GdipBitmap made;
  ASSERT_TRUE(made.Create(2, 2));
  EXPECT_TRUE(made.SaveToStream().empty());  // a memory bitmap: no encoder
  EXPECT_NE(gdip::LastStatus, Gdiplus::Ok);
  EXPECT_TRUE(made.SaveToStream("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}").empty());
  EXPECT_NE(gdip::LastStatus, Gdiplus::Ok);

  GdipImage empty;
  EXPECT_TRUE(empty.SaveToStream(gdip::kPngFormat).empty());
}

TEST(GdipImage, EncoderParameterBlockCarriesTheRecord) {
  const gdip::EncoderParametersRecord record = {
      2, {{kQualityParameter, 1, 4, {50, 0, 0, 0}}, {kPageDimension, 2, 3, {1, 0, 2, 0, 9}}}};
  gdip::NativeEncoderParameters native;
  ASSERT_TRUE(native.Build(record));
  const Gdiplus::EncoderParameters* block = native.get();
  ASSERT_NE(block, nullptr);
  ASSERT_EQ(block->Count, 2u);
  EXPECT_EQ(gdip::GuidToText(block->Parameter[0].Guid), kQualityParameter);
  EXPECT_EQ(block->Parameter[0].NumberOfValues, 1u);
  EXPECT_EQ(block->Parameter[0].Type, 4u);
  ASSERT_NE(block->Parameter[0].Value, nullptr);
  EXPECT_EQ(*static_cast<const ULONG*>(block->Parameter[0].Value), 50u);
  EXPECT_EQ(gdip::GuidToText(block->Parameter[1].Guid), kPageDimension);
  EXPECT_EQ(block->Parameter[1].NumberOfValues, 2u);
  EXPECT_EQ(block->Parameter[1].Type, 3u);
  const auto* shorts = static_cast<const std::uint8_t*>(block->Parameter[1].Value);
  EXPECT_EQ(rt::ByteArray(shorts, shorts + 5), (rt::ByteArray{1, 0, 2, 0, 9}));
}

TEST(GdipImage, EncoderParametersReachTheEncoder) {
  GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(8, 8));
  const gdip::EncoderParametersRecord quality = {1, {{kQualityParameter, 1, 4, {50, 0, 0, 0}}}};
  const rt::ByteArray jpeg = bitmap.SaveToStream(kJpegFormat, &quality);
  EXPECT_TRUE(StartsWith(jpeg, {0xFF, 0xD8}));

  const std::vector<std::pair<const char*, gdip::EncoderParametersRecord>> broken = {
      {"count beyond the parameters", {2, {{kQualityParameter, 1, 4, {50, 0, 0, 0}}}}},
      {"value shorter than its type", {1, {{kQualityParameter, 1, 4, {50, 0}}}}},
      {"two values, one given", {1, {{kQualityParameter, 2, 1, {50}}}}},
  };
  for (const auto& [name, record] : broken) {
    gdip::NativeEncoderParameters native;
    EXPECT_FALSE(native.Build(record)) << name;
    FlatCalls calls;
    EXPECT_TRUE(bitmap.SaveToStream(kJpegFormat, &record).empty()) << name;
    EXPECT_EQ(calls.made(), 0u) << name;
    EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter) << name;
    EXPECT_FALSE(bitmap.SaveAdd(record)) << name;
    EXPECT_FALSE(bitmap.SaveAddImage(bitmap, record)) << name;
    EXPECT_EQ(calls.made(), 0u) << name;
  }
}

TEST(GdipImage, JpegQualityChangesTheEncoding) {
  // Noise, so that the quality shows in the size.
  GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(32, 32));
  unsigned seed = 12345;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      seed = seed * 1103515245u + 12345u;
      bitmap.SetPixel(x, y, 0xFF000000u | (seed >> 8));
    }
  const auto encode = [&bitmap](std::uint8_t quality) {
    const gdip::EncoderParametersRecord record = {1, {{kQualityParameter, 1, 4, {quality, 0, 0, 0}}}};
    return bitmap.SaveToStream(kJpegFormat, &record);
  };
  const rt::ByteArray low = encode(5);
  const rt::ByteArray high = encode(100);
  ASSERT_TRUE(StartsWith(low, {0xFF, 0xD8}));
  ASSERT_TRUE(StartsWith(high, {0xFF, 0xD8}));
  if (gdip_test::RunningOnWine() && low.size() == high.size())
    GTEST_SKIP() << "Wine's JPEG encoder ignores encoder parameters";
  EXPECT_LT(low.size(), high.size());
}

TEST(GdipImage, EncoderParameterListOfJpeg) {
  GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(8, 8));
  gdip::EncoderParametersRecord listed;
  const bool read = bitmap.GetEncoderParameterList(kJpegFormat, listed);
  if (gdip_test::RunningOnWine() && !read && gdip::LastStatus == Gdiplus::NotImplemented)
    GTEST_SKIP() << "Wine's GDI+ has no encoder parameter lists";
  ASSERT_TRUE(read);
  EXPECT_EQ(listed.count, static_cast<int>(listed.parameters.size()));
  EXPECT_TRUE(std::any_of(listed.parameters.begin(), listed.parameters.end(),
                          [](const gdip::EncoderParameterRecord& p) { return p.id == kQualityParameter; }));
}

TEST(GdipImage, FilesRoundTrip) {
  const std::string path = TempPath("quillora_gdip_image.png");
  GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromStream(MakePng(3, 2)));
  ASSERT_TRUE(bitmap.SaveToFile(path, gdip::kPngFormat));

  GdipImage image;
  ASSERT_TRUE(image.LoadFromFile(path));
  EXPECT_EQ(image.GetWidth(), 3u);
  ASSERT_TRUE(image.Dispose());  // lets go of the file
  GdipBitmap again;
  ASSERT_TRUE(again.CreateFromFile(path));
  EXPECT_EQ(again.GetPixel(2, 1), Colour(2, 1));
  ASSERT_TRUE(again.Dispose());
  DeleteFileA(path.c_str());

  EXPECT_FALSE(image.LoadFromFile(TempPath("quillora_no_such_image.png")));
  EXPECT_TRUE(image.IsEmpty());
}

TEST(GdipImage, WideFileVariantsDefaultToBmp) {
  const std::string path = TempPath("quillora_gdip_image.bmp");
  rt::ByteArray widePath = gdip::ToWideBytes(path);
  GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(2, 2));
  ASSERT_TRUE(bitmap.SaveToFileW(widePath));
  GdipImage image;
  ASSERT_TRUE(image.LoadFromFileW(widePath));
  EXPECT_EQ(image.GetRawFormat(), gdip::kBmpFormat);
  ASSERT_TRUE(image.Dispose());
  DeleteFileA(path.c_str());

  widePath.resize(widePath.size() - 2);  // no terminator
  FlatCalls calls;
  EXPECT_FALSE(image.LoadFromFileW(widePath));
  EXPECT_FALSE(bitmap.SaveToFileW(widePath));
  EXPECT_FALSE(bitmap.CreateFromFileW(widePath));
  EXPECT_EQ(calls.made(), 0u);
}

TEST(GdipImage, ChinesePathsAreConverted) {
  if (GetACP() != 936) GTEST_SKIP() << "the ANSI code page is not 936";
  const std::string path = TempPath("图片.png");
  GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromStream(MakePng(2, 3)));
  ASSERT_TRUE(bitmap.SaveToFile(path, gdip::kPngFormat));
  EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
  GdipImage image;
  ASSERT_TRUE(image.LoadFromFile(path));
  EXPECT_EQ(image.GetHeight(), 3u);
  image.Dispose();
  DeleteFileA(path.c_str());
}

TEST(GdipImage, QueriesOfADecodedImage) {
  GdipImage image;
  ASSERT_TRUE(image.LoadFromStream(MakePng(3, 2)));
  int unit = -1;
  const gdip::RectF bounds = image.GetBounds(&unit);
  EXPECT_EQ(bounds, (gdip::RectF{0, 0, 3, 2}));
  EXPECT_EQ(unit, Gdiplus::UnitPixel);
  const gdip::ImageDimension size = image.GetDimension();
  EXPECT_EQ(size.width, 3);
  EXPECT_EQ(size.height, 2);
  EXPECT_EQ(image.GetType(), Gdiplus::ImageTypeBitmap);
  EXPECT_GT(image.GetHorizontalResolution(), 0);
  EXPECT_GT(image.GetVerticalResolution(), 0);
  EXPECT_NE(image.GetFlags(), 0u);

  std::vector<rt::Text> dimensions = {"stale", "stale"};
  ASSERT_TRUE(image.GetFrameDimensionsList(dimensions));
  EXPECT_EQ(dimensions, (std::vector<rt::Text>{kPageDimension}));
  EXPECT_EQ(image.GetFrameCount(kPageDimension), 1u);
  EXPECT_TRUE(image.SelectActiveFrame(kPageDimension, 0));

  GdipImage thumbnail;
  ASSERT_TRUE(image.GetThumbnail(2, 2, thumbnail));
  EXPECT_EQ(thumbnail.GetWidth(), 2u);
  GdipImage copy;
  ASSERT_TRUE(image.CloneInto(copy));
  ASSERT_TRUE(image.Dispose());
  EXPECT_EQ(copy.GetWidth(), 3u);
  EXPECT_FALSE(copy.CloneInto(copy));
}

TEST(GdipImage, QueriesOfAnEmptyImageGiveZero) {
  GdipImage empty;
  EXPECT_EQ(empty.GetWidth(), 0u);
  EXPECT_EQ(empty.GetHeight(), 0u);
  EXPECT_EQ(empty.GetPixelFormat(), 0);
  EXPECT_EQ(empty.GetBounds(), gdip::RectF{});
  EXPECT_EQ(empty.GetRawFormat(), "{00000000-0000-0000-0000-000000000000}");
  EXPECT_FALSE(empty.RotateFlip(gdip::RotateFlipType::Rotate90FlipNone));
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
}

TEST(GdipImage, PropertyItems) {
  GdipImage image;
  ASSERT_TRUE(image.LoadFromStream(MakePng(2, 2)));
  std::vector<PROPID> ids = {1, 2, 3};
  const int count = image.GetPropertyIdList(ids);
  EXPECT_EQ(ids.size(), static_cast<std::size_t>(count));

  gdip::PropertyItemRecord item{7, 1, 2, {'x'}};
  EXPECT_FALSE(image.GetPropertyItem(0x5100, item));  // a still image has no frame delays
  EXPECT_EQ(item.id, 7);                               // and the record is untouched
  std::vector<int> delays = {5};
  EXPECT_FALSE(image.GetFrameDelays(delays));

  const gdip::PropertyItemRecord tooLong{0x010E, 4, 2, {'a', 0}};
  FlatCalls calls;
  EXPECT_FALSE(image.SetPropertyItem(tooLong));
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
}

TEST(GdipImage, PropertyItemsReadBackAndGo) {
  if (gdip_test::RunningOnWine())
    GTEST_SKIP() << "Wine's GDI+ drops property items it is given and cannot remove them";
  GdipImage image;
  ASSERT_TRUE(image.LoadFromStream(MakePng(2, 2)));
  const gdip::PropertyItemRecord title{0x010E, 3, 2, {'a', 'b', 0}};
  ASSERT_TRUE(image.SetPropertyItem(title));
  gdip::PropertyItemRecord read;
  ASSERT_TRUE(image.GetPropertyItem(0x010E, read));
  EXPECT_EQ(read.id, 0x010E);
  EXPECT_EQ(read.length, 3);
  EXPECT_EQ(read.type, 2);
  EXPECT_EQ(read.value, title.value);
  EXPECT_TRUE(image.RemovePropertyItem(0x010E));
  EXPECT_FALSE(image.GetPropertyItem(0x010E, read));
}

TEST(GdipImage, PaletteRoundTrip) {
  GdipBitmap indexed;
  ASSERT_TRUE(indexed.Create(4, 4, PixelFormat8bppIndexed));
  const gdip::PaletteRecord palette{0, 2, {0xFF000000, 0xFFFFFFFF}};
  ASSERT_TRUE(indexed.SetPalette(palette));
  gdip::PaletteRecord read;
  ASSERT_TRUE(indexed.GetPalette(read));
  EXPECT_EQ(read.count, 2);
  EXPECT_EQ(read.entries, palette.entries);

  FlatCalls calls;
  EXPECT_FALSE(indexed.SetPalette({0, 3, {0xFF000000, 0xFFFFFFFF}}));
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
}

}  // namespace
