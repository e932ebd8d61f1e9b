// Strips cut at marker columns: the embedded glyph strip and synthetic
// strips with markers at known columns.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"
#include "skin/core/image_strip.h"
#include "tests/support/gdip_test_env.h"

namespace {

const rt::Text kPng = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
constexpr gdip::ARGB kMagenta = 0xFFFF00FF;

// A PNG of width x height whose pixels come from `pixel`.
rt::ByteArray MakePicture(int width, int height, const std::function<gdip::ARGB(int, int)>& pixel) {
  gdip::GdipBitmap bitmap;
  EXPECT_TRUE(bitmap.Create(width, height));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, pixel(x, y));
  }
  return bitmap.SaveToStream(kPng);
}

// Columns in shades of blue that tell their own x, full-height marker
// columns where asked.
rt::ByteArray MakeStrip(int width, const std::vector<int>& markers, gdip::ARGB marker = kMagenta) {
  return MakePicture(width, 5, [&](int x, int) -> gdip::ARGB {
    for (int m : markers) {
      if (x == m) return marker;
    }
    return 0xFF000000u | static_cast<gdip::ARGB>(x);
  });
}

gdip::GdipBitmap Decode(const rt::ByteArray& png) {
  gdip::GdipBitmap bitmap;
  bitmap.CreateFromStream(png);
  return bitmap;
}

// The x the first column of a piece came from (255 for a magenta column).
int FirstColumnOf(const rt::ByteArray& piece) {
  gdip::GdipBitmap bitmap = Decode(piece);
  return static_cast<int>(bitmap.GetPixel(0, 0) & 0xFF);
}

TEST(ImageStripTest, GlyphStripSplitsIntoSixPiecesMatchingTheSource) {
  const rt::ByteArray source = rt::LoadEmbeddedBytes(IDR_GLYPH_STRIP);
  ASSERT_FALSE(source.empty());
  skin::ImageStrip strip;
  ASSERT_EQ(strip.Load(source), 6);
  EXPECT_EQ(strip.GetTotalWidth(), 131);
  EXPECT_EQ(strip.GetTotalHeight(), 16);

  gdip::GdipBitmap whole = Decode(source);
  for (int n = 1; n <= 6; ++n) {
    ASSERT_EQ(strip.GetPieceWidth(n), 21);
    ASSERT_EQ(strip.GetPieceHeight(n), 16);
    gdip::GdipBitmap piece = Decode(strip.GetPiece(n));
    ASSERT_EQ(piece.GetWidth(), 21u);
    ASSERT_EQ(piece.GetHeight(), 16u);
    const int left = (n - 1) * 22;
    int mismatches = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 21; ++x) {
        if (piece.GetPixel(x, y) != whole.GetPixel(left + x, y)) ++mismatches;
      }
    }
    EXPECT_EQ(mismatches, 0) << "piece " << n;
  }
}

TEST(ImageStripTest, MarkersCutAtKnownColumns) {
  struct Case {
    const char* name;
    int width;
    std::vector<int> markers;
    std::vector<int> widths;
    std::vector<int> firstColumns;  // of the non-empty pieces
  } cases[] = {
      {"two markers", 12, {3, 7}, {3, 3, 4}, {0, 4, 8}},
      {"no marker loses the last column", 10, {}, {9}, {0}},
      {"marker in the last column", 10, {9}, {9, 0}, {0}},
      {"column 0 is never tested", 6, {0}, {5}, {255}},  // the piece starts with the marker
      {"adjacent markers give an empty piece", 8, {2, 3}, {2, 0, 4}, {0, 4}},
  };
  for (const Case& c : cases) {
    skin::ImageStrip strip;
    const int count = strip.Load(MakeStrip(c.width, c.markers));
    ASSERT_EQ(count, static_cast<int>(c.widths.size())) << c.name;
    std::size_t nonEmpty = 0;
    for (int n = 1; n <= count; ++n) {
      EXPECT_EQ(strip.GetPieceWidth(n), c.widths[n - 1]) << c.name << " piece " << n;
      EXPECT_EQ(strip.GetPieceHeight(n), 5) << c.name;
      if (c.widths[n - 1] == 0) {
        EXPECT_TRUE(strip.GetPiece(n).empty()) << c.name;
        continue;
      }
      ASSERT_LT(nonEmpty, c.firstColumns.size()) << c.name;
      EXPECT_EQ(FirstColumnOf(strip.GetPiece(n)), c.firstColumns[nonEmpty++]) << c.name;
    }
  }
}

TEST(ImageStripTest, OnlyOpaqueMarkerPixelsOnTheThirdRowCut) {
  skin::ImageStrip strip;
  EXPECT_EQ(strip.Load(MakeStrip(10, {4}, 0xFEFF00FF)), 1) << "alpha 254 is no marker";
  EXPECT_EQ(strip.GetPieceWidth(1), 9);

  const rt::ByteArray thirdRowOnly = MakePicture(10, 5, [](int x, int y) -> gdip::ARGB {
    return x == 4 && y == 2 ? kMagenta : 0xFF102030;
  });
  EXPECT_EQ(strip.Load(thirdRowOnly), 2);
  const rt::ByteArray otherRows = MakePicture(10, 5, [](int x, int y) -> gdip::ARGB {
    return x == 4 && y != 2 ? kMagenta : 0xFF102030;
  });
  EXPECT_EQ(strip.Load(otherRows), 1);
}

TEST(ImageStripTest, AGivenMarkerColourReplacesMagenta) {
  constexpr COLORREF kGreen = 0x0000FF00;
  const rt::ByteArray picture = MakePicture(12, 5, [](int x, int) -> gdip::ARGB {
    if (x == 3) return 0xFF00FF00;  // green
    if (x == 7) return kMagenta;
    return 0xFF000000u | static_cast<gdip::ARGB>(x);
  });
  skin::ImageStrip strip;
  ASSERT_EQ(strip.Load(picture, kGreen), 2);
  EXPECT_EQ(strip.GetMarker(), kGreen);
  EXPECT_EQ(strip.GetPieceWidth(1), 3);
  EXPECT_EQ(strip.GetPieceWidth(2), 8);  // columns 4-11: magenta is plain colour now

  ASSERT_EQ(strip.Load(picture), 2);  // a later load without colour is magenta again
  EXPECT_EQ(strip.GetMarker(), skin::kDefaultStripMarker);
  EXPECT_EQ(strip.GetPieceWidth(1), 7);
}

TEST(ImageStripTest, PiecesOutsideTheStripAreEmpty) {
  skin::ImageStrip strip;
  strip.Load(MakeStrip(12, {3, 7}));
  for (int outside : {0, -1, 4}) {
    EXPECT_TRUE(strip.GetPiece(outside).empty()) << outside;
    EXPECT_EQ(strip.GetPieceWidth(outside), 0) << outside;
    EXPECT_EQ(strip.GetPieceHeight(outside), 0) << outside;
  }
}

// Painters draw decoded pieces on every paint: each is decoded once, the
// same image comes back until the strip changes, and one that cannot be
// decoded or is not there gives none.
TEST(ImageStripTest, DecodedPiecesAreKeptUntilTheStripChanges) {
  skin::ImageStrip strip;
  strip.Load(MakeStrip(12, {3, 7}));
  gdip::GdipImage* second = strip.DecodedPiece(2);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetWidth(), 3u);
  EXPECT_EQ(second->GetHeight(), 5u);
  EXPECT_EQ(strip.DecodedPiece(2), second) << "decoded again";
  for (int outside : {0, 4}) EXPECT_EQ(strip.DecodedPiece(outside), nullptr) << outside;

  strip.RemovePiece(1);  // piece 2 moves to 1 with its image
  EXPECT_EQ(strip.DecodedPiece(1), second);
  strip.ForgetDecodedPieces();
  ASSERT_NE(strip.DecodedPiece(1), nullptr);
  EXPECT_EQ(strip.DecodedPiece(1)->GetWidth(), 3u) << "the bytes stay and decode again";

  strip.Load(MakeStrip(10, {}));
  ASSERT_NE(strip.DecodedPiece(1), nullptr);
  EXPECT_EQ(strip.DecodedPiece(1)->GetWidth(), static_cast<UINT>(strip.GetPieceWidth(1)))
      << "a new load brings new images";
  EXPECT_NE(strip.GetPieceWidth(1), 3);
  strip.Load(rt::ByteArray{1, 2, 3});
  EXPECT_EQ(strip.DecodedPiece(1), nullptr);
}

TEST(ImageStripTest, BytesThatDoNotDecodeGiveOneEmptyPiece) {
  skin::ImageStrip strip;
  EXPECT_EQ(strip.Load(rt::ByteArray{1, 2, 3}), 1);
  EXPECT_EQ(strip.GetPieceWidth(1), 0);
  EXPECT_EQ(strip.GetPieceHeight(1), 0);
  EXPECT_TRUE(strip.GetPiece(1).empty());
  EXPECT_EQ(strip.GetTotalWidth(), 0);
  EXPECT_EQ(strip.Load(rt::ByteArray{}), 1);
  EXPECT_EQ(strip.GetPieceWidth(1), 0);
}

TEST(ImageStripTest, RemovingAPieceChecksItsNumberAndKeepsTheHeight) {
  skin::ImageStrip strip;
  strip.Load(MakeStrip(12, {3, 7}));
  for (int outside : {0, 4}) EXPECT_EQ(strip.RemovePiece(outside), 0);
  EXPECT_EQ(strip.GetCount(), 3);
  EXPECT_EQ(strip.GetTotalWidth(), 12);

  EXPECT_EQ(strip.RemovePiece(2), 1);
  EXPECT_EQ(strip.GetCount(), 2);
  EXPECT_EQ(strip.GetTotalWidth(), 9);
  EXPECT_EQ(strip.GetTotalHeight(), 5);
  EXPECT_EQ(FirstColumnOf(strip.GetPiece(2)), 8);
}

TEST(ImageStripTest, AddedPiecesWidenTheStrip) {
  skin::ImageStrip strip;
  strip.Load(MakeStrip(12, {3, 7}));
  const rt::ByteArray extra = MakeStrip(6, {});
  EXPECT_EQ(strip.AddPiece(extra), 4);
  EXPECT_EQ(strip.GetPieceWidth(4), 6);
  EXPECT_EQ(strip.GetTotalWidth(), 18);
  EXPECT_EQ(strip.GetTotalHeight(), 5);
  EXPECT_EQ(strip.GetPiece(4), extra);
}

TEST(ImageStripTest, EvenPiecesCoverTheWholeImage) {
  skin::ImageStrip strip;
  ASSERT_EQ(strip.LoadEvenPieces(MakeStrip(14, {}), 4, false), 4);
  EXPECT_EQ(strip.GetPieceWidth(1), 4);
  EXPECT_EQ(strip.GetPieceWidth(4), 2);  // the columns that are left
  EXPECT_EQ(FirstColumnOf(strip.GetPiece(4)), 12);
  EXPECT_EQ(strip.LoadEvenPiecesCopy(MakeStrip(14, {}), 0, false), 0);

  ASSERT_EQ(strip.LoadEvenPieces(MakePicture(8, 8, [](int, int) { return 0xFF000000u; }), 8, true),
            1);
  gdip::GdipBitmap guided = Decode(strip.GetPiece(1));
  EXPECT_EQ(guided.GetPixel(0, 3), kMagenta);  // across at mid-height - 1
  EXPECT_EQ(guided.GetPixel(7, 5), kMagenta);  // and + 1
  EXPECT_EQ(guided.GetPixel(3, 0), kMagenta);  // down at mid-width - 1
  EXPECT_EQ(guided.GetPixel(0, 4), 0xFF000000u);
}

TEST(ImageStripTest, CopiesAreDeep) {
  skin::ImageStrip strip;
  strip.Load(MakeStrip(12, {3, 7}));
  skin::ImageStrip copy = strip;
  strip.RemovePiece(1);
  EXPECT_EQ(copy.GetCount(), 3);
  EXPECT_EQ(FirstColumnOf(copy.GetPiece(1)), 0);
}

}  // namespace
