// What a main frame does with the mouse: caption-button clicks, the caption
// strip and button hit tests, resize cursors, the hand-over of a press to
// the system's size or move loop, and the bottom-bar items.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/frames/caption_actions.h"
#include "skin/frames/frame_globals.h"
#include "skin/frames/frame_hit_tests.h"
#include "skin/frames/main_window_skin.h"
#include "tests/skin/frames/frame_test_windows.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::MakeChild;
using quillora_test::MakeFramePopup;
using quillora_test::PumpMessages;
using quillora_test::Recorded;
using quillora_test::RecordedCommands;
using quillora_test::RecordedMessages;
using quillora_test::SkinTableGuard;
using quillora_test::TestWindow;
using Kind = skin::CaptionButtonKind;

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

int RoutineCalls = 0;
INT_PTR CALLBACK CountingRoutine() {
  ++RoutineCalls;
  return 99;
}
FARPROC Routine() { return reinterpret_cast<FARPROC>(&CountingRoutine); }

class FrameInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordedMessages.clear();
    RoutineCalls = 0;
  }

  // Skins a popup of the given client size; returns its window index.
  int Skin(int width, int height, DWORD style, const skin::MainWindowSettings& settings) {
    window_ = MakeFramePopup(width, height, style);
    skin::SkinMainWindow(window_, settings);
    PumpMessages();
    RecordedMessages.clear();
    return skin::FindSkinWindow(window_);
  }

  skin::SkinWindowRecord& Record(int index) { return skin::SkinWindowTable.At(index); }

  SkinTableGuard guard_;
  TestWindow window_;
};

// ---- Caption-button clicks ----

// Help, main menu, minimize, maximize, close: numbers 1 to 5.
skin::MainWindowSettings EveryButton() {
  skin::MainWindowSettings s;
  s.helpButton = 1;
  s.menuButton = 1;
  return s;
}

TEST_F(FrameInputTest, WindowButtonsPostTheirCommand) {
  struct Case {
    int button;
    WPARAM command;
    int maximized, minimized;
  };
  for (const Case c : {Case{5, SC_CLOSE, 0, 0}, Case{3, SC_MINIMIZE, 0, 1},
                       Case{4, SC_MAXIMIZE, 1, 0}}) {
    SCOPED_TRACE(c.button);
    const int index = Skin(570, 450, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, EveryButton());
    skin::OnCaptionButtonClick(index, c.button);
    EXPECT_TRUE(RecordedCommands().empty()) << "posted, not sent";
    PumpMessages();
    EXPECT_EQ(RecordedCommands(), std::vector<WPARAM>{c.command});
    EXPECT_EQ(Record(index).maximized, c.maximized);
    EXPECT_EQ(Record(index).minimized, c.minimized);
  }
}

TEST_F(FrameInputTest, MaximizeTwiceRestoresAndSwapsTheTooltipText) {
  const int index = Skin(570, 450, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, EveryButton());
  skin::SkinWindowRecord& r = Record(index);
  r.minimized = 1;
  r.recompose = 0;
  skin::OnCaptionButtonClick(index, 4);
  EXPECT_EQ(r.maximized, 1);
  EXPECT_EQ(r.minimized, 0);
  EXPECT_EQ(r.recompose, 1);
  EXPECT_EQ(r.captionButtons[3].tooltipText, "还原");
  r.minimized = 1;
  r.recompose = 0;
  skin::OnCaptionButtonClick(index, 4);
  EXPECT_EQ(r.maximized, 0);
  EXPECT_EQ(r.minimized, 0);
  EXPECT_EQ(r.recompose, 1);
  EXPECT_EQ(r.captionButtons[3].tooltipText, "最大化");
  PumpMessages();
  EXPECT_EQ(RecordedCommands(), (std::vector<WPARAM>{SC_MAXIMIZE, SC_RESTORE}));
}

TEST_F(FrameInputTest, RoutineButtonsCallTheirRoutineOnlyWhenSet) {
  const int index = Skin(570, 450, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, EveryButton());
  skin::SkinWindowRecord& r = Record(index);
  skin::OnCaptionButtonClick(index, 1);  // help, no routine
  skin::OnCaptionButtonClick(index, 2);  // main menu, no routine
  EXPECT_EQ(RoutineCalls, 0);
  r.helpRoutine = Routine();
  skin::OnCaptionButtonClick(index, 1);
  EXPECT_EQ(RoutineCalls, 1);
  r.menuRoutine = Routine();
  skin::OnCaptionButtonClick(index, 2);
  EXPECT_EQ(RoutineCalls, 2);
  // A custom button calls its own routine.
  r.captionButtons[0].kind = Kind::Custom;
  skin::OnCaptionButtonClick(index, 1);
  EXPECT_EQ(RoutineCalls, 2);
  r.captionButtons[0].routine = Routine();
  skin::OnCaptionButtonClick(index, 1);
  EXPECT_EQ(RoutineCalls, 3);
  PumpMessages();
  EXPECT_TRUE(RecordedCommands().empty());
}

TEST_F(FrameInputTest, ButtonNumbersOutsideTheStripDoNothing) {
  const int index = Skin(570, 450, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, EveryButton());
  for (int button : {0, -1, 6, 100}) skin::OnCaptionButtonClick(index, button);
  PumpMessages();
  EXPECT_TRUE(RecordedCommands().empty());
  EXPECT_EQ(Record(index).maximized, 0);
  EXPECT_EQ(Record(index).minimized, 0);
}

// ---- Caption strip and buttons ----

TEST_F(FrameInputTest, CaptionButtonsAnswerInsideTheirEdges) {
  skin::MainWindowSettings s;
  s.menuButton = 1;
  const int index = Skin(570, 450, WS_MINIMIZEBOX, s);  // rectangles at x 478, 505, 532
  struct Case {
    int x, y, button;
  };
  const Case cases[] = {
      {478, 10, 0}, {479, 10, 1}, {503, 10, 1}, {504, 10, 0},  // edges of button 1
      {505, 10, 0}, {506, 10, 2}, {530, 10, 2}, {531, 10, 0},  // gap and button 2
      {532, 10, 0}, {533, 10, 3}, {571, 10, 3}, {572, 10, 0},  // the 40-wide close button
      {490, 1, 0},  {490, 2, 1},  {490, 18, 1}, {490, 19, 0},  // rows
      {475, 10, 0}, {490, 23, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(skin::FindCaptionButtonAt(index, c.x, c.y), c.button) << c.x << ", " << c.y;
  }
}

TEST_F(FrameInputTest, TheCaptionStripReachesTwoPixelsFurtherLeft) {
  skin::MainWindowSettings s;
  s.menuButton = 1;
  const int index = Skin(570, 450, WS_MINIMIZEBOX, s);  // strip x 476, width 95
  struct Case {
    int x, y, in;
  };
  for (const Case c : {Case{474, 0, 1}, Case{473, 0, 0}, Case{571, 22, 1}, Case{572, 5, 0},
                       Case{500, 23, 0}, Case{500, -1, 0}, Case{520, 11, 1}}) {
    EXPECT_EQ(skin::IsInCaption(index, Point(c.x, c.y)), c.in) << c.x << ", " << c.y;
  }
}

TEST_F(FrameInputTest, FindMaximizeButtonGivesTheFirstOfItsKind) {
  EXPECT_EQ(skin::FindMaximizeButton(Skin(570, 450, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, {})), 2);
  EXPECT_EQ(skin::FindMaximizeButton(Skin(570, 450, WS_MINIMIZEBOX, {})), 0);
}

// ---- Border zones, cursors and presses ----

// What a point of a 570 x 450 client answers: the zone's cursor (0: none)
// and the size command a press sends (0: the press drags instead).
struct ZoneCase {
  int x, y;
  int cursor;
  WPARAM command;
};

constexpr int kWe = 32644, kNs = 32645, kNwse = 32642, kNesw = 32643;

const ZoneCase kZoneCases[] = {
    {3, 200, kWe, 0xF001},     {4, 200, 0, 0},            {3, 10, kNwse, 0xF004},
    {0, 11, kWe, 0xF001},      {3, 439, kWe, 0xF001},     {3, 440, kNesw, 0xF007},
    {567, 200, kWe, 0xF002},   {566, 200, 0, 0},          {11, 3, kNs, 0xF003},
    {10, 3, kNwse, 0xF004},    {559, 3, kNs, 0xF003},     {560, 3, kNesw, 0xF005},
    {11, 4, 0, 0},             {200, 447, kNs, 0xF006},   {200, 446, 0, 0},
    {560, 440, kNwse, 0xF008}, {10, 440, kNesw, 0xF007},  {10, 10, kNwse, 0xF004},
    {11, 11, 0, 0},            {569, 449, kNwse, 0xF008}, {285, 225, 0, 0},
};

HCURSOR SystemCursor(int id) { return LoadCursorA(nullptr, MAKEINTRESOURCEA(id)); }

// A frame without caption buttons, so no press lands in the strip.
skin::MainWindowSettings BareFrame() {
  skin::MainWindowSettings s;
  s.frameSwitch = 1;
  s.noClose = 1;
  return s;
}

TEST_F(FrameInputTest, BorderZonesGiveTheirCursorAndSizeCommand) {
  const int index = Skin(570, 450, 0, BareFrame());
  const RECT client{0, 0, 570, 450};
  const HCURSOR arrow = SystemCursor(32512);
  for (const ZoneCase& c : kZoneCases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    SetCursor(arrow);
    skin::SetResizeCursor(index, Point(c.x, c.y), client);
    EXPECT_EQ(GetCursor(), c.cursor ? SystemCursor(c.cursor) : arrow);

    RecordedMessages.clear();
    Record(index).recompose = 0;
    SetCursor(arrow);
    skin::BeginDragOrResize(index, Point(c.x, c.y), client);
    if (c.command != 0) {
      EXPECT_EQ(RecordedCommands(), std::vector<WPARAM>{c.command});
      EXPECT_EQ(Record(index).recompose, 1);
      EXPECT_EQ(GetCursor(), SystemCursor(c.cursor));
      EXPECT_TRUE(Recorded(WM_NCLBUTTONDOWN).empty());
    } else {
      EXPECT_TRUE(RecordedCommands().empty());
      EXPECT_EQ(Record(index).recompose, 0);
      const auto drags = Recorded(WM_NCLBUTTONDOWN);
      ASSERT_EQ(drags.size(), 1u);
      EXPECT_EQ(drags[0].wParam, static_cast<WPARAM>(HTCAPTION));
      EXPECT_EQ(drags[0].lParam, 0);
    }
  }
}

TEST_F(FrameInputTest, APressOnTheCaptionButtonsStartsNothingButItsTopRowsResize) {
  const int index = Skin(570, 450, WS_MINIMIZEBOX, {});  // strip from x 503, 68 wide
  const RECT client{0, 0, 570, 450};
  struct Case {
    int x, y;
    WPARAM command;  // 0: nothing; 1: a drag
  };
  for (const Case c : {Case{513, 0, 0xF003}, Case{513, 2, 0xF003}, Case{565, 1, 0xF005},
                       Case{513, 3, 0}, Case{513, 10, 0}, Case{513, 22, 0}, Case{503, 12, 0},
                       Case{568, 23, 0xF002}, Case{513, 23, 1}}) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    RecordedMessages.clear();
    skin::BeginDragOrResize(index, Point(c.x, c.y), client);
    if (c.command > 1) {
      EXPECT_EQ(RecordedCommands(), std::vector<WPARAM>{c.command});
    } else {
      EXPECT_TRUE(RecordedCommands().empty());
      EXPECT_EQ(Recorded(WM_NCLBUTTONDOWN).size(), c.command);
    }
  }
}

TEST_F(FrameInputTest, APressOverAnyChildOrWithoutDragAnywhereDoesNotDrag) {
  const int index = Skin(570, 450, 0, BareFrame());
  const RECT client{0, 0, 570, 450};
  TestWindow shown = MakeChild(window_, 100, 100, 50, 50);
  TestWindow hidden = MakeChild(window_, 300, 100, 50, 50, "Static", WS_CHILD);
  skin::BeginDragOrResize(index, Point(120, 120), client);
  skin::BeginDragOrResize(index, Point(320, 120), client);
  EXPECT_TRUE(Recorded(WM_NCLBUTTONDOWN).empty());
  skin::BeginDragOrResize(index, Point(200, 300), client);
  EXPECT_EQ(Recorded(WM_NCLBUTTONDOWN).size(), 1u);

  RecordedMessages.clear();
  Record(index).dragAnywhere = 0;
  skin::BeginDragOrResize(index, Point(200, 300), client);
  EXPECT_TRUE(RecordedMessages.empty());
  skin::BeginDragOrResize(index, Point(3, 200), client);  // resizing is not gated by it
  EXPECT_EQ(RecordedCommands(), std::vector<WPARAM>{0xF001});
}

TEST_F(FrameInputTest, AFrameThatIsNotSizableShowsNoCursorAndDragsFromItsBorder) {
  skin::MainWindowSettings s = BareFrame();
  s.sizable = 0;
  const int index = Skin(570, 450, 0, s);
  const RECT client{0, 0, 570, 450};
  const HCURSOR arrow = SystemCursor(32512);
  for (const ZoneCase& c : kZoneCases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    SetCursor(arrow);
    skin::SetResizeCursor(index, Point(c.x, c.y), client);
    EXPECT_EQ(GetCursor(), arrow);
    RecordedMessages.clear();
    skin::BeginDragOrResize(index, Point(c.x, c.y), client);
    EXPECT_TRUE(RecordedCommands().empty());
    EXPECT_EQ(Recorded(WM_NCLBUTTONDOWN).size(), 1u);
  }
}

TEST_F(FrameInputTest, FrameSwitchZeroStillDragsButNeverResizes) {
  skin::MainWindowSettings s;
  s.frameSwitch = 0;
  const int index = Skin(570, 450, 0, s);
  const RECT client{0, 0, 570, 450};
  skin::BeginDragOrResize(index, Point(3, 200), client);
  EXPECT_TRUE(RecordedCommands().empty());
  EXPECT_EQ(Recorded(WM_NCLBUTTONDOWN).size(), 1u);
}

// ---- Bottom bar ----

TEST_F(FrameInputTest, BottomBarItemsAnswerInsideTheirEdges) {
  skin::MainWindowSettings s;
  s.frameSwitch = 1;
  s.bottomBarHeight = 24;
  s.bottomItems = std::vector<skin::BottomBarItem>{{100, {}, {}, 0}, {-1, {}, {}, 0},
                                                   {-1, {}, {}, 0}, {50, {}, {}, 0}};
  const int index = Skin(600, 400, 0, s);  // bar (3, 372, 594, 24); items at 3, 103, 325, 547
  struct Case {
    int x, y, item;
  };
  for (const Case c : {Case{50, 380, 1}, Case{3, 380, 0}, Case{4, 380, 1}, Case{103, 380, 0},
                       Case{104, 380, 2}, Case{400, 380, 3}, Case{560, 380, 4}, Case{596, 380, 4}, Case{597, 380, 0},
                       Case{50, 372, 0}, Case{50, 373, 1}, Case{50, 395, 1}, Case{50, 396, 0},
                       Case{50, 371, 0}, Case{50, 397, 0}}) {
    EXPECT_EQ(skin::FindBottomBarItemAt(index, c.x, c.y), c.item) << c.x << ", " << c.y;
  }
  // A press on the bar starts nothing; beside it the border still resizes.
  const RECT client{0, 0, 600, 400};
  skin::BeginDragOrResize(index, Point(300, 380), client);
  skin::BeginDragOrResize(index, Point(5, 395), client);
  EXPECT_TRUE(RecordedMessages.empty());
  skin::BeginDragOrResize(index, Point(300, 397), client);
  EXPECT_EQ(RecordedCommands(), std::vector<WPARAM>{0xF006});
}

TEST_F(FrameInputTest, WithoutABottomBarNoItemAnswers) {
  const int index = Skin(600, 400, 0, {});
  for (int y : {0, 372, 380, 399}) EXPECT_EQ(skin::FindBottomBarItemAt(index, 50, y), 0);
}

}  // namespace
