// The trackbar skin: its installer, its hot tracking, the geometry of its
// parts and the painted pixels of a horizontal trackbar.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <iterator>
#include <vector>

#include "skin/containers/trackbar_skin.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
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

int Red(std::uint32_t rgb) { return static_cast<int>((rgb >> 16) & 0xFF); }
int Green(std::uint32_t rgb) { return static_cast<int>((rgb >> 8) & 0xFF); }
int Blue(std::uint32_t rgb) { return static_cast<int>(rgb & 0xFF); }

class TrackbarSkinTest : public ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Fill(Record().backgroundDc.get(), kWidth, kHeight, kGrey);
    savedAccent = skin::AccentColour;
    savedPanel = skin::TrackbarPanel;
    skin::SkinChildControls = 1;
  }
  void TearDown() override {
    skin::AccentColour = savedAccent;
    skin::TrackbarPanel = savedPanel;
    ComposedFrameTest::TearDown();
  }

  TestWindow AddTrackbar(int x, int y, int width, int height, DWORD style = 0) {
    return MakeChild(frame, x, y, width, height, TRACKBAR_CLASSA, WS_CHILD | WS_VISIBLE | style);
  }
  int Index(HWND trackbar) { return static_cast<int>(skin::prop::Read(trackbar, skin::prop::kIndex)); }
  skin::TrackbarRecord& Track(HWND trackbar) { return Record().trackbars.At(Index(trackbar)); }
  std::uint32_t At(int x, int y) { return Rgb(Record().compositionDc.get(), x, y); }

  COLORREF savedAccent = 0;
  int savedPanel = 1;
};

TEST_F(TrackbarSkinTest, InstallerReadsTheStyleOnceForEveryDirectTrackbar) {
  struct Case {
    const char* name;
    DWORD style;
    int vertical;
    skin::TickPlacement ticks;
    int selection;
  };
  const Case cases[] = {
      {"plain", 0, 0, skin::TickPlacement::BottomRight, 0},
      {"top", TBS_TOP, 0, skin::TickPlacement::TopLeft, 0},
      {"both", TBS_BOTH, 0, skin::TickPlacement::Both, 0},
      {"no ticks wins over both", TBS_NOTICKS | TBS_BOTH, 0, skin::TickPlacement::None, 0},
      {"vertical, left", TBS_VERT | TBS_LEFT, 1, skin::TickPlacement::TopLeft, 0},
      {"selection range", TBS_ENABLESELRANGE, 0, skin::TickPlacement::BottomRight, 1},
  };
  std::vector<TestWindow> bars;
  for (const Case& c : cases) bars.push_back(AddTrackbar(10, 10 + 40 * static_cast<int>(bars.size()), 150, 30, c.style));
  const auto nativeProc = GetWindowLongPtrA(bars[0], GWLP_WNDPROC);

  skin::SkinTrackbars(windowIndex, frame);
  ASSERT_EQ(Record().trackbars.Count(), static_cast<int>(std::size(cases)));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].name);
    const skin::TrackbarRecord& record = Track(bars[i]);
    EXPECT_EQ(record.hwnd, bars[i].get());
    EXPECT_EQ(record.vertical, cases[i].vertical);
    EXPECT_EQ(record.tickPlacement, cases[i].ticks);
    EXPECT_EQ(record.selectionRange, cases[i].selection);
    EXPECT_EQ(record.imageMode, 0);
    EXPECT_EQ(record.hot, 0);
    EXPECT_EQ(skin::prop::Read(bars[i], skin::prop::kHostIndex), windowIndex);
    EXPECT_EQ(skin::prop::Read(bars[i], skin::prop::kOldProc), nativeProc);
    EXPECT_EQ(GetWindowLongPtrA(bars[i], GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::TrackbarSkinProc));
  }
  // Over the same parent again: nothing taken twice, no procedure saved twice.
  skin::SkinTrackbars(windowIndex, frame);
  EXPECT_EQ(Record().trackbars.Count(), static_cast<int>(std::size(cases)));
  EXPECT_EQ(skin::prop::Read(bars[0], skin::prop::kOldProc), nativeProc);
  SendMessageA(bars[0], TBM_SETPOS, TRUE, 7);
  EXPECT_EQ(SendMessageA(bars[0], TBM_GETPOS, 0, 0), 7) << "the native control still answers";
}

TEST_F(TrackbarSkinTest, InstallerDoesNothingWhileChildSkinningIsOff) {
  TestWindow bar = AddTrackbar(10, 10, 150, 30);
  skin::SkinChildControls = 0;
  skin::SkinTrackbars(windowIndex, frame);
  skin::SkinChildControls = 1;
  EXPECT_EQ(Record().trackbars.At(1).hwnd, nullptr);
  EXPECT_EQ(skin::prop::Read(bar, skin::prop::kOldProc), 0);
}

TEST_F(TrackbarSkinTest, ThumbGrowsOncePerEntryAndShrinksOnLeave) {
  TestWindow bar = AddTrackbar(20, 40, 200, 30);
  skin::SkinTrackbars(windowIndex, frame);
  const int index = Index(bar);
  constexpr std::uint32_t kMarker = 0x00ABCDEF;
  HDC composition = Record().compositionDc.get();
  const int x = 20 + 100, y = 40 + 15;

  SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(100, 15));
  EXPECT_EQ(Track(bar).hot, 1);
  EXPECT_EQ(Record().hot, index);
  EXPECT_EQ(Record().lastHot, index);
  EXPECT_EQ(Record().hotKind, skin::HotKind::Trackbar);

  quillora_test::DibPixel(composition, x, y) = kMarker;
  SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(101, 15));
  EXPECT_EQ(Rgb(composition, x, y), kMarker) << "a further move does not repaint";

  SendMessageA(bar, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Track(bar).hot, 0);
  EXPECT_EQ(Record().lastHot, 0);
  EXPECT_NE(Rgb(composition, x, y), kMarker) << "the leave repaints";

  // Another kind of control was hot meanwhile: the next move repaints.
  Record().hotKind = skin::HotKind::Edit;
  Record().lastHot = index;
  quillora_test::DibPixel(composition, x, y) = kMarker;
  SendMessageA(bar, WM_MOUSEMOVE, 0, MAKELPARAM(100, 15));
  EXPECT_NE(Rgb(composition, x, y), kMarker);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST(TrackbarGeometryTest, PartsFollowTheChannelTheThumbAndTheRange) {
  // A horizontal channel from 10 to 190 along, 10 to 14 across.
  const RECT channel{10, 10, 190, 14};
  struct Case {
    const char* name;
    int minimum, maximum, selStart, selEnd, position;
    RECT thumb;
    int hot;
    skin::TickPlacement ticks;
    skin::TrackbarBar selection, fill;
    int thumbAlong, thumbAcross, diameter;
  };
  const skin::TrackbarBar none{};
  const Case cases[] = {
      {"selection 25-75 of 0-100", 0, 100, 25, 75, 50, {50, 2, 60, 22}, 0, skin::TickPlacement::BottomRight,
       {true, 56, 87, 11, 2}, {true, 11, 40, 11, 2}, 50, 7, 10},
      {"selection 125-175 of 100-200: the same pixels", 100, 200, 125, 175, 150, {50, 2, 60, 22}, 0,
       skin::TickPlacement::BottomRight, {true, 56, 87, 11, 2}, {true, 11, 40, 11, 2}, 50, 7, 10},
      {"at the maximum the fill runs 6 beyond the thumb centre", 0, 100, 0, 0, 100, {50, 2, 60, 22}, 0,
       skin::TickPlacement::BottomRight, none, {true, 11, 50, 11, 2}, 50, 7, 10},
      {"hot thumb is 12 wide, centred", 0, 100, 25, 75, 50, {50, 2, 60, 22}, 1, skin::TickPlacement::BottomRight,
       {true, 56, 87, 11, 2}, {true, 11, 40, 11, 2}, 49, 6, 12},
      {"both ticks: one pixel lower", 0, 100, 25, 75, 50, {50, 2, 60, 22}, 0, skin::TickPlacement::Both,
       {true, 56, 87, 11, 2}, {true, 11, 40, 11, 2}, 50, 8, 10},
      {"thumb at the end: circle ends a pixel past the channel", 0, 100, 25, 75, 99, {185, 2, 195, 22}, 0,
       skin::TickPlacement::BottomRight, {true, 56, 87, 11, 2}, {true, 11, 175, 11, 2}, 181, 7, 10},
      {"thumb at the start: circle starts with the channel, no fill", 0, 100, 25, 75, 0, {5, 2, 15, 22}, 0,
       skin::TickPlacement::BottomRight, {true, 56, 87, 11, 2}, none, 10, 7, 10},
      {"empty range: no selection", 50, 50, 50, 50, 50, {50, 2, 60, 22}, 0, skin::TickPlacement::BottomRight,
       none, {true, 11, 50, 11, 2}, 50, 7, 10},
      {"a selection under a pixel long is not drawn", 0, 100, 25, 26, 50, {50, 2, 60, 22}, 0,
       skin::TickPlacement::BottomRight, none, {true, 11, 40, 11, 2}, 50, 7, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    skin::TrackbarRecord record;
    record.selectionRange = 1;
    record.hot = c.hot;
    record.tickPlacement = c.ticks;
    skin::TrackbarState state{200, 24, channel, c.thumb, c.position, c.minimum, c.maximum, c.selStart, c.selEnd};
    if (c.selStart == 0 && c.selEnd == 0) record.selectionRange = 0;
    const skin::TrackbarGeometry g = skin::ComputeTrackbarGeometry(state, record);
    EXPECT_TRUE(g.channel.drawn);
    EXPECT_EQ(g.channel.along, 10);
    EXPECT_EQ(g.channel.length, 180);
    EXPECT_EQ(g.channel.across, 10);
    EXPECT_EQ(g.selection.drawn, c.selection.drawn);
    if (c.selection.drawn) {
      EXPECT_EQ(g.selection.along, c.selection.along);
      EXPECT_EQ(g.selection.length, c.selection.length);
      EXPECT_EQ(g.selection.across, c.selection.across);
    }
    EXPECT_EQ(g.fill.drawn, c.fill.drawn);
    if (c.fill.drawn) {
      EXPECT_EQ(g.fill.along, c.fill.along);
      EXPECT_EQ(g.fill.length, c.fill.length);
      EXPECT_EQ(g.fill.across, c.fill.across);
    }
    EXPECT_EQ(g.thumbAlong, c.thumbAlong);
    EXPECT_EQ(g.thumbAcross, c.thumbAcross);
    EXPECT_EQ(g.thumbDiameter, c.diameter);
  }
}

TEST(TrackbarGeometryTest, VerticalChannelIsReadWithItsAxesExchanged) {
  // As the system reports a vertical channel: left/right run along (down
  // the control), top/bottom across.
  skin::TrackbarRecord record;
  record.vertical = 1;
  record.selectionRange = 1;
  record.tickPlacement = skin::TickPlacement::Both;  // moves only horizontal thumbs
  const skin::TrackbarState state{24, 200, RECT{10, 10, 190, 14}, RECT{2, 50, 22, 60}, 50, 0, 100, 25, 75};
  const skin::TrackbarGeometry g = skin::ComputeTrackbarGeometry(state, record);
  EXPECT_EQ(g.channel.along, 10);
  EXPECT_EQ(g.channel.length, 180);
  EXPECT_EQ(g.selection.along, 56);
  EXPECT_EQ(g.selection.length, 87);
  EXPECT_EQ(g.fill.along, 11);
  EXPECT_EQ(g.fill.length, 40) << "from the channel's top to 4 pixels above the thumb centre";
  EXPECT_EQ(g.thumbAlong, 50);
  EXPECT_EQ(g.thumbAcross, 7);
}

TEST_F(TrackbarSkinTest, HorizontalTrackbarShowsFillThumbAndPanelAsSwitched) {
  TestWindow bar = AddTrackbar(20, 40, 200, 30, TBS_ENABLESELRANGE);
  skin::SkinTrackbars(windowIndex, frame);
  SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  SendMessageA(bar, TBM_SETPOS, TRUE, 60);
  skin::AccentColour = 0x0000FF;  // red
  RECT channel{}, thumb{};
  SendMessageA(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  SendMessageA(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  skin::TrackbarState state{200, 30, channel, thumb, 60, 0, 100, 0, 0};
  const skin::TrackbarGeometry g = skin::ComputeTrackbarGeometry(state, Track(bar));
  ASSERT_TRUE(g.fill.drawn);

  for (int panel : {1, 0}) {
    SCOPED_TRACE(panel);
    skin::TrackbarPanel = panel;
    skin::PaintTrackbar(windowIndex, Index(bar));
    const std::uint32_t fill = At(20 + g.fill.along + g.fill.length / 2, 40 + g.fill.across);
    EXPECT_GT(Red(fill), Blue(fill) + 100) << std::hex << fill;
    const int centre = g.thumbDiameter / 2;
    const std::uint32_t thumbCentre = At(20 + g.thumbAlong + centre, 40 + g.thumbAcross + centre);
    EXPECT_GT(Red(thumbCentre), 0xE0) << std::hex << thumbCentre;
    EXPECT_GT(Green(thumbCentre), 0xE0);
    EXPECT_GT(Blue(thumbCentre), 0xE0);
    // Beside the channel, away from the thumb: the panel, or the skin itself.
    const std::uint32_t beside = At(20 + 150, 40 + 26);
    if (panel != 0) {
      EXPECT_NE(beside, kGrey);
    } else {
      EXPECT_EQ(beside, kGrey);
    }
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

// A trackbar keeps its last look; a paint that copies it back must show
// exactly what a fresh paint shows, whatever changed before it.
TEST_F(TrackbarSkinTest, KeptLookPaintsWhatAFreshPaintPaints) {
  constexpr int kX = 20, kY = 40;
  struct Bar {
    const char* name;
    DWORD style;
    int width, height;
  };
  for (const Bar& shape : {Bar{"horizontal, selection range", TBS_ENABLESELRANGE, 200, 30},
                           Bar{"vertical, ticks on both sides", TBS_VERT | TBS_BOTH, 30, 160}}) {
    SCOPED_TRACE(shape.name);
    Fill(Record().backgroundDc.get(), kWidth, kHeight, kGrey);
    skin::TrackbarPanel = 1;
    skin::AccentColour = 0x0000FF;
    TestWindow bar = AddTrackbar(kX, kY, shape.width, shape.height, shape.style);
    skin::SkinTrackbars(windowIndex, frame);
    SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageA(bar, TBM_SETSEL, TRUE, MAKELPARAM(20, 80));
    SendMessageA(bar, TBM_SETPOS, TRUE, 60);
    const auto picture = [&] {
      std::vector<std::uint32_t> pixels;
      for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 220; ++x) pixels.push_back(At(kX + x, kY + y));
      return pixels;
    };
    skin::PaintTrackbar(windowIndex, Index(bar));
    ASSERT_TRUE(Track(bar).look.Holds()) << "the look is kept";

    const struct {
      const char* change;
      std::function<void()> apply;
    } cases[] = {
        {"nothing", [] {}},
        {"the position moves", [&] { SendMessageA(bar, TBM_SETPOS, TRUE, 30); }},
        {"the position reaches the end", [&] { SendMessageA(bar, TBM_SETPOS, TRUE, 100); }},
        {"the position reaches the start", [&] { SendMessageA(bar, TBM_SETPOS, TRUE, 0); }},
        {"the selection changes", [&] { SendMessageA(bar, TBM_SETSEL, TRUE, MAKELPARAM(10, 50)); }},
        {"the range changes", [&] { SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 200)); }},
        {"the mouse comes over it", [&] { Track(bar).hot = 1; }},
        {"the mouse leaves", [&] { Track(bar).hot = 0; }},
        {"the accent colour changes", [] { skin::AccentColour = 0x00C000; }},
        {"the panel is switched off", [] { skin::TrackbarPanel = 0; }},
        {"the background changes", [&] { Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x206040); }},
        {"it grows", [&] {
           SetWindowPos(bar, nullptr, 0, 0, shape.width + 10, shape.height + 10, SWP_NOMOVE | SWP_NOZORDER);
         }},
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(c.change);
      c.apply();
      skin::PaintTrackbar(windowIndex, Index(bar));
      skin::PaintTrackbar(windowIndex, Index(bar));  // copies back what the first drew
      const std::vector<std::uint32_t> kept = picture();
      const skin::FinishedImage saved = Track(bar).look;
      Track(bar).look.Forget();
      skin::PaintTrackbar(windowIndex, Index(bar));
      EXPECT_EQ(kept, picture());
      Track(bar).look = saved;
    }
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

}  // namespace
