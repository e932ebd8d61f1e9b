// A control's kept finished image: drawn only when the background pixels
// or the look's key differ from those it was drawn for, and otherwise
// giving exactly the pixels the drawing gave.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "runtime/gdi_object.h"
#include "skin/core/dc_cache.h"
#include "skin/core/finished_image.h"
#include "tests/skin/core/composed_frame.h"

namespace {

using quillora_test::DibPixels;

constexpr int kWidth = 9, kHeight = 5;

std::vector<std::uint32_t> Pixels(HDC dc, int width = kWidth, int height = kHeight) {
  DibPixels pixels(dc);
  std::vector<std::uint32_t> all;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) all.push_back(pixels.at(x, y));
  return all;
}

// A background whose pixels tell their place, with `seed` mixed in.
skin::CachedDc Background(std::uint32_t seed, int width = kWidth, int height = kHeight) {
  skin::CachedDc dc = skin::CreateDibDc({0, 0, width, height});
  DibPixels pixels(dc.get());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.at(x, y) = seed + static_cast<std::uint32_t>(y * width + x);
  return dc;
}

// A drawing that depends on the background (each pixel inverted) and on
// `mark`, written at (1, 1); counts its calls.
struct CountingDraw {
  int calls = 0;
  std::uint32_t mark = 0xABCDEF;

  bool operator()(HDC dc) {
    ++calls;
    DibPixels pixels(dc);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) pixels.at(x, y) = ~pixels.at(x, y);
    pixels.at(1, 1) = mark;
    return true;
  }
};

skin::LookKey KeyOf(int state, const rt::Text& text) {
  skin::LookKey key;
  key.Add(state).Add(text);
  return key;
}

TEST(FinishedImage, DrawsOnlyWhenTheBackgroundOrTheKeyChanged) {
  const skin::FinishedImage kept;
  CountingDraw draw;
  const auto finish = [&](HDC dc, const skin::LookKey& key) {
    return kept.Finish(dc, key, [&] { return draw(dc); });
  };

  skin::CachedDc first = Background(100);
  ASSERT_TRUE(finish(first.get(), KeyOf(0, "OK")));
  ASSERT_EQ(draw.calls, 1);
  const std::vector<std::uint32_t> drawn = Pixels(first.get());

  // The same background and key: the kept pixels, without drawing.
  skin::CachedDc again = Background(100);
  ASSERT_TRUE(finish(again.get(), KeyOf(0, "OK")));
  EXPECT_EQ(draw.calls, 1);
  EXPECT_EQ(Pixels(again.get()), drawn);

  struct Change {
    const char* what;
    std::uint32_t seed;
    skin::LookKey key;
  };
  const Change changes[] = {
      {"background", 101, KeyOf(0, "OK")},
      {"state", 101, KeyOf(1, "OK")},
      {"text", 101, KeyOf(1, "Cancel")},
  };
  int calls = 1;
  for (const Change& change : changes) {
    // The drawing changes too, so a stale copy would show.
    draw.mark += 1;
    skin::CachedDc dc = Background(change.seed);
    ASSERT_TRUE(finish(dc.get(), change.key)) << change.what;
    EXPECT_EQ(draw.calls, ++calls) << change.what;
    EXPECT_EQ(DibPixels(dc.get()).at(1, 1), draw.mark) << change.what;
    EXPECT_EQ(DibPixels(dc.get()).at(0, 0), ~(change.seed)) << change.what;
  }

  // One pixel of the background differs: drawn anew.
  skin::CachedDc touched = Background(101);
  DibPixels(touched.get()).at(kWidth - 1, kHeight - 1) ^= 1;
  ASSERT_TRUE(finish(touched.get(), KeyOf(1, "Cancel")));
  EXPECT_EQ(draw.calls, ++calls);
}

TEST(FinishedImage, KeysOfTextsThatMergeAlikeStayApart) {
  // Without the lengths "ab"+"c" and "a"+"bc" would give the same bytes.
  skin::LookKey one, other;
  one.Add(rt::Text("ab")).Add(rt::Text("c"));
  other.Add(rt::Text("a")).Add(rt::Text("bc"));
  EXPECT_FALSE(one == other);
  skin::LookKey same;
  same.Add(rt::Text("ab")).Add(rt::Text("c"));
  EXPECT_TRUE(one == same);
}

TEST(FinishedImage, AnotherSizeAGivenUpDrawingAndForgetAllDrawAgain) {
  const skin::FinishedImage kept;
  int calls = 0;
  const auto finish = [&](HDC dc, bool succeed) {
    return kept.Finish(dc, KeyOf(0, "x"), [&] {
      ++calls;
      return succeed;
    });
  };
  skin::CachedDc small = Background(7);
  ASSERT_TRUE(finish(small.get(), true));
  // Same seed, so the first pixels agree: only the size tells them apart.
  skin::CachedDc wide = Background(7, kWidth + 1, kHeight);
  ASSERT_TRUE(finish(wide.get(), true));
  EXPECT_EQ(calls, 2);

  skin::CachedDc dc = Background(8);
  EXPECT_FALSE(finish(dc.get(), false));
  EXPECT_FALSE(finish(dc.get(), false)) << "a drawing that gave up was kept";
  EXPECT_EQ(calls, 4);

  ASSERT_TRUE(finish(dc.get(), true));
  kept.Forget();
  ASSERT_TRUE(finish(dc.get(), true));
  EXPECT_EQ(calls, 6);
}

TEST(FinishedImage, ADcWithoutADibIsDrawnOnAndNothingKept) {
  const skin::FinishedImage kept;
  rt::UniqueMemoryDc plain(CreateCompatibleDC(nullptr));  // holds the 1x1 stock bitmap
  int calls = 0;
  for (int i = 0; i < 2; ++i)
    EXPECT_TRUE(kept.Finish(plain.get(), KeyOf(0, "x"), [&] {
      ++calls;
      return true;
    }));
  EXPECT_EQ(calls, 2);
}

// The same kept image used in steps: restored, or started and finished
// around a painter's own drawing.

// Drawing over a background: GDI on part of it, so alpha bytes differ too.
void Draw(HDC dc) {
  RECT r{1, 1, 4, 3};
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  DibPixels(dc).at(5, 4) = 0x80FF00FFu;
}

skin::FinishedImage Kept(const skin::LookKey& key) {
  skin::FinishedImage kept;
  skin::CachedDc dc = Background(0x100);
  kept.Start(dc.get(), key);
  Draw(dc.get());
  kept.Finish(dc.get());
  return kept;
}

TEST(FinishedImage, RestoresOnlyOverTheSameBackgroundAndKey) {
  const skin::LookKey key{3, 1, 0xDDCA22};
  skin::CachedDc drawn = Background(0x100);
  Draw(drawn.get());
  const std::vector<std::uint32_t> finished = Pixels(drawn.get());

  struct Case {
    const char* name;
    std::uint32_t seed;
    skin::LookKey key;
    int width;
    bool restored;
  };
  for (const Case& c : {Case{"same background and key", 0x100, key, kWidth, true},
                        Case{"another key", 0x100, {3, 0, 0xDDCA22}, kWidth, false},
                        Case{"a longer key", 0x100, {3, 1, 0xDDCA22, 0}, kWidth, false},
                        Case{"another background", 0x101, key, kWidth, false},
                        Case{"another size", 0x100, key, kWidth + 1, false}}) {
    SCOPED_TRACE(c.name);
    const skin::FinishedImage kept = Kept(key);
    skin::CachedDc dc = Background(c.seed, c.width);
    const std::vector<std::uint32_t> before = Pixels(dc.get(), c.width);
    EXPECT_EQ(kept.Restore(dc.get(), c.key), c.restored);
    EXPECT_EQ(Pixels(dc.get(), c.width), c.restored ? finished : before);
  }
}

TEST(FinishedImage, OneChangedBackgroundPixelAndForgettingBothDraw) {
  const skin::LookKey key{1};
  skin::FinishedImage kept = Kept(key);
  for (int x = 0; x < kWidth; ++x) {
    skin::CachedDc dc = Background(0x100);
    DibPixels(dc.get()).at(x, kHeight - 1) ^= 0x01000000u;  // the alpha byte alone
    EXPECT_FALSE(kept.Restore(dc.get(), key)) << x;
  }
  skin::CachedDc dc = Background(0x100);
  ASSERT_TRUE(kept.Restore(dc.get(), key));
  kept.Forget();
  EXPECT_FALSE(kept.Holds());
  skin::CachedDc again = Background(0x100);
  EXPECT_FALSE(kept.Restore(again.get(), key));
}

TEST(FinishedImage, NothingIsKeptFromADcWithoutA32BitDib) {
  skin::FinishedImage kept;
  rt::UniqueMemoryDc plain(CreateCompatibleDC(nullptr));  // holds the 1x1 stock bitmap
  kept.Start(plain.get(), {1});
  kept.Finish(plain.get());
  EXPECT_FALSE(kept.Holds());
  EXPECT_FALSE(kept.Restore(plain.get(), {1}));
}

}  // namespace
