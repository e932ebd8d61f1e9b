// The button window procedure: what it answers itself and what reaches
// the previous procedure, hot tracking, leave paints, the click animation,
// and check boxes keeping the skinned look after native repaints.
#include <gtest/gtest.h>

#include <vector>

#include "skin/buttons/button_proc.h"
#include "skin/buttons/check_box_painter.h"
#include "skin/core/engine_globals.h"
#include "tests/skin/buttons/button_fixture.h"

namespace {

using quillora_test::Near;
using quillora_test::Rgb3;

// A procedure beneath the skin's that counts what it is handed.
std::vector<UINT> g_seen;
WNDPROC g_native = nullptr;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  g_seen.push_back(message);
  return CallWindowProcA(g_native, window, message, wParam, lParam);
}

std::vector<int> g_frames;
std::vector<DWORD> g_pauses;
void RecordFrame(HWND window, int frame) { g_frames.push_back(frame); }
void RecordPause(DWORD milliseconds) { g_pauses.push_back(milliseconds); }

class ButtonProcTest : public quillora_test::SkinnedButtonTest {
 protected:
  void SetUp() override {
    SkinnedButtonTest::SetUp();
    g_native = Button(1).oldProc;
    for (HWND button : {push.get(), check.get()})
      skin::prop::WriteHandle(button, skin::prop::kOldProc, &CountingProc);
    g_seen.clear();
    g_frames.clear();
    g_pauses.clear();
    steps = skin::SetClickAnimationSteps({&RecordFrame, &RecordPause});
  }
  void TearDown() override {
    skin::SetClickAnimationSteps(steps);
    ReleaseCapture();
    SkinnedButtonTest::TearDown();
  }
  bool Seen(UINT message) const {
    for (UINT m : g_seen)
      if (m == message) return true;
    return false;
  }
  skin::ClickAnimationSteps steps;
};

TEST_F(ButtonProcTest, MessagesAnsweredOrPassedOn) {
  HDC screen = GetDC(nullptr);
  struct Case {
    const char* name;
    int button;  // 1 push, 2 check box
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int mouseDown;
    bool passed;
    LRESULT result;  // checked when not passed on
  };
  const Case cases[] = {
      {"erase", 1, WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen), 0, 0, false, 1},
      {"erase check", 2, WM_ERASEBKGND, reinterpret_cast<WPARAM>(screen), 0, 0, false, 1},
      {"double click", 1, WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3), 0, false, 0},
      {"double click check", 2, WM_LBUTTONDBLCLK, 0, MAKELPARAM(3, 3), 0, false, 0},
      {"non-client paint", 1, WM_NCPAINT, 1, 0, 0, false, 0},
      {"un-highlight while held", 1, BM_SETSTATE, 0, 0, 1, false, 0},
      {"highlight while held", 1, BM_SETSTATE, 1, 0, 1, true, 0},
      {"un-highlight after release", 1, BM_SETSTATE, 0, 0, 0, true, 0},
      {"paint push", 1, WM_PAINT, 0, 0, 0, true, 0},
      {"paint check", 2, WM_PAINT, 0, 0, 0, false, 0},
      {"check push", 1, BM_SETCHECK, BST_CHECKED, 0, 0, true, 0},
      {"check check box", 2, BM_SETCHECK, BST_CHECKED, 0, 0, true, 0},
      {"space", 2, WM_KEYDOWN, VK_SPACE, 0, 0, true, 0},
      {"other key", 2, WM_KEYDOWN, 'A', 0, 0, true, 0},
      {"enable", 2, WM_ENABLE, TRUE, 0, 0, true, 0},
      {"move", 1, WM_MOVE, 0, 0, 0, true, 0},
      {"position changing", 1, WM_WINDOWPOSCHANGING, 0, 0, 0, true, 0},
      {"kill focus", 2, WM_KILLFOCUS, 0, 0, 0, true, 0},
      {"button up", 1, WM_LBUTTONUP, 0, MAKELPARAM(3, 3), 1, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND button = c.button == 1 ? push.get() : check.get();
    Button(c.button).mouseDown = c.mouseDown;
    g_seen.clear();
    WINDOWPOS pos{};
    const LPARAM lParam = c.message == WM_WINDOWPOSCHANGING ? reinterpret_cast<LPARAM>(&pos) : c.lParam;
    const LRESULT result = SendMessageA(button, c.message, c.wParam, lParam);
    EXPECT_EQ(Seen(c.message), c.passed);
    if (!c.passed && c.message != WM_NCPAINT) {
      EXPECT_EQ(result, c.result);
    }
  }
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(Button(1).mouseDown, 0);  // the release cleared it
  EXPECT_EQ(Record().lastHot, 0);
}

TEST_F(ButtonProcTest, FocusCaptionAndMouseStateLandInTheRecord) {
  SendMessageA(push, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(Button(1).hasFocus, 1);
  EXPECT_TRUE(Seen(WM_SETFOCUS));
  SendMessageA(push, WM_KILLFOCUS, 0, 0);
  EXPECT_EQ(Button(1).hasFocus, 0);

  SendMessageA(push, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("新的"));
  EXPECT_EQ(Button(1).caption, "新的");
  EXPECT_TRUE(Seen(WM_SETTEXT));
  SendMessageA(push, WM_SETTEXT, 0, 0);  // a null text: an empty caption
  EXPECT_EQ(Button(1).caption, "");

  SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  EXPECT_EQ(Button(1).mouseDown, 1);
  g_seen.clear();
  EXPECT_EQ(SendMessageA(push, BM_SETSTATE, 0, 0), 0);
  EXPECT_FALSE(Seen(BM_SETSTATE));
  SendMessageA(push, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(Button(1).mouseDown, 0);
}

TEST_F(ButtonProcTest, AButtonNotNamingItsOwnRecordIsLeftToItsPreviousProcedure) {
  skin::prop::Write(push, skin::prop::kIndex, 2);  // the check box's record
  MarkComposition();
  const LRESULT erased = SendMessageA(push, WM_ERASEBKGND, 0, 0);
  EXPECT_TRUE(Seen(WM_ERASEBKGND));
  (void)erased;
  SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(Seen(WM_MOUSEMOVE));
  EXPECT_FALSE(Repainted(push));
  EXPECT_EQ(Record().hot, 0);
  EXPECT_EQ(Button(2).caption, "Option");
  SendMessageA(push, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x"));
  EXPECT_EQ(Button(2).caption, "Option");
}

TEST_F(ButtonProcTest, OneHoverPaintPerEntryAndAgainAfterTheHotKindChanged) {
  for (auto [button, index] : {std::pair{push.get(), 1}, std::pair{check.get(), 2}}) {
    SCOPED_TRACE(index);
    Record().lastHot = 0;
    MarkComposition();
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    EXPECT_TRUE(Repainted(button));
    EXPECT_EQ(Record().hot, index);
    EXPECT_EQ(Record().lastHot, index);
    EXPECT_EQ(Record().hotKind, skin::HotKind::Button);
    EXPECT_TRUE(Seen(WM_MOUSEMOVE));

    MarkComposition();
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_FALSE(Repainted(button));

    Record().hotKind = skin::HotKind::Edit;  // an edit with the same list index was hot
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(Repainted(button));
    EXPECT_EQ(Record().hotKind, skin::HotKind::Button);
  }
  // The push button's hover look fades in; the check box's paint left it running.
  EXPECT_EQ(skin::FadeList.size(), 1u);
}

TEST_F(ButtonProcTest, LeavingRepaintsWithTheFocusLookOnlyWhenFocused) {
  SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  Button(1).hasFocus = 1;
  SendMessageA(push, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Record().lastHot, 0);
  EXPECT_TRUE(skin::FadeList.empty());  // a plain repaint stops the hover fade
  const Rgb3 focused = Composed(push, 1, 11);
  Button(1).hasFocus = 0;
  SendMessageA(push, WM_MOUSELEAVE, 0, 0);
  const Rgb3 plain = Composed(push, 1, 11);
  // The fixed glow colour 0xDDCA22 is blue and green.
  EXPECT_GT(focused.b - focused.r, plain.b - plain.r + 20);
  EXPECT_TRUE(Seen(WM_MOUSELEAVE));
}

TEST_F(ButtonProcTest, ClickAnimationFramesAndPauses) {
  struct Case {
    WPARAM before;
    std::vector<int> frames;
    std::vector<DWORD> pauses;
  };
  const Case cases[] = {
      {BST_UNCHECKED, {4, 3, 1, 3}, {50, 45, 40}},
      {BST_CHECKED, {1, 3, 4, 0}, {50, 45, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    SendMessageA(check, BM_SETCHECK, c.before, 0);
    g_frames.clear();
    g_pauses.clear();
    g_seen.clear();
    SendMessageA(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(Seen(WM_LBUTTONDOWN));
    EXPECT_EQ(g_frames, c.frames);
    EXPECT_EQ(g_pauses, c.pauses);
    SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    // A double click's second press is swallowed: no second animation.
    g_frames.clear();
    SendMessageA(check, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(g_frames.empty());
  }
  // Without the animation property a press repaints once, unanimated.
  skin::prop::Write(check, skin::prop::kClickAnimation, 0);
  g_frames.clear();
  MarkComposition();
  SendMessageA(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  EXPECT_TRUE(g_frames.empty());
  EXPECT_TRUE(Repainted(check));
}

TEST_F(ButtonProcTest, TheRealAnimationSleepsAtLeastItsPauses) {
  skin::SetClickAnimationSteps({});
  struct Case {
    WPARAM before;
    DWORD least;
  };
  for (const Case& c : {Case{BST_UNCHECKED, 135}, Case{BST_CHECKED, 125}}) {
    SendMessageA(check, BM_SETCHECK, c.before, 0);
    const DWORD start = GetTickCount();
    SendMessageA(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    const DWORD took = GetTickCount() - start;
    SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_GE(took + 16, c.least) << c.before;  // GetTickCount steps by up to 16 ms
  }
}

class ShownButtonProcTest : public quillora_test::ShownButtonTest {};

TEST_F(ShownButtonProcTest, CheckBoxesKeepTheSkinnedLookAfterNativeRepaints) {
  skin::PaintCheckBox(check, 0);
  const Rgb3 skinned = Composed(check, 5, 5);
  ASSERT_EQ(Shown(check, 5, 5), skinned);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const Rgb3 native{GetRValue(face), GetGValue(face), GetBValue(face)};

  struct Step {
    const char* name;
    void (*act)(HWND);
  };
  const Step steps[] = {
      {"disable", [](HWND w) { EnableWindow(w, FALSE); }},
      {"enable", [](HWND w) { EnableWindow(w, TRUE); }},
      {"caption", [](HWND w) { SetWindowTextA(w, "Another option"); }},
      {"state", [](HWND w) { SendMessageA(w, BM_SETSTATE, 1, 0); }},
      {"focus", [](HWND w) { SendMessageA(w, WM_SETFOCUS, 0, 0); }},
      {"tick", [](HWND w) { SendMessageA(w, BM_SETCHECK, BST_CHECKED, 0); }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.act(check);
    // Disabled boxes look like enabled ones: the same pixels throughout.
    for (int x : {5, 10, 30, 60}) {
      const Rgb3 shown = Shown(check, x, 8);
      EXPECT_EQ(shown, Composed(check, x, 8)) << x;
    }
    EXPECT_EQ(Shown(check, 5, 5), skinned);
    EXPECT_FALSE(Near(Shown(check, 100, 1), native, 0) && !(Composed(check, 100, 1) == native));
  }
  EXPECT_EQ(Button(2).caption, "Another option");
}

}  // namespace
