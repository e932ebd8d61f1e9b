#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "skin/core/dc_cache.h"
#include "skin/core/skin_window_table.h"
#include "tests/support/gdi_object_count.h"

namespace {

using quillora_test::GdiObjectCount;

bool IsLive(HGDIOBJ object) { return GetObjectType(object) != 0; }

HBITMAP SelectedBitmap(HDC dc) { return static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP)); }

// Writes one 32-bit pixel straight into the DIB behind a memory DC
// (row 0 is the top row; the DIB is bottom-up).
void PutPixel(HDC dc, int x, int y, DWORD value) {
  DIBSECTION dib{};
  ASSERT_EQ(GetObjectA(SelectedBitmap(dc), sizeof dib, &dib), static_cast<int>(sizeof dib));
  auto* bits = static_cast<DWORD*>(dib.dsBm.bmBits);
  bits[(dib.dsBm.bmHeight - 1 - y) * dib.dsBm.bmWidth + x] = value;
}

DWORD PixelOf(HBITMAP bitmap, int x, int y) {
  DIBSECTION dib{};
  EXPECT_EQ(GetObjectA(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
  const auto* bits = static_cast<const DWORD*>(dib.dsBm.bmBits);
  return bits[(dib.dsBm.bmHeight - 1 - y) * dib.dsBm.bmWidth + x];
}

class DcCacheTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(skin::DcCache.empty()); }
  void TearDown() override {
    while (!skin::DcCache.empty()) skin::ReleaseCachedDc(skin::DcCache.back().memoryDc());
  }
};

TEST_F(DcCacheTest, CreateDib32MakesABottomUp32BitSection) {
  rt::UniqueBitmap dib = skin::CreateDib32(13, 7);
  DIBSECTION info{};
  ASSERT_EQ(GetObjectA(dib.get(), sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.dsBmih.biWidth, 13);
  EXPECT_EQ(info.dsBmih.biHeight, 7);
  EXPECT_EQ(info.dsBmih.biBitCount, 32);
  EXPECT_EQ(info.dsBmih.biCompression, static_cast<DWORD>(BI_RGB));
  EXPECT_NE(info.dsBm.bmBits, nullptr);
}

TEST_F(DcCacheTest, CreateDibDcRegistersADcWithTheDibSelected) {
  const skin::CachedDc owner = skin::CreateDibDc({10, 20, 110, 44});
  HDC dc = owner.get();
  ASSERT_EQ(skin::DcCache.size(), 1u);
  const skin::DcCacheEntry& entry = skin::DcCache.front();
  EXPECT_EQ(entry.memoryDc(), dc);
  EXPECT_EQ(SelectedBitmap(dc), entry.dib());
  BITMAP size{};
  GetObjectA(entry.dib(), sizeof size, &size);
  EXPECT_EQ(size.bmWidth, 100);
  EXPECT_EQ(size.bmHeight, 24);
}

TEST_F(DcCacheTest, ReleaseFreesTheDcAndTheDibOnceAndKeepsTheDisplacedObject) {
  const skin::CachedDc owner = skin::CreateDibDc({0, 0, 8, 8});
  HDC dc = owner.get();  // released below by handle, as code that holds only the handle does
  const HBITMAP dib = skin::DcCache.front().dib();
  const HGDIOBJ displaced = skin::DcCache.front().previous();
  ASSERT_TRUE(IsLive(displaced));

  EXPECT_TRUE(skin::ReleaseCachedDc(dc));
  EXPECT_TRUE(skin::DcCache.empty());
  EXPECT_FALSE(IsLive(dc));
  EXPECT_FALSE(IsLive(dib));
  EXPECT_TRUE(IsLive(displaced)) << "the DC's own bitmap must survive its release";

  EXPECT_FALSE(skin::ReleaseCachedDc(dc)) << "a second release finds nothing";
  EXPECT_FALSE(skin::ReleaseCachedDc(nullptr));
}

TEST_F(DcCacheTest, ReleaseOfAnUnknownDcLeavesTheCacheAndTheDcAlone) {
  const skin::CachedDc registered = skin::CreateDibDc({0, 0, 4, 4});
  rt::UniqueMemoryDc stranger(CreateCompatibleDC(nullptr));
  EXPECT_FALSE(skin::ReleaseCachedDc(stranger.get()));
  EXPECT_TRUE(IsLive(stranger.get()));
  ASSERT_EQ(skin::DcCache.size(), 1u);
  EXPECT_EQ(skin::DcCache.front().memoryDc(), registered.get());
}

TEST_F(DcCacheTest, ReleaseRemovesOnlyItsEntryAndKeepsTheOrderOfTheRest) {
  const skin::CachedDc ownerA = skin::CreateDibDc({0, 0, 2, 2});
  const skin::CachedDc ownerB = skin::CreateDibDc({0, 0, 2, 2});
  const skin::CachedDc ownerC = skin::CreateDibDc({0, 0, 2, 2});
  HDC a = ownerA.get(), b = ownerB.get(), c = ownerC.get();
  ASSERT_TRUE(skin::ReleaseCachedDc(b));
  ASSERT_EQ(skin::DcCache.size(), 2u);
  EXPECT_EQ(skin::DcCache[0].memoryDc(), a);
  EXPECT_EQ(skin::DcCache[1].memoryDc(), c);
  EXPECT_TRUE(IsLive(a));
  EXPECT_TRUE(IsLive(c));
}

TEST_F(DcCacheTest, RegisteringAKnownDcAgainReplacesItsDibAndDeletesTheOldOne) {
  const skin::CachedDc owner = skin::CreateDibDc({0, 0, 4, 4});
  HDC dc = owner.get();
  const HBITMAP oldDib = skin::DcCache.front().dib();
  const HGDIOBJ ownBitmap = skin::DcCache.front().previous();

  rt::UniqueBitmap newDib = skin::CreateDib32(6, 6);
  HGDIOBJ pushedOut = SelectObject(dc, newDib.get());
  ASSERT_EQ(pushedOut, oldDib);
  skin::RegisterCachedDc(dc, newDib.get(), pushedOut);
  const HBITMAP held = newDib.release();

  ASSERT_EQ(skin::DcCache.size(), 1u);
  EXPECT_EQ(skin::DcCache.front().dib(), held);
  EXPECT_EQ(skin::DcCache.front().previous(), ownBitmap)
      << "the DC's own bitmap is still what a release must put back";
  EXPECT_FALSE(IsLive(oldDib)) << "the DIB the entry no longer holds must not leak";

  ASSERT_TRUE(skin::ReleaseCachedDc(dc));
  EXPECT_FALSE(IsLive(held));
  EXPECT_TRUE(IsLive(ownBitmap));
}

TEST_F(DcCacheTest, CopyToNewBitmapCopiesTheCornerAndReleasesTheSource) {
  const skin::CachedDc keep = skin::CreateDibDc({0, 0, 2, 2});
  skin::CachedDc sourceOwner = skin::CreateDibDc({0, 0, 10, 10});
  HDC source = sourceOwner.get();
  PutPixel(source, 0, 0, 0x00112233);
  PutPixel(source, 3, 2, 0x80445566);
  PutPixel(source, 5, 5, 0x00778899);  // outside the copied corner

  rt::UniqueBitmap copy = skin::CopyToNewBitmap(std::move(sourceOwner), 4, 3);
  ASSERT_TRUE(copy);
  EXPECT_EQ(PixelOf(copy.get(), 0, 0), 0x00112233u);
  EXPECT_EQ(PixelOf(copy.get(), 3, 2), 0x80445566u);
  BITMAP size{};
  GetObjectA(copy.get(), sizeof size, &size);
  EXPECT_EQ(size.bmWidth, 4);
  EXPECT_EQ(size.bmHeight, 3);

  ASSERT_EQ(skin::DcCache.size(), 1u);
  EXPECT_EQ(skin::DcCache.front().memoryDc(), keep.get());
  EXPECT_FALSE(IsLive(source));
}

TEST_F(DcCacheTest, CreateAndReleaseLoopsLeaveCacheAndGdiObjectsWhereTheyBegan) {
  // Warm up whatever the system allocates once per process.
  skin::CreateDibDc({0, 0, 100, 24}).reset();
  const DWORD objectsBefore = GdiObjectCount();

  for (int round = 0; round < 500; ++round) {
    skin::CachedDc held[4];
    for (skin::CachedDc& dc : held) dc = skin::CreateDibDc({0, 0, 100, 24});
    if (round == 0) ASSERT_GE(GdiObjectCount(), objectsBefore + 8) << "the count must see our DCs";
    // Every other round the DCs also pass through a replaced DIB and a copy.
    if (round % 2) {
      rt::UniqueBitmap fresh = skin::CreateDib32(100, 24);
      HGDIOBJ out = SelectObject(held[0].get(), fresh.get());
      skin::RegisterCachedDc(held[0].get(), fresh.release(), out);
      rt::UniqueBitmap copy = skin::CopyToNewBitmap(std::move(held[3]), 100, 24);
    }
    for (skin::CachedDc& dc : held) dc.reset();
  }

  EXPECT_TRUE(skin::DcCache.empty());
  EXPECT_EQ(GdiObjectCount(), objectsBefore);
}

}  // namespace

namespace {

// Handles of the DC and DIB an owner holds, to test that they are gone.
struct Held {
  HDC dc;
  HBITMAP dib;
};

Held HeldBy(const skin::CachedDc& owner) {
  for (const skin::DcCacheEntry& entry : skin::DcCache) {
    if (entry.memoryDc() == owner.get()) return {entry.memoryDc(), entry.dib()};
  }
  ADD_FAILURE() << "the owner's DC is not in the cache";
  return {};
}

bool Gone(const Held& held) { return !IsLive(held.dc) && !IsLive(held.dib); }

}  // namespace

TEST_F(DcCacheTest, AnOwnerReleasesItsDcOnceWhereverItIsMoved) {
  const DWORD objectsBefore = GdiObjectCount();
  Held held{};
  {
    skin::CachedDc first = skin::CreateDibDc({0, 0, 8, 8});
    ASSERT_TRUE(first);
    held = HeldBy(first);
    skin::CachedDc second(std::move(first));
    EXPECT_FALSE(first);
    skin::CachedDc third;
    third = std::move(second);
    EXPECT_EQ(third.get(), held.dc);
    EXPECT_EQ(skin::DcCache.size(), 1u) << "moving never registers or releases";
    EXPECT_FALSE(Gone(held));
  }
  EXPECT_TRUE(skin::DcCache.empty());
  EXPECT_TRUE(Gone(held));
  EXPECT_EQ(GdiObjectCount(), objectsBefore);
}

TEST_F(DcCacheTest, ReplacingAFramesCachedDcReleasesTheOldOne) {
  auto record = skin::MakeSkinWindowRecord(nullptr);
  record->backgroundDc = skin::CreateDibDc({0, 0, 16, 16});
  record->compositionDc = skin::CreateDibDc({0, 0, 16, 16});
  const Held old = HeldBy(record->backgroundDc);

  record->backgroundDc = skin::CreateDibDc({0, 0, 32, 32});
  EXPECT_TRUE(Gone(old));
  EXPECT_EQ(skin::DcCache.size(), 2u);
  const Held replacement = HeldBy(record->backgroundDc);

  record.reset();  // the record's end releases what it holds
  EXPECT_TRUE(skin::DcCache.empty());
  EXPECT_TRUE(Gone(replacement));
}

TEST_F(DcCacheTest, AnOwnerLeavesAloneWhatWasReleasedByHandle) {
  skin::CachedDc owner = skin::CreateDibDc({0, 0, 4, 4});
  ASSERT_TRUE(skin::ReleaseCachedDc(owner.get()));  // a painter that holds only the handle
  skin::CachedDc other = skin::CreateDibDc({0, 0, 4, 4});
  const Held kept = HeldBy(other);
  owner.reset();
  ASSERT_EQ(skin::DcCache.size(), 1u);
  EXPECT_FALSE(Gone(kept));
}

TEST_F(DcCacheTest, NothingUnreleasableIsRegistered) {
  rt::UniqueBitmap dib = skin::CreateDib32(4, 4);
  const HBITMAP handed = dib.release();
  EXPECT_FALSE(skin::RegisterCachedDc(nullptr, handed, nullptr));
  EXPECT_FALSE(IsLive(handed)) << "a refused DIB is not left behind";
  EXPECT_TRUE(skin::DcCache.empty());

  // A DIB that cannot be made (an empty area) gives an empty owner.
  for (const RECT& area : {RECT{0, 0, 0, 10}, RECT{0, 0, 10, 0}, RECT{5, 5, 2, 9}}) {
    EXPECT_FALSE(skin::CreateDibDc(area));
    EXPECT_TRUE(skin::DcCache.empty());
  }
  EXPECT_EQ(skin::CachedDc::Adopt(nullptr), nullptr);
  rt::UniqueMemoryDc stranger(CreateCompatibleDC(nullptr));
  EXPECT_EQ(skin::CachedDc::Adopt(stranger.get()), nullptr);
}
