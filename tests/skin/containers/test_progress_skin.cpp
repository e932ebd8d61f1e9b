// The progress-bar skin: its installer, its procedure (paint, shine timer)
// and its painter, on the composed-frame fixture.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "runtime/gdi_object.h"
#include "skin/containers/progress_skin.h"
#include "skin/engine/control_skin_calls.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/kept_pictures.h"
#include "skin/core/window_properties.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::Fill;
using quillora_test::MakeChild;
using quillora_test::Rgb;
using quillora_test::TestWindow;

constexpr std::uint32_t kGrey = 0x404040;
constexpr COLORREF kOrange = 0x0080FF;  // COLORREF: red FF, green 80

int Red(std::uint32_t rgb) { return static_cast<int>((rgb >> 16) & 0xFF); }
int Green(std::uint32_t rgb) { return static_cast<int>((rgb >> 8) & 0xFF); }
int Blue(std::uint32_t rgb) { return static_cast<int>(rgb & 0xFF); }

LRESULT CALLBACK CountingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class ProgressSkinTest : public ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    Fill(Record().backgroundDc.get(), kWidth, kHeight, kGrey);
    savedAccent = skin::AccentColour;
    skin::SkinChildControls = 1;  // the engine's default; InitSkinEngine is not run here
  }
  void TearDown() override {
    skin::AccentColour = savedAccent;
    skin::SkinChildControls = 1;
    ComposedFrameTest::TearDown();
  }

  TestWindow AddBar(int x, int y, int width, int height, DWORD style = 0) {
    return MakeChild(frame, x, y, width, height, PROGRESS_CLASSA, WS_CHILD | WS_VISIBLE | style);
  }

  // The bar's list index after the installer ran.
  int Index(HWND bar) { return static_cast<int>(skin::prop::Read(bar, skin::prop::kIndex)); }
  skin::ProgressRecord& Bar(HWND bar) { return Record().progressBars.At(Index(bar)); }

  std::uint32_t At(int x, int y) { return Rgb(Record().compositionDc.get(), x, y); }

  COLORREF savedAccent = 0;
};

TEST_F(ProgressSkinTest, InstallerTakesEveryDirectBarOnceWithTheAccentOfThatMoment) {
  TestWindow horizontal = AddBar(10, 10, 200, 16);
  TestWindow vertical = AddBar(10, 40, 16, 100, PBS_VERTICAL);
  TestWindow other = MakeChild(frame, 40, 40, 50, 20);
  const auto nativeProc = GetWindowLongPtrA(horizontal, GWLP_WNDPROC);
  skin::AccentColour = 0x123456;

  ASSERT_TRUE(vertical.get());
  skin::SkinProgressBars(windowIndex, frame);
  ASSERT_EQ(Record().progressBars.Count(), 2) << "the first slot is reused, then one appended";
  skin::AccentColour = 0x654321;
  struct Expected {
    HWND bar;
    int index;
    int vertical;
  };
  for (const Expected& e : {Expected{horizontal, 1, 0}, Expected{vertical, 2, 1}}) {
    SCOPED_TRACE(e.index);
    const skin::ProgressRecord& record = Record().progressBars.At(e.index);
    EXPECT_EQ(record.hwnd, e.bar);
    EXPECT_EQ(record.vertical, e.vertical);
    EXPECT_EQ(record.fillColour, 0x123456u) << "the accent of the install, not a later one";
    EXPECT_EQ(record.frameColour, 0u);
    EXPECT_EQ(record.squareCorners, 0);
    EXPECT_EQ(record.shineOn, 0);
    EXPECT_EQ(record.shineX, 0);
    EXPECT_EQ(skin::prop::Read(e.bar, skin::prop::kIndex), e.index);
    EXPECT_EQ(skin::prop::Read(e.bar, skin::prop::kHostIndex), windowIndex);
    EXPECT_EQ(skin::prop::Read(e.bar, skin::prop::kOldProc), nativeProc);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(record.oldProc), nativeProc);
    EXPECT_EQ(GetWindowLongPtrA(e.bar, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::ProgressSkinProc));
  }
  EXPECT_EQ(skin::prop::Read(other, skin::prop::kOldProc), 0);

  // A second run adds nothing and never saves the skin's own procedure.
  skin::SkinProgressBars(windowIndex, frame);
  EXPECT_EQ(Record().progressBars.Count(), 2);
  EXPECT_EQ(skin::prop::Read(horizontal, skin::prop::kOldProc), nativeProc);
  // The messages still reach the native bar.
  SendMessageA(horizontal, PBM_SETPOS, 42, 0);
  EXPECT_EQ(SendMessageA(horizontal, PBM_GETPOS, 0, 0), 42);
}

TEST_F(ProgressSkinTest, InstallerLeavesBarsAloneWhenChildSkinningIsOffOrAnotherSkinHasThem) {
  TestWindow bar = AddBar(10, 10, 200, 16);
  skin::SkinChildControls = 0;
  skin::SkinProgressBars(windowIndex, frame);
  EXPECT_EQ(Record().progressBars.At(1).hwnd, nullptr);
  EXPECT_EQ(skin::prop::Read(bar, skin::prop::kOldProc), 0);

  skin::SkinChildControls = 1;
  const auto foreign = reinterpret_cast<INT_PTR>(CountingProc);
  skin::prop::Write(bar, skin::prop::kOldProc, foreign);
  skin::SkinProgressBars(windowIndex, frame);
  EXPECT_EQ(Record().progressBars.At(1).hwnd, nullptr);
  EXPECT_NE(GetWindowLongPtrA(bar, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::ProgressSkinProc));
}

TEST(ProgressFillTest, FillLengthFollowsPositionInRange) {
  struct Case {
    const char* name;
    bool vertical;
    int width, height, position, low, high;
    skin::ProgressFill expected;
  };
  const Case cases[] = {
      {"0 of 0-100", false, 200, 16, 0, 0, 100, {0, 0, 0, 16, 0}},
      {"100 of 0-100", false, 200, 16, 100, 0, 100, {0, 0, 200, 16, 200}},
      {"100 of 50-150", false, 200, 16, 100, 50, 150, {0, 0, 100, 16, 100}},
      {"a third", false, 100, 16, 1, 0, 3, {0, 0, 33, 16, 33}},
      {"empty range", false, 200, 16, 50, 50, 50, {0, 0, 0, 16, 0}},
      {"below the low end", false, 200, 16, 10, 50, 150, {0, 0, 0, 16, 0}},
      {"inverted range", false, 200, 16, 10, 100, 0, {0, 0, 0, 16, 0}},
      {"beyond the high end", false, 200, 16, 300, 0, 100, {0, 0, 200, 16, 200}},
      {"vertical, from the bottom", true, 16, 100, 25, 0, 100, {0, 75, 16, 25, 25}},
      {"vertical, empty range", true, 16, 100, 7, 7, 7, {0, 100, 16, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const skin::ProgressFill fill =
        skin::ComputeProgressFill(c.vertical, c.width, c.height, c.position, c.low, c.high);
    EXPECT_EQ(fill.length, c.expected.length);
    EXPECT_FLOAT_EQ(fill.x, c.expected.x);
    EXPECT_FLOAT_EQ(fill.y, c.expected.y);
    EXPECT_FLOAT_EQ(fill.width, c.expected.width);
    EXPECT_FLOAT_EQ(fill.height, c.expected.height);
  }
}

TEST_F(ProgressSkinTest, PainterShowsFillThenTroughInBothLooks) {
  TestWindow bar = AddBar(20, 40, 200, 16);
  skin::SkinProgressBars(windowIndex, frame);
  SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  SendMessageA(bar, PBM_SETPOS, 50, 0);
  Bar(bar).fillColour = kOrange;

  for (int square : {0, 1}) {
    SCOPED_TRACE(square ? "square" : "rounded");
    Bar(bar).squareCorners = square;
    skin::PaintProgressBar(windowIndex, Index(bar));
    const std::uint32_t fillTop = At(20 + 50, 40 + 4);
    const std::uint32_t fillBottom = At(20 + 50, 40 + 11);
    const std::uint32_t troughTop = At(20 + 150, 40 + 4);
    const std::uint32_t troughBottom = At(20 + 150, 40 + 11);
    EXPECT_GT(Red(fillBottom) - Blue(fillBottom), 150) << std::hex << fillBottom;
    EXPECT_GT(Red(fillTop) - Blue(fillTop), 40) << std::hex << fillTop;
    EXPECT_LT(std::abs(Red(troughTop) - Blue(troughTop)), 8) << std::hex << troughTop;
    EXPECT_LT(std::abs(Red(troughBottom) - Blue(troughBottom)), 8) << std::hex << troughBottom;
    if (square) {
      EXPECT_EQ(fillTop, fillBottom) << "a flat fill";
      EXPECT_EQ(troughTop, troughBottom) << "a flat trough";
    } else {
      EXPECT_GT(Blue(fillTop), Blue(fillBottom) + 40) << "white fades into the fill colour";
      EXPECT_GT(Red(troughTop), Red(troughBottom) + 10) << "the trough darkens downwards";
    }
  }
  EXPECT_EQ(At(19, 45), 0u) << "nothing outside the bar";
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(ProgressSkinTest, EmptyRangeAndLowPositionShowFrameAndTroughOnly) {
  TestWindow bar = AddBar(20, 40, 200, 16);
  skin::SkinProgressBars(windowIndex, frame);
  Bar(bar).fillColour = kOrange;
  Bar(bar).shineOn = 1;
  Bar(bar).shineX = 0;
  for (auto [low, high, position] : {std::tuple{0, 100, 0}, std::tuple{30, 30, 30}}) {
    SendMessageA(bar, PBM_SETRANGE32, low, high);
    SendMessageA(bar, PBM_SETPOS, position, 0);
    skin::PaintProgressBar(windowIndex, Index(bar));
    for (int x : {3, 40, 100, 190}) {
      const std::uint32_t pixel = At(20 + x, 40 + 8);
      EXPECT_LT(std::abs(Red(pixel) - Blue(pixel)), 8) << x << ": " << std::hex << pixel;
    }
  }
}

TEST_F(ProgressSkinTest, VerticalBarFillsFromTheBottom) {
  TestWindow bar = AddBar(300, 40, 16, 100, PBS_VERTICAL);
  skin::SkinProgressBars(windowIndex, frame);
  SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  SendMessageA(bar, PBM_SETPOS, 25, 0);
  Bar(bar).fillColour = kOrange;
  skin::PaintProgressBar(windowIndex, Index(bar));
  const std::uint32_t filled = At(300 + 8, 40 + 90);
  const std::uint32_t empty = At(300 + 8, 40 + 50);
  EXPECT_GT(Red(filled) - Blue(filled), 60) << std::hex << filled;
  EXPECT_LT(std::abs(Red(empty) - Blue(empty)), 8) << std::hex << empty;
}

TEST_F(ProgressSkinTest, GlowStripBrightensTheFillWhereItStands) {
  TestWindow bar = AddBar(20, 40, 300, 16);
  skin::SkinProgressBars(windowIndex, frame);
  SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  SendMessageA(bar, PBM_SETPOS, 100, 0);
  ASSERT_TRUE(skin::SetProgressStyle(bar, 0, 1, kOrange, 0, skin::ShineStyle::Glow));
  KillTimer(bar, Index(bar));
  Bar(bar).shineX = 100;  // the 90-pixel strip covers 100..189
  skin::PaintProgressBar(windowIndex, Index(bar));
  const std::uint32_t lit = At(20 + 145, 40 + 13);
  const std::uint32_t plain = At(20 + 250, 40 + 13);
  EXPECT_GT(Blue(lit), Blue(plain) + 40) << std::hex << lit << " vs " << plain;

  Bar(bar).shineOn = 0;
  skin::PaintProgressBar(windowIndex, Index(bar));
  EXPECT_EQ(At(20 + 145, 40 + 13), plain) << "no strip without the shine";
}

// The decoded strip is kept with the bar between paints; a new style must
// bring its own strip, as wide as that style's picture.
TEST_F(ProgressSkinTest, StripFollowsAStyleChangeBetweenPaints) {
  TestWindow bar = AddBar(20, 40, 400, 16);
  skin::SkinProgressBars(windowIndex, frame);
  SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  SendMessageA(bar, PBM_SETPOS, 100, 0);
  const auto paintWithStripAt100 = [&](skin::ShineStyle style) {
    EXPECT_TRUE(skin::SetProgressStyle(bar, 0, 1, kOrange, 0, style));
    KillTimer(bar, Index(bar));
    Bar(bar).shineX = 100;
    skin::PaintProgressBar(windowIndex, Index(bar));
    return At(20 + 100 + 120, 40 + 14);  // inside the 161-pixel band, past the 90-pixel glow
  };
  const std::uint32_t plain = paintWithStripAt100(skin::ShineStyle::Glow);
  const std::uint32_t banded = paintWithStripAt100(skin::ShineStyle::Band);
  EXPECT_GT(Blue(banded), Blue(plain) + 20) << std::hex << banded << " vs " << plain;
  EXPECT_EQ(paintWithStripAt100(skin::ShineStyle::Glow), plain) << "the glow strip again after the band";
}

// Between paints the bar keeps its face (all but the shine) and a tick
// only draws the strip again; whatever else changed must be drawn anew.
TEST_F(ProgressSkinTest, KeptFacePaintsWhatAFreshPaintPaints) {
  constexpr int kX = 20, kY = 40, kW = 300, kH = 16;
  TestWindow bar = AddBar(kX, kY, kW, kH);
  skin::SkinProgressBars(windowIndex, frame);
  SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  SendMessageA(bar, PBM_SETPOS, 60, 0);
  ASSERT_TRUE(skin::SetProgressStyle(bar, 0, 1, kOrange, 0, skin::ShineStyle::Glow));
  KillTimer(bar, Index(bar));
  const auto picture = [&] {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) pixels.push_back(At(kX + x, kY + y));
    return pixels;
  };
  skin::PaintProgressBar(windowIndex, Index(bar));
  ASSERT_FALSE(Bar(bar).face.pixels.empty()) << "the face is kept";

  const struct {
    const char* change;
    std::function<void()> apply;
  } cases[] = {
      {"the strip moves", [&] { Bar(bar).shineX = 120; }},
      {"the strip moves again", [&] { Bar(bar).shineX = 250; }},
      {"the background changes", [&] { Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x206040); }},
      {"the position changes", [&] { SendMessageA(bar, PBM_SETPOS, 85, 0); }},
      {"the range changes", [&] { SendMessageA(bar, PBM_SETRANGE32, 0, 200); }},
      {"the fill colour changes", [&] { Bar(bar).fillColour = 0xC04000; }},
      {"the corners change", [&] { Bar(bar).squareCorners = 1; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    c.apply();
    skin::PaintProgressBar(windowIndex, Index(bar));
    const std::vector<std::uint32_t> kept = picture();
    const skin::ProgressFace face = Bar(bar).face;
    Bar(bar).face = {};
    skin::PaintProgressBar(windowIndex, Index(bar));
    EXPECT_EQ(kept, picture());
    Bar(bar).face = face;
  }
}

// A tick draws the shine through the surface the bar keeps; every strip
// position, partly outside the fill or not, shows exactly what the plain
// drawing over the same background shows.
TEST_F(ProgressSkinTest, KeptShineSurfacePaintsWhatThePlainDrawingPaints) {
  constexpr int kX = 20, kY = 40, kW = 300, kH = 16;
  TestWindow bar = AddBar(kX, kY, kW, kH);
  skin::SkinProgressBars(windowIndex, frame);
  SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  SendMessageA(bar, PBM_SETPOS, 60, 0);
  ASSERT_TRUE(skin::SetProgressStyle(bar, 0, 1, kOrange, 0, skin::ShineStyle::Glow));
  KillTimer(bar, Index(bar));
  Bar(bar).shineWidth = 90;
  const RECT area{0, 0, kW, kH};

  const struct {
    const char* change;
    std::function<void()> apply;
  } cases[] = {
      {"the strip still left of the bar", [&] { Bar(bar).shineX = -90; }},
      {"the strip entering", [&] { Bar(bar).shineX = -37; }},
      {"the strip at the start", [&] { Bar(bar).shineX = 0; }},
      {"one step on", [&] { Bar(bar).shineX = 5; }},
      {"the strip inside the fill", [&] { Bar(bar).shineX = 100; }},
      {"the strip across the fill's end", [&] { Bar(bar).shineX = 150; }},
      {"the strip beyond the fill", [&] { Bar(bar).shineX = 250; }},
      {"the position changes", [&] {
         SendMessageA(bar, PBM_SETPOS, 95, 0);
         Bar(bar).shineX = 220;
       }},
      {"the corners turn square", [&] { Bar(bar).squareCorners = 1; }},
      {"another strip", [&] {
         Bar(bar).shineStyle = skin::ShineStyle::Cyan;
         Bar(bar).shineX = 40;
       }},
      {"the background changes", [&] { Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x206040); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    c.apply();
    skin::PaintProgressBar(windowIndex, Index(bar));
    skin::PaintProgressBar(windowIndex, Index(bar));  // through what the first paint kept
    ASSERT_TRUE(Bar(bar).shineSurface) << "the surface is kept";
    skin::CachedDc plain = skin::ComposeControlBackground(bar, area);
    ASSERT_TRUE(plain);
    skin::DrawProgressBar(plain.get(), area, Bar(bar));
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        ASSERT_EQ(At(kX + x, kY + y), Rgb(plain.get(), x, y)) << x << "," << y;
  }
  // What GDI+ made for the surface goes before GDI+ itself does.
  skin::ForgetKeptPictures();
  EXPECT_FALSE(Bar(bar).shineSurface);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(ProgressSkinTest, WholeWindowRectangleGoesIntoTheComposition) {
  TestWindow bar = AddBar(20, 40, 200, 16, WS_BORDER);
  skin::SkinProgressBars(windowIndex, frame);
  Fill(Record().compositionDc.get(), kWidth, kHeight, 0);
  skin::PaintProgressBar(windowIndex, Index(bar));
  for (auto [x, y] : {std::pair{0, 0}, std::pair{199, 0}, std::pair{0, 15}, std::pair{199, 15}, std::pair{100, 8}})
    EXPECT_NE(At(20 + x, 40 + y), 0u) << x << "," << y;
  EXPECT_EQ(At(19, 40), 0u);
  EXPECT_EQ(At(220, 40), 0u);
  EXPECT_EQ(At(20, 56), 0u);
}

TEST_F(ProgressSkinTest, TimerTickStepsTheShineAndWrapsAtTheRightEdge) {
  TestWindow bar = AddBar(20, 40, 200, 16);
  skin::SkinProgressBars(windowIndex, frame);
  Bar(bar).shineWidth = 90;
  // Any timer id steps the strip.
  SendMessageA(bar, WM_TIMER, 77, 0);
  EXPECT_EQ(Bar(bar).shineX, 5);
  SendMessageA(bar, WM_TIMER, Index(bar), 0);
  EXPECT_EQ(Bar(bar).shineX, 10);
  Bar(bar).shineX = 200 - 3;
  SendMessageA(bar, WM_TIMER, Index(bar), 0);
  EXPECT_EQ(Bar(bar).shineX, -90);
  Bar(bar).shineX = 200 - 6;
  SendMessageA(bar, WM_TIMER, Index(bar), 0);
  EXPECT_EQ(Bar(bar).shineX, 199) << "wraps only once the left edge reaches the right edge";
}

// A shown frame: the bar really paints on its own surface.
class ShownProgressSkinTest : public ProgressSkinTest {
 protected:
  bool FrameShown() const override { return true; }
};

// A tick must bring a repaint, else the strip stands still on screen. The
// bar listed second is tried: the native bar repaints by itself on a timer
// of id 1, its own marquee timer.
TEST_F(ShownProgressSkinTest, ATickRepaintsTheBarWithTheStripMoved) {
  constexpr int kW = 300, kH = 16;
  TestWindow first = AddBar(20, 80, kW, kH);
  skin::SkinProgressBars(windowIndex, frame);
  TestWindow bar = AddBar(20, 40, kW, kH);
  skin::SkinProgressBars(windowIndex, frame);
  ASSERT_EQ(Index(bar), 2);
  SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  SendMessageA(bar, PBM_SETPOS, 100, 0);
  ASSERT_TRUE(skin::SetProgressStyle(bar, 0, 1, kOrange, 0, skin::ShineStyle::Glow));
  KillTimer(bar, Index(bar));  // the test gives the ticks
  Bar(bar).shineX = 100;
  const auto pump = [] {
    const DWORD start = GetTickCount();
    MSG msg;
    while (GetTickCount() - start < 100) {
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
      Sleep(5);
    }
  };
  // The middle row of the bar's own surface.
  const auto shown = [&] {
    std::vector<COLORREF> row;
    const rt::WindowDc dc(bar, GetWindowDC(bar));
    for (int x = 0; x < kW; ++x) row.push_back(GetPixel(dc.get(), x, kH / 2));
    return row;
  };
  RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  pump();
  const std::vector<COLORREF> before = shown();

  SendMessageA(bar, WM_TIMER, Index(bar), 0);
  pump();
  const std::vector<COLORREF> after = shown();
  ASSERT_EQ(Bar(bar).shineX, 105);
  EXPECT_TRUE(after != before) << "the tick repainted the bar";
  skin::PaintProgressBar(windowIndex, Index(bar));
  EXPECT_TRUE(after == shown()) << "with the strip at its new place";
}

TEST_F(ProgressSkinTest, ShineTimerFollowsShowAndHideAndNeverRunsOnAVerticalBar) {
  TestWindow bar = AddBar(20, 40, 200, 16);
  TestWindow vertical = AddBar(300, 40, 16, 100, PBS_VERTICAL);
  skin::SkinProgressBars(windowIndex, frame);
  const UINT_PTR id = Index(bar);
  ASSERT_TRUE(skin::SetProgressStyle(bar, 0, 1));
  ASSERT_TRUE(skin::SetProgressStyle(vertical, 0, 1));
  Bar(bar).shineX = 37;

  ShowWindow(bar, SW_HIDE);
  EXPECT_FALSE(KillTimer(bar, id)) << "hiding stops the timer";
  ShowWindow(bar, SW_SHOW);
  EXPECT_TRUE(KillTimer(bar, id)) << "showing starts it again";
  EXPECT_EQ(Bar(bar).shineX, 37) << "the strip goes on from where it was";

  ShowWindow(vertical, SW_HIDE);
  ShowWindow(vertical, SW_SHOW);
  EXPECT_FALSE(KillTimer(vertical, Index(vertical)));

  ShowWindow(bar, SW_HIDE);
  ShowWindow(bar, SW_SHOW);
  HWND raw = bar;
  bar = TestWindow();
  EXPECT_FALSE(KillTimer(raw, id)) << "destroying stops it";
}

TEST_F(ProgressSkinTest, BarWhosePropertiesNameNoRecordIsPassedOnUnpainted) {
  TestWindow bar = AddBar(20, 40, 200, 16);
  TestWindow other = AddBar(20, 80, 200, 16);
  skin::SkinProgressBars(windowIndex, frame);
  Fill(Record().compositionDc.get(), kWidth, kHeight, 0);
  // The bar now points at its neighbour's record.
  skin::prop::Write(bar, skin::prop::kIndex, Index(other));
  SendMessageA(bar, WM_NCPAINT, 1, 0);
  SendMessageA(bar, WM_TIMER, 1, 0);
  EXPECT_EQ(At(20 + 100, 40 + 8), 0u);
  EXPECT_EQ(Record().progressBars.At(1).shineX, 0);
  EXPECT_EQ(Record().progressBars.At(2).shineX, 0);
  skin::prop::Write(bar, skin::prop::kIndex, 99);
  SendMessageA(bar, WM_NCPAINT, 1, 0);
  EXPECT_EQ(At(20 + 100, 40 + 8), 0u);
  EXPECT_EQ(SendMessageA(bar, PBM_SETPOS, 5, 0), 0) << "the native bar still answers";
}

}  // namespace
