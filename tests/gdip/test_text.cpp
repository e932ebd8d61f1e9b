// Fonts, font families and collections, string formats, and text drawn,
// measured and split into character ranges on a surface.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "gdip/gdip_font.h"
#include "gdip/gdip_font_collection.h"
#include "gdip/gdip_font_family.h"
#include "gdip/gdip_region.h"
#include "gdip/gdip_string_format.h"
#include "gdip/wide_text.h"
#include "tests/gdip/canvas.h"
#include "tests/gdip/gdip_test_support.h"

namespace {

using gdip::GdipFont;
using gdip::GdipFontCollection;
using gdip::GdipFontFamily;
using gdip::GdipRegion;
using gdip::GdipSolidBrush;
using gdip::GdipStringFormat;
using gdip::RectF;
using gdip_test::BitmapCanvas;
using gdip_test::FlatCalls;
using gdip_test::LiveNatives;

// Mapped to the CJK font in the test prefix.
const rt::Text kSongTi = "宋体";
const rt::Text kMissingFace = "Quillora No Such Face";

// ---------------------------------------------------------------------------
// Fonts

TEST(GdipFont, FromInstalledNameIsRegularWorldFontOfThatSize) {
  GdipFont font;
  ASSERT_TRUE(font.CreateFromName(kSongTi, 12));
  EXPECT_FLOAT_EQ(font.GetSize(), 12.0f);
  EXPECT_EQ(font.GetStyle(), gdip::FontStyle::Regular);
  EXPECT_EQ(font.GetUnit(), gdip::Unit::World);

  GdipFont bold;
  ASSERT_TRUE(bold.CreateFromName(kSongTi, 9, gdip::FontStyle::Bold, gdip::Unit::Pixel));
  EXPECT_EQ(bold.GetStyle(), gdip::FontStyle::Bold);
  EXPECT_EQ(bold.GetUnit(), gdip::Unit::Pixel);
}

TEST(GdipFont, MissingFamilyFailsAndLeavesTheFontEmpty) {
  GdipFont font;
  EXPECT_FALSE(font.CreateFromName(kMissingFace, 12));
  EXPECT_TRUE(font.IsEmpty());
  EXPECT_NE(gdip::LastStatus, Gdiplus::Ok);
  EXPECT_EQ(font.GetSize(), 0.0f);

  GdipFontFamily family;
  EXPECT_FALSE(family.CreateFromName(kMissingFace, GdipFontCollection()));
  EXPECT_TRUE(family.IsEmpty());
  EXPECT_EQ(family.GetName(), "");
}

TEST(GdipFont, EmSizeNotAboveZeroIsRefusedBeforeAnyCall) {
  GdipFontFamily family;
  ASSERT_TRUE(family.CreateFromName(kSongTi, GdipFontCollection()));
  const rt::ByteArray wideName = gdip::ToWideBytes(kSongTi);
  for (const float size : {0.0f, -3.0f, std::numeric_limits<float>::quiet_NaN()}) {
    SCOPED_TRACE(size);
    GdipFont font;
    gdip::LastStatus = Gdiplus::Ok;
    FlatCalls calls;
    EXPECT_FALSE(font.CreateFromName(kSongTi, size));
    EXPECT_FALSE(font.CreateFromNameW(wideName, size));
    EXPECT_FALSE(font.Create(family, size));
    EXPECT_EQ(calls.made(), 0u);
    EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
    EXPECT_TRUE(font.IsEmpty());
  }
}

TEST(GdipFont, FamilyNameRoundTripsThroughCreateFromName) {
  GdipFont font;
  ASSERT_TRUE(font.CreateFromName(kSongTi, 12));
  GdipFontFamily family;
  ASSERT_TRUE(font.GetFamily(family));
  const rt::Text name = family.GetName();
  ASSERT_FALSE(name.empty());

  GdipFont again;
  EXPECT_TRUE(again.CreateFromName(name, 10));
  GdipFontFamily sameFamily;
  ASSERT_TRUE(again.GetFamily(sameFamily));
  EXPECT_EQ(sameFamily.GetName(), name);
  // The UTF-16 name is the same name, zero-padded to 32 units.
  const rt::ByteArray wide = sameFamily.GetNameW();
  ASSERT_EQ(wide.size(), 64u);
  EXPECT_EQ(gdip::FromWideBytes(reinterpret_cast<const WCHAR*>(wide.data())), name);
}

TEST(GdipFont, FromWindowFontHandleOrFromTheDc) {
  gdip_test::DibCanvas canvas(8, 8);
  ASSERT_TRUE(canvas.ok());
  HFONT windowFont = CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0,
                                 kSongTi.c_str());
  ASSERT_NE(windowFont, nullptr);

  GdipFont fromHandle;
  EXPECT_TRUE(fromHandle.CreateFromHfont(canvas.dc(), windowFont));
  EXPECT_NEAR(fromHandle.GetSize(), 20.0f, 1.0f);
  EXPECT_EQ(gdip::ToInt(fromHandle.GetStyle()) & 1, 1);  // bold

  // No handle, or a handle that is no font: the DC's own font.
  HGDIOBJ previous = SelectObject(canvas.dc(), windowFont);
  GdipFont fromDc;
  EXPECT_TRUE(fromDc.CreateFromHfont(canvas.dc(), nullptr));
  EXPECT_NEAR(fromDc.GetSize(), 20.0f, 1.0f);
  GdipFont fromBrushHandle;
  EXPECT_TRUE(fromBrushHandle.CreateFromHfont(canvas.dc(), static_cast<HFONT>(GetStockObject(WHITE_BRUSH))));
  EXPECT_NEAR(fromBrushHandle.GetSize(), 20.0f, 1.0f);
  SelectObject(canvas.dc(), previous);
  DeleteObject(windowFont);
}

TEST(GdipFont, DefaultGuiFontAndLogFont) {
  GdipFont font;
  ASSERT_TRUE(font.CreateDefaultGui());
  EXPECT_GT(font.GetSize(), 0.0f);

  BitmapCanvas canvas(8, 8);
  rt::ByteArray shortBuffer(sizeof(LOGFONTA) - 1, 0);
  FlatCalls calls;
  EXPECT_FALSE(font.GetLogFontA(canvas.graphics, shortBuffer));
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);

  rt::ByteArray logfont(sizeof(LOGFONTA), 0);
  ASSERT_TRUE(font.GetLogFontA(canvas.graphics, logfont));
  EXPECT_NE(reinterpret_cast<const LOGFONTA*>(logfont.data())->lfHeight, 0);
}

TEST(GdipFont, CloneIsIndependentOfItsSource) {
  auto source = std::make_unique<GdipFont>();
  ASSERT_TRUE(source->CreateFromName(kSongTi, 14));
  GdipFont copy;
  ASSERT_TRUE(source->CloneInto(copy));
  EXPECT_NE(copy.GetHandle(), source->GetHandle());
  source.reset();
  EXPECT_FLOAT_EQ(copy.GetSize(), 14.0f);
}

// ---------------------------------------------------------------------------
// Families and collections

TEST(GdipFontFamily, DestroyingAHeldFamilyReleasesItOnce) {
  auto family = std::make_unique<GdipFontFamily>();
  ASSERT_TRUE(family->CreateFromName(kSongTi, GdipFontCollection()));
  FlatCalls calls;
  family.reset();
  EXPECT_EQ(calls.made(), 1u);

  auto deleted = std::make_unique<GdipFontFamily>();
  ASSERT_TRUE(deleted->CreateFromName(kSongTi, GdipFontCollection()));
  FlatCalls afterDelete;
  EXPECT_TRUE(deleted->Delete());
  deleted.reset();
  EXPECT_EQ(afterDelete.made(), 1u);
}

TEST(GdipFontFamily, MetricsOfAnInstalledFamily) {
  GdipFontFamily family;
  ASSERT_TRUE(family.CreateGenericSansSerif());
  EXPECT_TRUE(family.IsStyleAvailable(gdip::FontStyle::Regular));
  EXPECT_GT(family.GetEmHeight(gdip::FontStyle::Regular), 0);
  EXPECT_GT(family.GetCellAscent(gdip::FontStyle::Regular), 0);
  EXPECT_GT(family.GetLineSpacing(gdip::FontStyle::Regular), 0);

  GdipFontFamily empty;
  EXPECT_EQ(empty.GetEmHeight(gdip::FontStyle::Regular), 0);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  EXPECT_FALSE(empty.IsStyleAvailable(gdip::FontStyle::Regular));
}

TEST(GdipFontCollection, GetFamiliesRefusesACountBelowOne) {
  GdipFontCollection collection;
  std::vector<GdipFontFamily> families(1);
  ASSERT_TRUE(families[0].CreateFromName(kSongTi, GdipFontCollection()));
  void* kept = families[0].GetHandle();
  FlatCalls calls;
  EXPECT_EQ(collection.GetFamilies(0, families), 0);
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  ASSERT_EQ(families.size(), 1u);
  EXPECT_EQ(families[0].GetHandle(), kept);
}

TEST(GdipFontCollection, ListedFamiliesOutliveTheirRelease) {
  GdipFontCollection installed;
  Gdiplus::GpFontCollection* native = nullptr;
  ASSERT_EQ(gdip::flat::GdipNewInstalledFontCollection(&native), Gdiplus::Ok);
  installed.SetHandle(native);
  const int count = installed.GetFamilyCount();
  ASSERT_GT(count, 0);

  // Each listed family is the element's own: releasing them leaves the
  // collection's families intact for the next listing.
  for (int round = 0; round < 2; ++round) {
    std::vector<GdipFontFamily> families;
    EXPECT_EQ(installed.GetFamilies(count, families), count);
    ASSERT_EQ(families.size(), static_cast<size_t>(count));
    EXPECT_FALSE(families[0].GetName().empty());
  }

  // Asking for more than there are leaves the extra elements empty.
  std::vector<GdipFontFamily> more;
  EXPECT_EQ(installed.GetFamilies(count + 2, more), count);
  ASSERT_EQ(more.size(), static_cast<size_t>(count + 2));
  EXPECT_TRUE(more.back().IsEmpty());
  // The installed collection is GDI+'s: releasing the wrapper keeps it.
  installed.SetHandle(nullptr);
  Gdiplus::GpFontCollection* again = nullptr;
  ASSERT_EQ(gdip::flat::GdipNewInstalledFontCollection(&again), Gdiplus::Ok);
  INT stillThere = 0;
  EXPECT_EQ(gdip::flat::GdipGetFontCollectionFamilyCount(again, &stillThere), Gdiplus::Ok);
  EXPECT_EQ(stillThere, count);
}

// ---------------------------------------------------------------------------
// String formats

TEST(GdipStringFormat, CreateWithNothingGivenHasNoFlagsAndNeutralLanguage) {
  GdipStringFormat format;
  ASSERT_TRUE(format.Create());
  EXPECT_EQ(format.GetFlags(), gdip::StringFormatFlags::None);
  int substitute = -1, language = -1;
  EXPECT_TRUE(format.GetDigitSubstitution(substitute, language));
  EXPECT_EQ(language, 0);
}

TEST(GdipStringFormat, SettersReadBack) {
  GdipStringFormat format;
  ASSERT_TRUE(format.Create(gdip::StringFormatFlags::NoWrap));
  EXPECT_EQ(format.GetFlags(), gdip::StringFormatFlags::NoWrap);

  // Each setting is set and read back; the setters take different types.
  const auto readBack = [&](const char* name, auto set, auto get, auto value) {
    SCOPED_TRACE(name);
    EXPECT_TRUE((format.*set)(value));
    EXPECT_EQ((format.*get)(), value);
  };
  readBack("flags", &GdipStringFormat::SetFlags, &GdipStringFormat::GetFlags,
           gdip::StringFormatFlags::LineLimit | gdip::StringFormatFlags::MeasureTrailingSpaces);
  readBack("align", &GdipStringFormat::SetAlign, &GdipStringFormat::GetAlign, gdip::StringAlignment::Center);
  readBack("line align", &GdipStringFormat::SetLineAlign, &GdipStringFormat::GetLineAlign,
           gdip::StringAlignment::Far);
  readBack("trimming", &GdipStringFormat::SetTrimming, &GdipStringFormat::GetTrimming,
           gdip::StringTrimming::EllipsisCharacter);
  readBack("hot-key prefix", &GdipStringFormat::SetHotkeyPrefix, &GdipStringFormat::GetHotkeyPrefix,
           gdip::HotkeyPrefix::Show);

  const float stops[] = {10, 20, 30};
  EXPECT_TRUE(format.SetTabStops(5, stops));
  float first = 0;
  std::vector<float> read{99};
  EXPECT_EQ(format.GetTabStops(first, read), 3);
  EXPECT_FLOAT_EQ(first, 5);
  EXPECT_EQ(read, std::vector<float>(std::begin(stops), std::end(stops)));

  const gdip::CharacterRange ranges[] = {{0, 1}, {2, 3}};
  EXPECT_TRUE(format.SetMeasurableCharacterRanges(ranges));
  EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 2);
}

TEST(GdipStringFormat, GenericFormatIsTheObjectsOwnCopy) {
  GdipStringFormat changed;
  ASSERT_TRUE(changed.CreateGenericTypographic());
  const gdip::StringFormatFlags genericFlags = changed.GetFlags();
  EXPECT_TRUE(changed.SetFlags(genericFlags | gdip::StringFormatFlags::NoWrap));

  GdipStringFormat fresh;
  ASSERT_TRUE(fresh.CreateGenericTypographic());
  EXPECT_EQ(fresh.GetFlags(), genericFlags);
  EXPECT_NE(fresh.GetHandle(), changed.GetHandle());
  EXPECT_TRUE(changed.Delete());
  EXPECT_TRUE(fresh.Delete());

  GdipStringFormat plain;
  EXPECT_TRUE(plain.CreateGenericDefault());
}

TEST(GdipStringFormat, TabStopsOfAnEmptyFormatLeaveTheArray) {
  GdipStringFormat empty;
  float first = 7;
  std::vector<float> stops{1, 2};
  EXPECT_EQ(empty.GetTabStops(first, stops), 0);
  EXPECT_EQ(stops, (std::vector<float>{1, 2}));
  EXPECT_FLOAT_EQ(first, 7);
}

// ---------------------------------------------------------------------------
// Text on a surface

class TextOnSurface : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(canvas_.ok());
    ASSERT_TRUE(font_.CreateFromName(kSongTi, 16, {}, gdip::Unit::Pixel));
    ASSERT_TRUE(black_.Create(0xFF000000));
  }

  int InkedPixels(int x0, int y0, int x1, int y1) {
    int inked = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) inked += canvas_.Pixel(x, y) != gdip_test::kWhite;
    return inked;
  }

  BitmapCanvas canvas_{200, 40};
  GdipFont font_;
  GdipSolidBrush black_;
  GdipStringFormat defaultFormat_;  // never created: GDI+'s default format
};

TEST_F(TextOnSurface, MeasureWithZeroLayoutGrowsWithTheText) {
  const RectF zero{};
  RectF shortBox{}, longBox{};
  ASSERT_TRUE(canvas_.graphics.MeasureString("安装", font_, zero, defaultFormat_, shortBox));
  ASSERT_TRUE(canvas_.graphics.MeasureString("安装程序正在运行", font_, zero, defaultFormat_, longBox));
  EXPECT_GT(shortBox.width, 0.0f);
  EXPECT_GT(shortBox.height, 0.0f);
  EXPECT_GT(longBox.width, shortBox.width * 2);

  // The UTF-16 form measures the same text the same way.
  RectF wideBox{};
  ASSERT_TRUE(canvas_.graphics.MeasureStringW(gdip::ToWideBytes("安装"), font_, zero, defaultFormat_, wideBox));
  EXPECT_EQ(wideBox, shortBox);
}

TEST_F(TextOnSurface, MeasureFailsWithAnEmptyFontOrAnUnterminatedText) {
  RectF box{1, 2, 3, 4};
  EXPECT_FALSE(canvas_.graphics.MeasureString("abc", GdipFont(), RectF{}, defaultFormat_, box));
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);

  FlatCalls calls;
  EXPECT_FALSE(canvas_.graphics.MeasureStringW(rt::ByteArray{'a', 0}, font_, RectF{}, defaultFormat_, box));
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
}

TEST_F(TextOnSurface, DrawStringInksInsideItsBoxOnly) {
  GdipStringFormat format;
  ASSERT_TRUE(format.Create(gdip::StringFormatFlags::NoWrap));
  ASSERT_TRUE(canvas_.graphics.DrawString("安装", font_, black_, RectF{10, 5, 60, 30}, format));
  EXPECT_GT(InkedPixels(10, 5, 70, 35), 10);
  EXPECT_EQ(InkedPixels(100, 0, 200, 40), 0);
}

TEST_F(TextOnSurface, DrawStringWithAnEmptyFontDrawsNothing) {
  EXPECT_FALSE(canvas_.graphics.DrawString("安装", GdipFont(), black_, RectF{0, 0, 200, 40}, defaultFormat_));
  EXPECT_EQ(InkedPixels(0, 0, 200, 40), 0);
}

TEST_F(TextOnSurface, MeasureCharacterRangesGivesOneRegionPerRange) {
  GdipStringFormat format;
  ASSERT_TRUE(format.Create());
  const gdip::CharacterRange ranges[] = {{0, 1}, {1, 1}};
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(ranges));

  std::vector<GdipRegion> regions(5);
  ASSERT_TRUE(canvas_.graphics.MeasureCharacterRanges("AB", font_, RectF{0, 0, 200, 40}, format, 2, regions));
  ASSERT_EQ(regions.size(), 2u);
  const RectF first = regions[0].GetBounds(canvas_.graphics);
  const RectF second = regions[1].GetBounds(canvas_.graphics);
  EXPECT_GT(first.width, 0.0f);
  EXPECT_GT(second.x, first.x);
}

TEST_F(TextOnSurface, MeasureCharacterRangesFailuresLeaveTheArray) {
  GdipStringFormat format;
  ASSERT_TRUE(format.Create());
  const gdip::CharacterRange ranges[] = {{0, 1}, {1, 1}};
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(ranges));
  std::vector<GdipRegion> regions(1);
  ASSERT_TRUE(regions[0].Create());
  void* kept = regions[0].GetHandle();

  FlatCalls noCall;
  EXPECT_FALSE(canvas_.graphics.MeasureCharacterRanges("AB", font_, RectF{0, 0, 200, 40}, format, 0, regions));
  EXPECT_EQ(noCall.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);

  // With no font GDI+ refuses the measure: both regions made for it are
  // released again.
  LiveNatives live;
  EXPECT_FALSE(canvas_.graphics.MeasureCharacterRanges("AB", GdipFont(), RectF{0, 0, 200, 40}, format, 2, regions));
  EXPECT_EQ(live.added(), 0);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  ASSERT_EQ(regions.size(), 1u);
  EXPECT_EQ(regions[0].GetHandle(), kept);
}

}  // namespace
