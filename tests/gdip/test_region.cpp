// Regions: containment, combinations, bounds, scans, region data and GDI
// regions.
#include <gtest/gtest.h>

#include <vector>

#include "gdip/gdip_matrix.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_region.h"
#include "tests/gdip/canvas.h"
#include "tests/gdip/gdip_test_support.h"

namespace {

using gdip::GdipMatrix;
using gdip::GdipPath;
using gdip::GdipRegion;
using gdip::PointF;
using gdip::PointI;
using gdip::RectF;
using gdip::RectI;
using gdip_test::FlatCalls;

class RegionTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(canvas_.ok()); }
  const gdip::GdipGraphics& graphics() { return canvas_.graphics; }

  GdipRegion Rect(const RectF& r) {
    GdipRegion region;
    region.CreateFromRect(r);
    return region;
  }

  gdip_test::BitmapCanvas canvas_{8, 8};
};

TEST_F(RegionTest, ContainmentOfPointsAndRectangles) {
  GdipRegion region = Rect({10, 10, 20, 20});
  EXPECT_TRUE(region.IsVisiblePoint(PointF{15, 15}, graphics()));
  EXPECT_FALSE(region.IsVisiblePoint(PointF{5, 15}, graphics()));
  EXPECT_TRUE(region.IsVisiblePointI(PointI{29, 29}, graphics()));
  EXPECT_FALSE(region.IsVisiblePointI(PointI{31, 29}, graphics()));
  EXPECT_TRUE(region.IsVisibleRect(RectF{0, 0, 12, 12}, graphics()));  // overlaps
  EXPECT_FALSE(region.IsVisibleRectI(RectI{40, 40, 5, 5}, graphics()));
  EXPECT_EQ(region.GetBounds(graphics()), (RectF{10, 10, 20, 20}));
  EXPECT_EQ(region.GetBoundsI(graphics()), (RectI{10, 10, 20, 20}));
}

class RegionCombine : public RegionTest, public ::testing::WithParamInterface<gdip_test::CombineCase> {};

TEST_P(RegionCombine, RectAndPathCombineTheSameWay) {
  const gdip_test::CombineCase& c = GetParam();
  GdipRegion byRect = Rect(gdip_test::kSquareA);
  ASSERT_TRUE(byRect.CombineRect(gdip_test::kSquareB, c.mode));

  GdipPath b;
  ASSERT_TRUE(b.Create());
  ASSERT_TRUE(b.AddRectangle(20, 20, 40, 40));
  GdipRegion byPath = Rect(gdip_test::kSquareA);
  ASSERT_TRUE(byPath.CombinePath(b, c.mode));

  for (GdipRegion* region : {&byRect, &byPath}) {
    EXPECT_EQ(region->IsVisiblePointI(gdip_test::kProbeAOnly, graphics()), c.inAOnly);
    EXPECT_EQ(region->IsVisiblePointI(gdip_test::kProbeBoth, graphics()), c.inBoth);
    EXPECT_EQ(region->IsVisiblePointI(gdip_test::kProbeBOnly, graphics()), c.inBOnly);
    EXPECT_EQ(region->IsVisiblePointI(gdip_test::kProbeNeither, graphics()), c.inNeither);
  }
  EXPECT_TRUE(byRect.IsEqual(byPath, graphics()));
}

INSTANTIATE_TEST_SUITE_P(EveryMode, RegionCombine, ::testing::ValuesIn(gdip_test::kCombineCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegionTest, OmittedCombineModeIntersects) {
  GdipRegion region = Rect({0, 0, 40, 40});
  ASSERT_TRUE(region.CombineRectI(RectI{20, 20, 40, 40}));
  EXPECT_EQ(region.GetBounds(graphics()), (RectF{20, 20, 20, 20}));

  GdipRegion other = Rect({30, 0, 10, 10});
  GdipRegion united = Rect({0, 0, 10, 10});
  ASSERT_TRUE(united.CombineRegion(other, gdip::CombineMode::Union));
  EXPECT_EQ(united.GetBounds(graphics()), (RectF{0, 0, 40, 10}));
  ASSERT_TRUE(united.CombineRegion(other));
  EXPECT_EQ(united.GetBounds(graphics()), (RectF{30, 0, 10, 10}));
}

TEST_F(RegionTest, InfiniteAndEmpty) {
  GdipRegion region;
  ASSERT_TRUE(region.Create());
  EXPECT_TRUE(region.IsInfinite(graphics()));
  EXPECT_FALSE(region.IsEmpty(graphics()));
  ASSERT_TRUE(region.SetEmpty());
  EXPECT_TRUE(region.IsEmpty(graphics()));
  ASSERT_TRUE(region.SetInfinite());
  EXPECT_TRUE(region.IsInfinite(graphics()));
}

TEST_F(RegionTest, ScansWithoutAMatrixUseTheIdentity) {
  GdipRegion region = Rect({0, 0, 10, 10});
  ASSERT_TRUE(region.CombineRect(RectF{20, 0, 10, 10}, gdip::CombineMode::Union));
  const GdipMatrix none;

  EXPECT_EQ(region.GetScansCount(none), 2);
  std::vector<RectF> scans{RectF{}, RectF{}, RectF{}};
  ASSERT_EQ(region.GetScans(none, scans), 2);
  ASSERT_EQ(scans.size(), 2u);
  EXPECT_EQ(scans[0], (RectF{0, 0, 10, 10}));
  EXPECT_EQ(scans[1], (RectF{20, 0, 10, 10}));
  std::vector<RectI> scansI;
  ASSERT_EQ(region.GetScansI(none, scansI), 2);
  ASSERT_EQ(scansI.size(), 2u);
  EXPECT_EQ(scansI[1], (RectI{20, 0, 10, 10}));

  // A given matrix transforms the scans; touching boxes make one.
  GdipRegion joined = Rect({0, 0, 10, 10});
  ASSERT_TRUE(joined.CombineRect(RectF{10, 0, 10, 10}, gdip::CombineMode::Union));
  GdipMatrix shift;
  ASSERT_TRUE(shift.Create());
  ASSERT_TRUE(shift.Translate(100, 0));
  ASSERT_EQ(joined.GetScans(shift, scans), 1);
  ASSERT_EQ(scans.size(), 1u);
  EXPECT_EQ(scans[0], (RectF{100, 0, 20, 10}));
}

TEST_F(RegionTest, ScansOfEmptyRegionsAndEmptyObjects) {
  GdipRegion empty = Rect({0, 0, 10, 10});
  ASSERT_TRUE(empty.SetEmpty());
  std::vector<RectF> scans{RectF{1, 2, 3, 4}};
  EXPECT_EQ(empty.GetScans(GdipMatrix(), scans), 0);
  EXPECT_TRUE(scans.empty());

  // No region at all: the count cannot be read and the array stays.
  GdipRegion none;
  std::vector<RectF> kept{RectF{1, 2, 3, 4}};
  EXPECT_EQ(none.GetScans(GdipMatrix(), kept), 0);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0], (RectF{1, 2, 3, 4}));
}

TEST_F(RegionTest, RegionDataRoundTrips) {
  GdipRegion region = Rect({5, 5, 10, 10});
  ASSERT_TRUE(region.CombineRect(RectF{12, 12, 10, 10}, gdip::CombineMode::Union));
  const UINT size = region.GetDataSize();
  ASSERT_GT(size, 0u);
  UINT written = 0;
  const rt::ByteArray data = region.GetData(size, &written);
  EXPECT_EQ(written, size);

  GdipRegion copy;
  ASSERT_TRUE(copy.CreateFromRgnData(data, static_cast<INT>(data.size())));
  EXPECT_TRUE(copy.IsEqual(region, graphics()));

  // GDI+ would read past the array: refused before any call.
  GdipRegion refused;
  FlatCalls calls;
  EXPECT_FALSE(refused.CreateFromRgnData(data, static_cast<INT>(data.size()) + 1));
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  EXPECT_TRUE(refused.IsEmpty());
}

TEST_F(RegionTest, GdiRegionsBothWays) {
  HRGN source = CreateRectRgn(2, 3, 12, 13);
  GdipRegion region;
  ASSERT_TRUE(region.CreateFromHrgn(source));
  DeleteObject(source);  // the region keeps its own copy
  EXPECT_EQ(region.GetBoundsI(graphics()), (RectI{2, 3, 10, 10}));

  HRGN back = region.GetHrgn(graphics());
  ASSERT_NE(back, nullptr);
  RECT box{};
  GetRgnBox(back, &box);
  EXPECT_EQ(box.left, 2);
  EXPECT_EQ(box.bottom, 13);
  DeleteObject(back);
}

TEST_F(RegionTest, TranslateTransformAndCloneAreIndependent) {
  GdipRegion region = Rect({0, 0, 10, 10});
  GdipRegion clone;
  ASSERT_TRUE(region.CloneInto(clone));
  ASSERT_TRUE(region.Translate(5, 0));
  ASSERT_TRUE(region.TranslateI(0, 5));
  EXPECT_EQ(region.GetBounds(graphics()), (RectF{5, 5, 10, 10}));
  EXPECT_EQ(clone.GetBounds(graphics()), (RectF{0, 0, 10, 10}));

  GdipMatrix shift;
  ASSERT_TRUE(shift.Create());
  ASSERT_TRUE(shift.Translate(0, 20));
  ASSERT_TRUE(clone.Transform(shift));
  EXPECT_EQ(clone.GetBounds(graphics()), (RectF{0, 20, 10, 10}));
}

TEST_F(RegionTest, DeleteReleasesOnceAndEmptyRegionsFailQuietly) {
  GdipRegion region = Rect({0, 0, 1, 1});
  EXPECT_TRUE(region.Delete());
  FlatCalls calls;
  EXPECT_FALSE(region.Delete());
  EXPECT_EQ(calls.made(), 0u);

  EXPECT_FALSE(region.CombineRect(RectF{0, 0, 1, 1}));
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  EXPECT_EQ(region.GetBounds(graphics()), RectF{});
  EXPECT_FALSE(region.IsEmpty(graphics()));
}

}  // namespace
