// The object model every wrapper shares: ownership, moves, releases,
// LastStatus, start-up and the text conversions.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "gdip/gdip_path.h"
#include "gdip/gdiplus_startup.h"
#include "gdip/wide_text.h"
#include "tests/gdip/gdip_test_support.h"

namespace {

using gdip::GdipPath;
using gdip_test::FlatCalls;
using gdip_test::LiveNatives;

TEST(GdipObject, EmptyDeleteMakesNoCallAndKeepsLastStatus) {
  GdipPath path;
  gdip::LastStatus = Gdiplus::OutOfMemory;
  FlatCalls calls;
  EXPECT_FALSE(path.Delete());
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::OutOfMemory);
}

TEST(GdipObject, DeleteReleasesOnceThenReportsEmpty) {
  LiveNatives live;
  GdipPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_FALSE(path.IsEmpty());
  EXPECT_EQ(live.added(), 1);
  EXPECT_TRUE(path.Delete());
  EXPECT_TRUE(path.IsEmpty());
  EXPECT_EQ(path.GetHandle(), nullptr);
  EXPECT_EQ(live.added(), 0);
  FlatCalls calls;
  EXPECT_FALSE(path.Delete());
  EXPECT_EQ(calls.made(), 0u);
  EXPECT_EQ(live.added(), 0);
}

TEST(GdipObject, LastStatusFollowsEveryCall) {
  GdipPath path;
  EXPECT_FALSE(path.AddLine(0, 0, 1, 1));  // no native path yet
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  ASSERT_TRUE(path.Create());
  EXPECT_TRUE(path.AddLine(0, 0, 1, 1));
  EXPECT_EQ(gdip::LastStatus, Gdiplus::Ok);
}

TEST(GdipObject, MoveHandsOverOwnershipWithoutReleasing) {
  LiveNatives live;
  {
    GdipPath source;
    ASSERT_TRUE(source.Create());
    void* native = source.GetHandle();
    GdipPath moved(std::move(source));
    EXPECT_EQ(moved.GetHandle(), native);
    EXPECT_TRUE(source.IsEmpty());
    { GdipPath gone(std::move(source)); }  // an empty wrapper releases nothing
    EXPECT_EQ(live.added(), 1);
    EXPECT_TRUE(moved.AddLine(0, 0, 5, 5));
  }
  EXPECT_EQ(live.added(), 0);
}

TEST(GdipObject, MoveAssignmentReleasesTheOldObjectOnce) {
  LiveNatives live;
  {
    GdipPath target, source;
    ASSERT_TRUE(target.Create());
    ASSERT_TRUE(source.Create());
    void* incoming = source.GetHandle();
    target = std::move(source);
    EXPECT_EQ(live.added(), 1);  // the target's old path is gone
    EXPECT_EQ(target.GetHandle(), incoming);
    EXPECT_TRUE(source.IsEmpty());
    EXPECT_TRUE(target.AddLine(0, 0, 5, 5));
  }
  EXPECT_EQ(live.added(), 0);
}

TEST(GdipObject, SetHandleTakesOwnershipAndReleasesThePrevious) {
  LiveNatives live;
  {
    GdipPath holder, donor;
    ASSERT_TRUE(holder.Create());
    ASSERT_TRUE(donor.Create());
    ASSERT_TRUE(donor.AddLine(0, 0, 3, 4));
    Gdiplus::GpPath* fresh = nullptr;
    ASSERT_EQ(gdip::flat::GdipClonePath(gdip::NativeOf<Gdiplus::GpPath>(donor), &fresh), Gdiplus::Ok);

    holder.SetHandle(fresh);
    EXPECT_EQ(live.added(), 2);  // the holder's previous path was released
    EXPECT_EQ(holder.GetHandle(), fresh);
    EXPECT_EQ(holder.GetPointCount(), 2);  // the holder's own calls use the new path
    holder.SetHandle(fresh);               // the same object again changes nothing
    EXPECT_EQ(live.added(), 2);
    EXPECT_EQ(holder.GetPointCount(), 2);
  }
  EXPECT_EQ(live.added(), 0);  // the adopted path went with the holder
}

TEST(GdipObject, CreatingIntoAHeldObjectReleasesTheOldFirst) {
  LiveNatives live;
  {
    GdipPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.Create(gdip::FillMode::Winding));
    EXPECT_EQ(live.added(), 1);
    EXPECT_EQ(gdip::LastStatus, Gdiplus::Ok);
    EXPECT_EQ(path.GetFillMode(), gdip::FillMode::Winding);
  }
  EXPECT_EQ(live.added(), 0);
}

TEST(GdipObject, DestructionReleasesAHeldObject) {
  LiveNatives live;
  {
    GdipPath path;
    ASSERT_TRUE(path.Create());
    EXPECT_EQ(live.added(), 1);
  }
  EXPECT_EQ(live.added(), 0);
}

TEST(GdipObject, AllocGivesGdiplusMemory) {
  gdip::GdipMemory block = gdip::GdipObject::Alloc(64);
  ASSERT_NE(block, nullptr);
  gdip::GdipObject::Free(std::move(block));
  EXPECT_EQ(block, nullptr);
}

TEST(NativeArray, RecordsTravelAsOneContiguousBufferAndComeBack) {
  std::vector<gdip::PointF> points = {{1, 2}, {3, 4}, {5, 6}};
  gdip::NativeArray<gdip::PointF> buffer{std::span<const gdip::PointF>(points)};
  ASSERT_EQ(buffer.count(), 3);
  Gdiplus::PointF* first = buffer.data();
  EXPECT_EQ(reinterpret_cast<char*>(first + 2) - reinterpret_cast<char*>(first), 16);
  EXPECT_EQ(first[2].X, 5);
  first[1].Y = 40;  // as a filling flat call would
  buffer.CopyBack(points);
  EXPECT_EQ(points[1], (gdip::PointF{3, 40}));

  gdip::NativeArray<gdip::PointF> none{std::span<const gdip::PointF>()};
  EXPECT_EQ(none.data(), nullptr);
  EXPECT_EQ(none.count(), 0);
}

TEST(GdiplusStartup, GivenTokenShutsDownThatOneAndLeavesTheStoredToken) {
  const ULONG_PTR running = gdip::GdiplusToken;
  const ULONG_PTR second = gdip::StartGdiplus();
  EXPECT_NE(second, 0u);
  EXPECT_EQ(gdip::GdiplusToken, second);
  gdip::ShutdownGdiplus(second);
  EXPECT_EQ(gdip::GdiplusToken, second);
  gdip::GdiplusToken = running;
}

TEST(GdiplusStartup, ShutdownWithoutTokenUsesAndClearsTheStoredOne) {
  const ULONG_PTR running = gdip::GdiplusToken;
  gdip::GdiplusToken = gdip::StartGdiplus();
  gdip::ShutdownGdiplus();
  EXPECT_EQ(gdip::GdiplusToken, 0u);

  gdip::ShutdownGdiplus();  // nothing stored: no call, GDI+ keeps running
  EXPECT_EQ(gdip::GdiplusToken, 0u);
  GdipPath path;
  EXPECT_TRUE(path.Create());
  gdip::GdiplusToken = running;
}

TEST(WideText, ToWideBytesGivesUtf16WithTerminator) {
  EXPECT_EQ(gdip::ToWideBytes("AB"), (rt::ByteArray{0x41, 0x00, 0x42, 0x00, 0x00, 0x00}));
  EXPECT_TRUE(gdip::ToWideBytes("").empty());
}

TEST(WideText, ChineseTextRoundTripsThroughUtf16) {
  if (GetACP() != 936) GTEST_SKIP() << "the ANSI code page is not 936";
  const rt::Text text = "安装";
  const rt::ByteArray wide = gdip::ToWideBytes(text);
  EXPECT_EQ(wide, (rt::ByteArray{0x89, 0x5B, 0xC5, 0x88, 0x00, 0x00}));
  EXPECT_EQ(gdip::FromWideBytes(reinterpret_cast<const WCHAR*>(wide.data())), text);
}

TEST(WideText, FromWideBytesOfEmptyOrNullIsEmpty) {
  const WCHAR terminator[] = {0};
  EXPECT_EQ(gdip::FromWideBytes(terminator), "");
  EXPECT_EQ(gdip::FromWideBytes(nullptr), "");
  const WCHAR ab[] = {L'A', L'B', 0};
  EXPECT_EQ(gdip::FromWideBytes(ab), "AB");
}

TEST(WideText, WideArgumentsNeedTheirTerminator) {
  const gdip::WideArg empty = gdip::WideArg::Ansi("");
  EXPECT_TRUE(empty.valid());
  EXPECT_EQ(empty.text(), nullptr);  // an absent string of length 0
  EXPECT_EQ(empty.length(), 0);

  const gdip::WideArg ab = gdip::WideArg::Utf16({0x41, 0x00, 0x42, 0x00, 0x00, 0x00});
  EXPECT_TRUE(ab.valid());
  EXPECT_EQ(ab.length(), 2);

  EXPECT_FALSE(gdip::WideArg::Utf16({0x41, 0x00, 0x42, 0x00}).valid());
  EXPECT_FALSE(gdip::WideArg::Utf16({0x41}).valid());
}

}  // namespace
