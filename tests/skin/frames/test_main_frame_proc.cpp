// The main frame's window procedure: when it composes and when it paints
// from the cache, the caption-button hover fades, clicks and window
// commands, the work-area rule, closing and the end of the skin.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "gdip/gdip_graphics.h"
#include "gdip/gdiplus_startup.h"
#include "runtime/gdi_object.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/frames/caption_button_paint.h"
#include "skin/frames/close_effects.h"
#include "skin/frames/drop_shadow.h"
#include "skin/frames/frame_globals.h"
#include "skin/frames/main_frame_compose.h"
#include "tests/skin/frames/frame_proc_fixture.h"

namespace {

using quillora_test::Pixels;
using quillora_test::PumpMessages;
using quillora_test::Recorded;
using quillora_test::RecordedCommands;
using quillora_test::RecordedMessages;
using quillora_test::TestWindow;

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

// Points over the installer frame's caption buttons: main menu, minimize,
// close.
constexpr POINT kButton[] = {{}, {490, 10}, {518, 10}, {550, 10}};
// Inner parts of buttons 2 and 3, clear of the separators their
// neighbours draw.
constexpr RECT kInner[] = {{}, {}, {509, 4, 528, 16}, {537, 4, 568, 16}};

class MainFrameProcTest : public quillora_test::FrameProcTest {
 protected:
  static void Move(HWND w, int x, int y) { SendMessageA(w, WM_MOUSEMOVE, 0, Point(x, y)); }
  // The hover report has come, as it does 1 ms after the first move.
  static void MoveTo(HWND w, int button) {
    SendMessageA(w, WM_MOUSEHOVER, 0, 0);
    Move(w, kButton[button].x, kButton[button].y);
  }
  static void Tick(HWND w, int times = 1) {
    for (int i = 0; i < times; ++i) SendMessageA(w, WM_TIMER, reinterpret_cast<WPARAM>(w), 0);
  }
  static std::vector<COLORREF> Inner(HWND w, int button) {
    const RECT& r = kInner[button];
    return Pixels(Record(w).backgroundDc.get(), r.left, r.top, r.right, r.bottom);
  }
  // The same button of a second, identical frame painted at `alpha`.
  std::vector<COLORREF> Reference(int button, int alpha) {
    if (!reference_) {
      reference_ = Frame();
      reference_ = Frame();  // the table's last record is the reference
    }
    skin::SkinWindowRecord& r = Record(reference_);
    const int index = skin::SkinWindowTable.Count();
    if (r.backgroundDc.get() == nullptr) skin::ComposeMainFrame(index, false);
    skin::PaintCaptionButton(index, button, false, alpha);
    const RECT& in = kInner[button];
    return Pixels(r.backgroundDc.get(), in.left, in.top, in.right, in.bottom);
  }

  TestWindow reference_;
};

// ---- Painting ----

TEST_F(MainFrameProcTest, OnlyAShowBeforeAnyHideComposes) {
  TestWindow w = Frame(WS_MINIMIZEBOX, false);
  skin::SkinWindowRecord& r = Record(w);
  ASSERT_EQ(r.backgroundDc.get(), nullptr);
  ShowWindow(w, SW_SHOWNOACTIVATE);
  EXPECT_NE(r.backgroundDc.get(), nullptr);
  EXPECT_EQ(r.shownComposed, 1);
  EXPECT_EQ(r.recompose, 0);
  EXPECT_EQ(r.hidden, 0);
  EXPECT_EQ(Recorded(WM_SHOWWINDOW).size(), 1u) << "the saved procedure follows";

  ShowWindow(w, SW_HIDE);
  EXPECT_EQ(r.hidden, 1);
  EXPECT_EQ(r.shownComposed, 0);
  r.backgroundDc.reset();
  ShowWindow(w, SW_SHOWNOACTIVATE);
  EXPECT_EQ(r.backgroundDc.get(), nullptr) << "a show after a hide leaves the drawing to WM_PAINT";
  EXPECT_EQ(r.hidden, 1);
}

TEST_F(MainFrameProcTest, PaintComposesWhileRecomposeIsSetAndOtherwiseCopiesTheCache) {
  TestWindow w = Frame();
  skin::SkinWindowRecord& r = Record(w);
  r.backgroundDc.reset();
  r.recompose = 1;
  r.erasedSincePaint = 1;
  r.shownComposed = 1;
  EXPECT_EQ(SendMessageA(w, WM_PAINT, 0, 0), 0);
  EXPECT_NE(r.backgroundDc.get(), nullptr);
  EXPECT_EQ(r.recompose, 0);
  EXPECT_EQ(r.erasedSincePaint, 0);
  EXPECT_EQ(r.shownComposed, 0);

  // From the cache: nothing is composed again.
  const HDC cached = r.backgroundDc.get();
  SetPixel(cached, 100, 100, 0x0000FF);
  EXPECT_EQ(SendMessageA(w, WM_PAINT, 0, 0), 0);
  EXPECT_EQ(r.backgroundDc.get(), cached);
  EXPECT_EQ(GetPixel(cached, 100, 100), 0x0000FFu);

  // Minimized: nothing is painted and the pending recompose is dropped.
  r.minimized = 1;
  r.recompose = 1;
  r.backgroundDc.reset();
  SendMessageA(w, WM_PAINT, 0, 0);
  EXPECT_EQ(r.backgroundDc.get(), nullptr);
  EXPECT_EQ(r.recompose, 0);
  EXPECT_EQ(Recorded(WM_PAINT).size(), 0u) << "the saved procedure never paints";
}

TEST_F(MainFrameProcTest, EraseAnswersOneAndCopiesOnlyWhileAComposeIsPending) {
  TestWindow w = Frame();
  skin::SkinWindowRecord& r = Record(w);
  struct Case {
    int recompose, sizing, shownComposed, erased, copies;
  };
  const Case cases[] = {{1, 0, 0, 0, 1}, {0, 0, 0, 0, 0}, {1, 1, 0, 0, 0}, {1, 0, 1, 0, 0}, {1, 0, 0, 1, 0}};
  const HDC dc = GetDC(w);
  for (const Case& c : cases) {
    r.recompose = c.recompose;
    r.sizing = c.sizing;
    r.shownComposed = c.shownComposed;
    r.erasedSincePaint = c.erased;
    EXPECT_EQ(SendMessageA(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    EXPECT_EQ(r.erasedSincePaint, c.erased | c.copies) << c.recompose << c.sizing << c.shownComposed << c.erased;
  }
  // Without a composition image there is nothing to copy.
  r.compositionDc.reset();
  r.recompose = 1;
  r.sizing = r.shownComposed = r.erasedSincePaint = 0;
  EXPECT_EQ(SendMessageA(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(r.erasedSincePaint, 0);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  ReleaseDC(w, dc);
  EXPECT_TRUE(Recorded(WM_ERASEBKGND).empty());
}

TEST_F(MainFrameProcTest, ANewWindowTextShowsInTheCaptionAtOnce) {
  TestWindow w = Frame();
  skin::SkinWindowRecord& r = Record(w);
  const int index = static_cast<int>(skin::prop::Read(w, skin::prop::kIndex));
  r.titleColour = 0x0000FF;
  r.titleColour2 = 0x00FF00;
  skin::ComposeMainFrame(index, true);
  PumpMessages();
  // The caption rows of the window's own surface.
  const auto caption = [&] {
    const rt::WindowDc dc(w, GetDCEx(w, nullptr, DCX_WINDOW | DCX_CACHE));
    return Pixels(dc.get(), 0, 0, 570, 25);
  };
  const std::vector<COLORREF> before = caption();
  SetWindowTextA(w, "I");
  const std::vector<COLORREF> shown = caption();
  EXPECT_TRUE(shown != before) << "the caption was repainted";
  skin::ComposeMainFrame(index, true);
  EXPECT_TRUE(shown == caption()) << "the same as a frame composed with the new text";
}

TEST_F(MainFrameProcTest, OnlyTheProcessesFirstSizeSkipsTheRecompose) {
  TestWindow first = Frame();
  TestWindow second = Frame();
  skin::FirstSizePending = 1;
  Record(first).hoverButton = 2;
  SendMessageA(first, WM_SIZE, 0, MAKELPARAM(570, 450));
  EXPECT_EQ(Record(first).recompose, 0);
  EXPECT_EQ(Record(first).hoverButton, 0);
  EXPECT_EQ(skin::FirstSizePending, 0);
  SendMessageA(second, WM_SIZE, 0, MAKELPARAM(570, 450));
  EXPECT_EQ(Record(second).recompose, 1) << "the first size is the process's, not each frame's";
  Record(first).recompose = 0;
  SendMessageA(first, WM_SIZE, 0, MAKELPARAM(570, 450));
  EXPECT_EQ(Record(first).recompose, 1);
  EXPECT_EQ(Recorded(WM_SIZE).size(), 3u);
}

// Anchored children follow the client size, companions the frame's place
// and visibility, and a composing paint that follows a restore repaints
// the list views.
TEST_F(MainFrameProcTest, AnchorsCompanionsAndListViewsFollowTheFrame) {
  TestWindow w = Frame();
  skin::SkinWindowRecord& r = Record(w);
  TestWindow anchored = quillora_test::MakeChild(w, 10, 40, 50, 50);
  TestWindow wide = quillora_test::MakeChild(w, 10, 100, 50, 50);
  r.anchors = {{anchored, 40, 10, 0}, {wide, 100, 0, 1}, {}};
  TestWindow companion = quillora_test::MakePopup(0, 0, 30, 30, w);
  r.companions = {{companion, 0, 15, 25}};

  SendMessageA(w, WM_SIZE, 0, MAKELPARAM(570, 450));
  RECT a = skin::GetRectInParentClient(anchored), b = skin::GetRectInParentClient(wide);
  EXPECT_EQ(a.left, 10);
  EXPECT_EQ(a.right, 568);
  EXPECT_EQ(a.bottom, 448);
  EXPECT_EQ(b.left, 2);
  EXPECT_EQ(b.right, 568);
  EXPECT_EQ(b.bottom, 446);

  SetWindowPos(w, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT c{};
  GetWindowRect(companion, &c);
  EXPECT_EQ(c.left, 115);
  EXPECT_EQ(c.top, 145);
  ShowWindow(w, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(companion));

  // Inside a panel, so the composition's own child repaint does not reach
  // it.
  TestWindow panel = quillora_test::MakeChild(w, 10, 200, 200, 200);
  TestWindow view = quillora_test::MakeChild(panel, 10, 10, 100, 100, WC_LISTVIEWA);
  ASSERT_NE(view.get(), nullptr);
  const int index = quillora_test::ListControl(r.listControls, view, skin::FindSkinWindow(w));
  ShowWindow(w, SW_SHOWNOACTIVATE);
  r.recompose = 1;
  r.repaintPending = 1;
  SendMessageA(w, WM_PAINT, 0, 0);
  EXPECT_EQ(r.listControls.At(index).dirty, 1);
  EXPECT_EQ(r.repaintPending, 0);
}

// ---- Caption hover fades ----

TEST_F(MainFrameProcTest, EnteringAButtonFadesItInOverEightTicks) {
  TestWindow w = Frame();
  MoveTo(w, 3);
  EXPECT_EQ(skin::HotCaptionButton, 3);
  EXPECT_EQ(Record(w).hoverTimer, 1);
  Tick(w, 7);
  EXPECT_EQ(Inner(w, 3), Reference(3, 210));
  Tick(w);
  EXPECT_EQ(Inner(w, 3), Reference(3, 240));
  // Other timers only reach the saved procedure.
  RecordedMessages.clear();
  SendMessageA(w, WM_TIMER, 7, 0);
  EXPECT_EQ(Record(w).fadeIn.step, 8);
  EXPECT_EQ(Recorded(WM_TIMER).size(), 1u);
}

TEST_F(MainFrameProcTest, MovingOnToTheNextButtonFadesBothInTheSameTicks) {
  TestWindow w = Frame();
  MoveTo(w, 3);
  Tick(w, 8);
  MoveTo(w, 2);
  Tick(w);
  EXPECT_EQ(Inner(w, 2), Reference(2, 30));
  EXPECT_EQ(Inner(w, 3), Reference(3, 210));
  Tick(w, 7);
  EXPECT_EQ(Inner(w, 2), Reference(2, 240));
  EXPECT_EQ(Inner(w, 3), Reference(3, 0));
}

TEST_F(MainFrameProcTest, LeavingDuringTheFadeInFadesOutFromTheTopAndThenGoesIdle) {
  TestWindow w = Frame();
  skin::SkinWindowRecord& r = Record(w);
  MoveTo(w, 3);
  EXPECT_EQ(r.hoverReported, 1);
  Tick(w, 4);
  SendMessageA(w, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(r.hoverReported, 0);
  EXPECT_EQ(r.fadeIn.button, 0);
  Tick(w);
  EXPECT_EQ(Inner(w, 3), Reference(3, 210));
  Tick(w, 6);
  EXPECT_EQ(r.fadeOut.button, 3) << "still fading";
  Tick(w);
  EXPECT_EQ(Inner(w, 3), Reference(3, 0));
  EXPECT_EQ(r.hoverButton, 0);
  EXPECT_EQ(r.hoverTimer, 0);
  EXPECT_EQ(r.fadeOut.button, 0);
  EXPECT_EQ(r.fadeOut.step, 0);
  EXPECT_FALSE(KillTimer(w, reinterpret_cast<UINT_PTR>(w.get()))) << "the timer was stopped";
}

// ---- Clicks and window commands ----

TEST_F(MainFrameProcTest, TheButtonUnderTheMouseAtTheReleaseIsClicked) {
  TestWindow w = Frame();
  SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, Point(kButton[2].x, kButton[2].y));
  EXPECT_EQ(skin::HotCaptionButton, 2);
  MoveTo(w, 3);
  SendMessageA(w, WM_LBUTTONUP, 0, Point(kButton[3].x, kButton[3].y));
  PumpMessages();
  EXPECT_EQ(RecordedCommands(), std::vector<WPARAM>{SC_CLOSE});
  EXPECT_EQ(Recorded(WM_LBUTTONDOWN).size(), 1u);
  EXPECT_EQ(Recorded(WM_LBUTTONUP).size(), 1u);
}

TEST_F(MainFrameProcTest, ACaptionDoubleClickMaximizesASizableFrameWithAMaximizeButton) {
  struct Case {
    DWORD style;
    int sizable, y;
    bool maximizes;
  };
  for (const Case c : {Case{WS_MAXIMIZEBOX, 1, 25, true}, Case{WS_MAXIMIZEBOX, 1, 26, false},
                       Case{0, 1, 10, false}, Case{WS_MAXIMIZEBOX, 0, 10, false}}) {
    SCOPED_TRACE(testing::Message() << c.style << " " << c.sizable << " " << c.y);
    skin::MainWindowSettings s = MenuAndNoIcon();
    s.sizable = c.sizable;
    TestWindow w = Frame(WS_MINIMIZEBOX | c.style, true, s);
    SendMessageA(w, WM_LBUTTONDBLCLK, 0, Point(200, c.y));
    PumpMessages();
    EXPECT_EQ(Record(w).maximized, c.maximizes ? 1 : 0);
    EXPECT_EQ(RecordedCommands(), c.maximizes ? std::vector<WPARAM>{SC_MAXIMIZE} : std::vector<WPARAM>{});
    EXPECT_EQ(Recorded(WM_LBUTTONDBLCLK).size(), 1u);
  }
}

TEST_F(MainFrameProcTest, WindowCommandsSetTheStateFlagsAndTheShadow) {
  TestWindow w = Frame();
  ASSERT_TRUE(skin::SetWindowShadow(w));
  ASSERT_NE(Record(w).shadowHwnd, nullptr);
  skin::SkinWindowRecord& r = Record(w);
  const HWND shadow = r.shadowHwnd;
  ShowWindow(shadow, SW_SHOWNA);
  struct Case {
    WPARAM command;
    int maximized, minimized, recompose;
    bool shadowShown;
  };
  // SC_RESTORE leaves `maximized` to the restore click, so the shadow stays
  // hidden; 0xF032 differs from SC_MAXIMIZE only in its low bits.
  const Case cases[] = {{0xF032, 0, 0, 0, true},
                        {SC_MAXIMIZE, 1, 0, 1, false},
                        {SC_RESTORE, 1, 0, 1, false},
                        {SC_MINIMIZE, 1, 1, 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    r.recompose = 0;
    SendMessageA(w, WM_SYSCOMMAND, c.command, 0);
    EXPECT_EQ(r.maximized, c.maximized);
    EXPECT_EQ(r.minimized, c.minimized);
    EXPECT_EQ(r.recompose, c.recompose);
    EXPECT_EQ(IsWindowVisible(shadow) != 0, c.shadowShown);
  }
  // Opening the minimized frame again: the shadow only comes back for a
  // frame that is not maximized.
  SendMessageA(w, WM_QUERYOPEN, 0, 0);
  EXPECT_EQ(r.minimized, 0);
  EXPECT_EQ(r.repaintPending, 1);
  EXPECT_FALSE(IsWindowVisible(shadow));
  r.maximized = 0;
  r.minimized = 1;
  SendMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(r.minimized, 0);
  EXPECT_TRUE(IsWindowVisible(shadow));
  EXPECT_EQ(RecordedCommands(), (std::vector<WPARAM>{0xF032, SC_MAXIMIZE, SC_RESTORE, SC_MINIMIZE, SC_RESTORE}));
}

TEST_F(MainFrameProcTest, TrackSizesWhileMaximizedKeepToTheWorkArea) {
  TestWindow w = Frame();
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  MINMAXINFO info{};
  info.ptMinTrackSize = {1, 2};
  info.ptMaxTrackSize = {3, 4};
  info.ptMaxSize = {5, 6};
  SendMessageA(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 1) << "not maximized: unchanged";
  EXPECT_EQ(info.ptMaxTrackSize.y, 4);
  Record(w).maximized = 1;
  SendMessageA(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMinTrackSize.y, 150);
  EXPECT_EQ(info.ptMaxTrackSize.x, area.right - area.left);
  EXPECT_EQ(info.ptMaxTrackSize.y, area.bottom - area.top);
  EXPECT_EQ(info.ptMaxSize.x, 5);
  EXPECT_EQ(Recorded(WM_GETMINMAXINFO).size(), 2u);
}

TEST_F(MainFrameProcTest, AFrameAsLargeAsTheScreenIsBroughtToTheWorkArea) {
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  for (DWORD style : {DWORD{WS_MAXIMIZEBOX}, DWORD{0}}) {
    TestWindow w = Frame(WS_MINIMIZEBOX | style);
    SetWindowPos(w, nullptr, 40, 40, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT now{};
    GetWindowRect(w, &now);
    if (style != 0) {
      EXPECT_EQ(Record(w).maximized, 1);
      EXPECT_EQ(now.left, 0);
      EXPECT_EQ(now.top, 0);
      EXPECT_EQ(now.right, area.right - area.left);
      EXPECT_EQ(now.bottom, area.bottom - area.top);
    } else {
      EXPECT_EQ(Record(w).maximized, 0) << "without the maximize style it stays full-screen";
      EXPECT_EQ(now.right - now.left, cx);
    }
  }
}

TEST_F(MainFrameProcTest, ActivationFlags) {
  TestWindow w = Frame();
  skin::SkinWindowRecord& r = Record(w);
  struct Case {
    UINT message;
    WPARAM wParam;
    int active;
  };
  // WA_INACTIVE with the minimized flag is positive as a whole.
  for (const Case c : {Case{WM_ACTIVATE, 0x10000, 1}, Case{WM_ACTIVATE, 0, 0}, Case{WM_ACTIVATE, 1, 1},
                       Case{WM_ACTIVATEAPP, 0, 0}, Case{WM_ACTIVATEAPP, 1, 1}}) {
    r.active = 1 - c.active;
    SendMessageA(w, c.message, c.wParam, 0);
    EXPECT_EQ(r.active, c.active) << c.message << " " << c.wParam;
  }
}

// ---- Closing and the end of the skin ----

int CloseAnswer = 0;
int CloseQueries = 0;
INT_PTR WINAPI CloseQuery() {
  ++CloseQueries;
  return CloseAnswer;
}

TEST_F(MainFrameProcTest, ARefusedCloseQueryStopsEverything) {
  TestWindow w = Frame();
  ASSERT_TRUE(skin::SetWindowShadow(w));
  ASSERT_NE(Record(w).shadowHwnd, nullptr);
  skin::SkinWindowRecord& r = Record(w);
  r.closeQueryRoutine = reinterpret_cast<FARPROC>(&CloseQuery);
  CloseQueries = 0;
  for (int answer : {0, 2}) {
    CloseAnswer = answer;
    EXPECT_EQ(SendMessageA(w, WM_CLOSE, 0, 0), 0);
  }
  EXPECT_EQ(CloseQueries, 2);
  EXPECT_TRUE(Recorded(WM_CLOSE).empty());
  EXPECT_TRUE(IsWindow(r.shadowHwnd));
}

// The application refuses the close after the frame let it through: the
// shadow that went is forgotten, so nothing later reaches its dead handle.
TEST_F(MainFrameProcTest, ARefusedApplicationCloseLeavesNoDeadShadowBehind) {
  TestWindow w = Frame();
  ASSERT_TRUE(skin::SetWindowShadow(w));
  ASSERT_NE(Record(w).shadowHwnd, nullptr);
  skin::SkinWindowRecord& r = Record(w);
  const HWND shadow = r.shadowHwnd;
  r.closeQueryRoutine = reinterpret_cast<FARPROC>(&CloseQuery);
  CloseAnswer = 1;
  SendMessageA(w, WM_CLOSE, 0, 0);
  EXPECT_EQ(Recorded(WM_CLOSE).size(), 1u);
  EXPECT_FALSE(IsWindow(shadow));
  EXPECT_EQ(r.shadowHwnd, nullptr);
  // Shows, hides, enables and commands go on without a shadow.
  ShowWindow(w, SW_HIDE);
  ShowWindow(w, SW_SHOWNOACTIVATE);
  EnableWindow(w, FALSE);
  EnableWindow(w, TRUE);
  SendMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0);
  SendMessageA(w, WM_QUERYOPEN, 0, 0);
  EXPECT_EQ(r.shadowHwnd, nullptr);
  EXPECT_TRUE(IsWindow(w));
}

// The fade leaves the window layered at alpha 0; the application's close
// handling sees it so.
TEST_F(MainFrameProcTest, TheCloseEffectPlaysBeforeTheApplicationSeesTheClose) {
  {
    // Where the animation is not built, a window stays as it is.
    TestWindow probe = Frame();
    skin::AnimateCloseFade(probe, 0);
    if ((GetWindowLongPtrA(probe, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) {
      GTEST_SKIP() << "the close animations are not built in this tree";
    }
  }
  TestWindow w = Frame();
  Record(w).closeEffect = skin::CloseEffect::Fade;
  // The fade drives the window through UpdateLayeredWindow, whose alpha
  // GetLayeredWindowAttributes does not report: what shows it played first
  // is the layered style and its pauses (316 ms in all) already gone by.
  bool layered = false;
  DWORD reachedAfter = 0;
  const DWORD start = GetTickCount();
  quillora_test::OnSavedClose = [&](HWND hwnd) {
    layered = (GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    reachedAfter = GetTickCount() - start;
  };
  SendMessageA(w, WM_CLOSE, 0, 0);
  EXPECT_TRUE(layered);
  EXPECT_GE(reachedAfter, 300u);
}

TEST_F(MainFrameProcTest, DestroyingTheWindowReleasesTheSkinAndStillReachesTheSavedProcedure) {
  TestWindow w = Frame();
  const HWND hwnd = w;
  MoveTo(w, 3);  // the hover timer runs
  ASSERT_EQ(skin::SkinWindowTable.Count(), 1);
  DestroyWindow(hwnd);
  EXPECT_EQ(skin::SkinWindowTable.Count(), 0);
  EXPECT_EQ(Recorded(WM_DESTROY).size(), 1u);
  EXPECT_EQ(Recorded(WM_NCDESTROY).size(), 1u);
}

// A loop's WM_QUIT is never dispatched; one sent to the frame only reaches
// the saved procedure, and GDI+ keeps running until the engine shuts it
// down after the loop.
TEST_F(MainFrameProcTest, WmQuitIsOnlyPassedOn) {
  TestWindow w = Frame();
  const ULONG_PTR token = gdip::GdiplusToken;
  SendMessageA(w, WM_QUIT, 0, 0);
  EXPECT_EQ(gdip::GdiplusToken, token);
  EXPECT_EQ(Recorded(WM_QUIT).size(), 1u);
}

// ---- A release inside a modal loop ----

// The press starts the system's size loop (here: the saved procedure's
// window command), inside which an earlier frame is destroyed, so this
// frame's window index changes before the press is finished.
TEST_F(MainFrameProcTest, AnEarlierFrameReleasedDuringADragLeavesThisOneIntact) {
  TestWindow first = Frame();
  TestWindow second = Frame();
  ASSERT_EQ(skin::prop::Read(second, skin::prop::kIndex), 2);
  quillora_test::OnSavedCommand = [&](HWND, WPARAM) { DestroyWindow(first); };
  SendMessageA(second, WM_LBUTTONDOWN, MK_LBUTTON, Point(3, 200));  // the left border
  EXPECT_FALSE(IsWindow(first));
  ASSERT_EQ(skin::SkinWindowTable.Count(), 1);
  EXPECT_EQ(skin::SkinWindowTable.At(1).hwnd, second.get());
  EXPECT_EQ(skin::prop::Read(second, skin::prop::kIndex), 1);
  EXPECT_EQ(Recorded(WM_LBUTTONDOWN).size(), 1u);
  // The same frame's own release inside the loop: the rest is left alone.
  quillora_test::OnSavedCommand = [&](HWND hwnd, WPARAM) { DestroyWindow(hwnd); };
  SendMessageA(second, WM_LBUTTONDOWN, MK_LBUTTON, Point(3, 200));
  EXPECT_EQ(skin::SkinWindowTable.Count(), 0);
}

}  // namespace
