// The public calls that skin single controls: records and properties they
// leave, calls on controls skinned already, calls refused outside a skinned
// window, tints, the progress style and its shine timer.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "runtime/fatal_error.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/control_skin.h"
#include "skin/engine/control_skin_calls.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/edit_installers.h"
#include "skin/lists/edit_skin.h"
#include "tests/support/gdip_test_env.h"
#include "tests/support/skin_test_windows.h"

namespace {

using quillora_test::AddSkinWindow;
using quillora_test::ListControl;
using quillora_test::MakeChild;
using quillora_test::TestWindow;

LONG_PTR ProcOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWLP_WNDPROC); }

template <class Proc>
LONG_PTR AsLong(Proc proc) {
  return reinterpret_cast<LONG_PTR>(proc);
}

INT_PTR Prop(HWND hwnd, const char* name) { return skin::prop::Read(hwnd, name); }

// A hidden frame: the calls read their controls' own WS_VISIBLE bits, and
// under Xvfb every window that was on screen takes Wine two seconds to go.
TestWindow MakeFrame(int x, int y, int width, int height) {
  return TestWindow(CreateWindowExA(0, "Static", "", WS_POPUP, x, y, width, height, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr));
}

// A skinned frame (window index 1) holding a group box with an edit in it,
// a direct edit and a plain control; beside it an unskinned window.
class ControlSkinCallsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = MakeFrame(100, 100, 400, 300);
    group = MakeChild(frame, 10, 10, 200, 150, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
    groupedEdit = MakeChild(group, 10, 20, 120, 24, "Edit", WS_CHILD | WS_VISIBLE | WS_BORDER);
    edit = MakeChild(frame, 220, 10, 120, 24, "Edit", WS_CHILD | WS_VISIBLE | WS_BORDER);
    plain = MakeChild(frame, 220, 50, 120, 24);
    stranger = MakeFrame(600, 100, 100, 100);
    strangerEdit = MakeChild(stranger, 5, 5, 80, 24, "Edit");
    ASSERT_EQ(AddSkinWindow(frame), 1);
    savedAlpha = skin::GlobalAlpha;
  }
  void TearDown() override { skin::GlobalAlpha = savedAlpha; }

  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }

  quillora_test::SkinTableGuard guard;
  TestWindow frame, group, groupedEdit, edit, plain, stranger, strangerEdit;
  int savedAlpha = 0;
};

TEST_F(ControlSkinCallsTest, SkinEditBoxSkinsAnEditInsideAGroupBoxOnce) {
  const LONG_PTR original = ProcOf(groupedEdit);
  EXPECT_TRUE(skin::SkinEditBox(groupedEdit));
  EXPECT_TRUE(skin::SkinEditBox(groupedEdit)) << "skinned already";

  ASSERT_EQ(Record().edits.Count(), 1) << "the second call must not add a record";
  const skin::EditRecord& record = Record().edits.At(1);
  EXPECT_EQ(record.hwnd, groupedEdit.get());
  EXPECT_EQ(AsLong(record.oldProc), original);
  EXPECT_EQ(ProcOf(groupedEdit), AsLong(skin::EditSkinProc));
  EXPECT_EQ(Prop(groupedEdit, skin::prop::kOldProc), original)
      << "a second subclassing would make the edit procedure call itself";
  EXPECT_EQ(Prop(groupedEdit, skin::prop::kIndex), 1);
  EXPECT_EQ(Prop(groupedEdit, skin::prop::kHostIndex), 1);
  EXPECT_EQ(Prop(groupedEdit, skin::prop::kTextColour), 0);
  EXPECT_EQ(Prop(groupedEdit, skin::prop::kDisabledTextColour), 0x606060);
  EXPECT_TRUE(GetWindowLongPtrA(groupedEdit, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  EXPECT_EQ(Prop(groupedEdit, skin::prop::kTintColour), 0) << "no tint was given";

  skin::SkinEditBox(edit);
  EXPECT_EQ(Record().edits.Count(), 2);
  EXPECT_EQ(Prop(edit, skin::prop::kIndex), 2);
}

TEST_F(ControlSkinCallsTest, SkinEditBoxMakesBothOverlaysShownOnlyOverAVisibleBar) {
  TestWindow rich = MakeChild(group, 10, 60, 150, 80, "Edit", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE);
  skin::SkinEditBox(rich);
  skin::SkinEditBox(edit);

  const skin::EditRecord& record = Record().edits.At(1);
  ASSERT_NE(record.vScrollOverlay, nullptr);
  ASSERT_NE(record.hScrollOverlay, nullptr);
  EXPECT_EQ(GetParent(record.vScrollOverlay), group.get()) << "overlays live beside their edit";
  EXPECT_TRUE(GetWindowLongPtrA(record.vScrollOverlay, GWL_STYLE) & WS_VISIBLE);
  EXPECT_FALSE(GetWindowLongPtrA(record.hScrollOverlay, GWL_STYLE) & WS_VISIBLE) << "no horizontal bar";
  EXPECT_EQ(Prop(record.vScrollOverlay, skin::prop::kOverlayTarget), reinterpret_cast<INT_PTR>(rich.get()));
  EXPECT_EQ(Prop(record.vScrollOverlay, skin::prop::kHostIndex), 1);
  RECT parked{};
  GetWindowRect(record.hScrollOverlay, &parked);
  EXPECT_EQ(parked.right - parked.left, 10);

  const skin::EditRecord& plainEdit = Record().edits.At(2);
  EXPECT_NE(plainEdit.vScrollOverlay, nullptr) << "both overlays always exist";
  EXPECT_FALSE(GetWindowLongPtrA(plainEdit.vScrollOverlay, GWL_STYLE) & WS_VISIBLE);

  // The edit procedure keeps the record: focus reaches it.
  SendMessageA(rich, WM_SETFOCUS, 0, 0);
  EXPECT_EQ(Record().edits.At(1).focused, 1);
}

TEST_F(ControlSkinCallsTest, SkinEditBoxTintTakesTheGlobalAlphaUnlessGiven) {
  skin::GlobalAlpha = 123;
  skin::SkinEditBox(groupedEdit, 0x112233);
  EXPECT_EQ(Prop(groupedEdit, skin::prop::kTintColour), 0x112233);
  EXPECT_EQ(Prop(groupedEdit, skin::prop::kTintAlpha), 123);

  skin::SkinEditBox(edit, 0x445566, 40);
  EXPECT_EQ(Prop(edit, skin::prop::kTintColour), 0x445566);
  EXPECT_EQ(Prop(edit, skin::prop::kTintAlpha), 40);
}

TEST_F(ControlSkinCallsTest, SkinEditBoxOutsideASkinnedWindowDoesNothing) {
  const LONG_PTR original = ProcOf(strangerEdit);
  EXPECT_FALSE(skin::SkinEditBox(strangerEdit, 0x112233));
  EXPECT_FALSE(skin::SkinEditBox(nullptr));
  EXPECT_EQ(ProcOf(strangerEdit), original);
  EXPECT_EQ(Prop(strangerEdit, skin::prop::kIndex), 0);
  EXPECT_EQ(Prop(strangerEdit, skin::prop::kTintColour), 0);
  EXPECT_FALSE(GetWindowLongPtrA(strangerEdit, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
  EXPECT_EQ(Record().edits.At(1).hwnd, nullptr);
}

TEST_F(ControlSkinCallsTest, SetControlBackgroundAnswersOnlyForListedControls) {
  ListControl(Record().labels, plain, 1);
  TestWindow transparentChild = MakeChild(frame, 0, 0, 10, 10);
  skin::prop::Write(transparentChild, skin::prop::kHostIndex, 1);  // "Hw_lbID" 0
  TestWindow staleIndex = MakeChild(frame, 0, 0, 10, 10);
  skin::prop::Write(staleIndex, skin::prop::kHostIndex, 1);
  skin::prop::Write(staleIndex, skin::prop::kIndex, 3);
  TestWindow foreignHost = MakeChild(frame, 0, 0, 10, 10);
  skin::prop::Write(foreignHost, skin::prop::kHostIndex, 4);
  skin::prop::Write(foreignHost, skin::prop::kIndex, 1);
  TestWindow unlisted = MakeChild(frame, 0, 0, 10, 10);

  struct Case {
    const char* what;
    HWND control;
    bool answer;
  };
  const Case cases[] = {
      {"listed label", plain, true},
      {"transparent child", transparentChild, false},
      {"index past its list", staleIndex, false},
      {"host outside the table", foreignHost, false},
      {"unlisted control", unlisted, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(skin::SetControlBackground(c.control, 0x00FF00, 90), c.answer);
    EXPECT_EQ(Prop(c.control, skin::prop::kTintColour), c.answer ? 0x00FF00 : 0);
    EXPECT_EQ(Prop(c.control, skin::prop::kTintAlpha), c.answer ? 90 : 0);
  }

  // What is not given stays as it was.
  EXPECT_TRUE(skin::SetControlBackground(plain, 0x0000FF));
  EXPECT_EQ(Prop(plain, skin::prop::kTintColour), 0x0000FF);
  EXPECT_EQ(Prop(plain, skin::prop::kTintAlpha), 90);
}

TEST_F(ControlSkinCallsTest, SkinControlFillsOneControlRecordAndSubclassesOnce) {
  const LONG_PTR original = ProcOf(plain);
  EXPECT_TRUE(skin::SkinControl(plain));
  EXPECT_TRUE(skin::SkinControl(plain, 0x123456)) << "skinned already";

  ASSERT_EQ(Record().controls.Count(), 1);
  const skin::ControlRecord& record = Record().controls.At(1);
  EXPECT_EQ(record.hwnd, plain.get());
  EXPECT_EQ(record.background, GetSysColor(COLOR_BTNFACE)) << "the second call changes nothing";
  EXPECT_EQ(record.font.face, rt::Text("宋体"));
  EXPECT_EQ(record.font.size, 12);
  EXPECT_EQ(AsLong(record.oldProc), original);
  EXPECT_EQ(ProcOf(plain), AsLong(skin::ControlSkinProc));
  EXPECT_EQ(Prop(plain, skin::prop::kControlIndex), 1);
  EXPECT_EQ(Prop(plain, skin::prop::kControlHostIndex), 1);
  EXPECT_EQ(Prop(plain, skin::prop::kControlOldProc), original);

  skin::SkinControl(edit, 0x123456);
  ASSERT_EQ(Record().controls.Count(), 2);
  EXPECT_EQ(Record().controls.At(2).background, 0x123456u);
  EXPECT_EQ(Prop(edit, skin::prop::kControlIndex), 2);
}

TEST_F(ControlSkinCallsTest, SkinControlMakesAGroupBoxWithControlsAPaintedContainer) {
  const int savedSkinChildren = skin::SkinChildControls;
  skin::SkinChildControls = 1;
  const LONG_PTR native = ProcOf(group);
  skin::SkinControl(group, std::nullopt, 0x00FF00, 70);

  ASSERT_EQ(Record().containers.Count(), 1);
  const skin::ContainerRecord& container = Record().containers.At(1);
  EXPECT_EQ(container.hwnd, group.get());
  EXPECT_EQ(container.kind, skin::ContainerKind::GroupBox);
  EXPECT_EQ(container.paintMode, 1);
  EXPECT_EQ(container.tintColour, 0x00FF00u);
  EXPECT_EQ(container.alpha, 70);
  EXPECT_EQ(ProcOf(group), AsLong(skin::ContainerSkinProc));
  EXPECT_EQ(Prop(group, skin::prop::kOldProc), AsLong(skin::ControlSkinProc));
  EXPECT_EQ(Prop(group, skin::prop::kControlOldProc), native);
  EXPECT_GT(skin::FindEditRecord(1, groupedEdit), 0) << "the container skins its own children";

  // A plain window that hosts controls keeps painting itself; the
  // container call's defaults make the engine paint it.
  TestWindow host = MakeChild(frame, 10, 170, 200, 100);
  TestWindow inner = MakeChild(host, 5, 5, 50, 20);
  skin::SkinControl(host);
  EXPECT_EQ(Record().containers.At(2).paintMode, 0);
  TestWindow panel = MakeChild(frame, 220, 170, 150, 100);
  EXPECT_TRUE(skin::SkinContainer(panel));
  EXPECT_EQ(Record().containers.At(3).paintMode, 1);
  EXPECT_EQ(Record().containers.At(3).alpha, 255);
  skin::SkinChildControls = savedSkinChildren;
}

INT_PTR WINAPI MainMenuRoutine() { return 0; }

TEST_F(ControlSkinCallsTest, SetMainMenuRoutineStoresTheRoutine) {
  EXPECT_TRUE(skin::SetMainMenuRoutine(frame, MainMenuRoutine));
  EXPECT_EQ(Record().menuRoutine, &MainMenuRoutine);
}

void PrintAndExit(const char* text) {
  std::fprintf(stderr, "fatal: %s\n", text);
  std::fflush(stderr);
  std::_Exit(3);
}

BOOL CALLBACK CountProp(HWND, LPSTR, HANDLE, ULONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int PropCount(HWND hwnd) {
  int count = 0;
  EnumPropsExA(hwnd, CountProp, reinterpret_cast<LPARAM>(&count));
  return count;
}

// What a window carries that a skin would change.
struct Trace {
  LONG_PTR proc = 0;
  LONG_PTR exStyle = 0;
  int props = 0;
  friend bool operator==(const Trace&, const Trace&) = default;
};

Trace TraceOf(HWND hwnd) {
  return {ProcOf(hwnd), GetWindowLongPtrA(hwnd, GWL_EXSTYLE), PropCount(hwnd)};
}

// A public call on a window of an unskinned top-level window: which window
// it is given (a child of that class inside the unskinned window, or the
// unskinned window itself) and the call, giving its answer.
struct RefusedCall {
  const char* what;
  const char* className;  // nullptr: the unskinned top-level window itself
  DWORD style;
  int (*call)(HWND window);
};

const RefusedCall kRefusedCalls[] = {
    {"SkinControl", "Button", WS_CHILD | BS_GROUPBOX,
     [](HWND w) { return int{skin::SkinControl(w, 0x123456, 0x00FF00, 70)}; }},
    {"SkinContainer", "Static", WS_CHILD, [](HWND w) { return int{skin::SkinContainer(w, 1, 0x00FF00, 90, 2)}; }},
    {"SkinEditBox", "Edit", WS_CHILD | WS_VSCROLL | ES_MULTILINE,
     [](HWND w) { return int{skin::SkinEditBox(w, 0x112233, 40)}; }},
    {"SetControlBackground", "Edit", WS_CHILD, [](HWND w) { return int{skin::SetControlBackground(w, 0x00FF00, 90)}; }},
    {"SetProgressStyle", PROGRESS_CLASSA, WS_CHILD | WS_VISIBLE,
     [](HWND w) { return int{skin::SetProgressStyle(w, 1, 1, 0x0080FF, 0, skin::ShineStyle::Band)}; }},
    {"SetMainMenuRoutine on a control", "Static", WS_CHILD,
     [](HWND w) { return int{skin::SetMainMenuRoutine(w, MainMenuRoutine)}; }},
    {"SetMainMenuRoutine on the window", nullptr, 0,
     [](HWND w) { return int{skin::SetMainMenuRoutine(w, MainMenuRoutine)}; }},
};

// The call on a window (with a child of its own) of an unskinned window
// while a skinned one exists; what went wrong, empty when the call
// answered 0 and skinned nothing.
std::string RunRefusedCall(const RefusedCall& c) {
  quillora_test::SkinTableGuard guard;
  TestWindow skinned = MakeFrame(0, 0, 100, 100);
  AddSkinWindow(skinned);
  TestWindow stranger = MakeFrame(200, 0, 200, 100);
  TestWindow target = c.className != nullptr ? MakeChild(stranger, 5, 5, 150, 60, c.className, c.style) : TestWindow();
  const HWND window = c.className != nullptr ? target.get() : stranger.get();
  TestWindow inner = MakeChild(window, 5, 20, 60, 20, "Edit");
  const Trace before = TraceOf(window), innerBefore = TraceOf(inner);
  const skin::SkinWindowRecord& record = skin::SkinWindowTable.At(1);
  const auto listed = [&record] {
    return record.controls.Count() + record.containers.Count() + record.edits.Count() +
           record.progressBars.Count();
  };
  const int listedBefore = listed();

  const int answer = c.call(window);

  std::string wrong;
  if (answer != 0) wrong += " answered " + std::to_string(answer) + ";";
  if (!(TraceOf(window) == before)) wrong += " skinned the window;";
  if (!(TraceOf(inner) == innerBefore)) wrong += " skinned the window's child;";
  if (listed() != listedBefore || record.menuRoutine != nullptr)
    wrong += " filled the skinned window's record;";
  return wrong;
}

// A caller's slip is refused, not fatal: the process goes on.
TEST(ControlSkinCallsDeathTest, CallsOnAControlOfAnUnskinnedWindowAnswerZeroAndSkinNothing) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  for (const RefusedCall& c : kRefusedCalls) {
    SCOPED_TRACE(c.what);
    EXPECT_EXIT(
        {
          rt::SetFatalErrorHandler(PrintAndExit);
          const std::string wrong = RunRefusedCall(c);
          if (!wrong.empty()) std::fprintf(stderr, "%s:%s\n", c.what, wrong.c_str());
          std::fflush(stderr);
          std::_Exit(wrong.empty() ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
  }
}

// Two progress bars of the frame; the second (list index 2) is styled.
class ProgressStyleTest : public ControlSkinCallsTest {
 protected:
  void SetUp() override {
    ControlSkinCallsTest::SetUp();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    first = MakeChild(frame, 10, 200, 200, 20, PROGRESS_CLASSA);
    bar = MakeChild(frame, 10, 230, 200, 20, PROGRESS_CLASSA);
    ASSERT_EQ(ListControl(Record().progressBars, first, 1), 1);
    ASSERT_EQ(ListControl(Record().progressBars, bar, 1), 2);
    Progress().fillColour = 0xDDCA22;
  }
  void TearDown() override {
    KillTimer(bar, 2);
    ControlSkinCallsTest::TearDown();
  }

  skin::ProgressRecord& Progress() { return Record().progressBars.At(2); }

  // Milliseconds from the first to the last of `count` WM_TIMER messages of
  // the bar with that id; nullopt when they do not all come within
  // `deadline` ms.
  std::optional<DWORD> TimeTicks(UINT_PTR id, int count, DWORD deadline) {
    int ticks = 0;
    DWORD first = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < deadline) {
      MSG msg;
      while (PeekMessageA(&msg, bar, WM_TIMER, WM_TIMER, PM_REMOVE)) {
        if (msg.wParam != id) continue;
        if (++ticks == 1) first = GetTickCount();
        if (ticks == count) return GetTickCount() - first;
      }
      Sleep(1);
    }
    return std::nullopt;
  }

  // Whether the bar's shine timer exists; asking removes it.
  bool TimerRuns() { return KillTimer(bar, 2) != FALSE; }

  TestWindow first, bar;
};

TEST_F(ProgressStyleTest, ShineOnAVisibleHorizontalBarStartsAThirtyMillisecondTimer) {
  ASSERT_TRUE(skin::SetProgressStyle(bar, 0, 1, 0x0080FF, 0, skin::ShineStyle::Glow));
  EXPECT_EQ(Progress().squareCorners, 0);
  EXPECT_EQ(Progress().shineOn, 1);
  EXPECT_EQ(Progress().shineWidth, 90);
  EXPECT_EQ(Progress().fillColour, 0x0080FFu);
  EXPECT_EQ(Progress().frameColour, 0u);
  EXPECT_EQ(Progress().shineStyle, skin::ShineStyle::Glow);
  // Nine periods of 30 ms between the first and the tenth tick: a load can
  // only stretch them, so the lower bound is tight and the upper one loose.
  const std::optional<DWORD> span = TimeTicks(2, 10, 5000);
  ASSERT_TRUE(span.has_value()) << "ten ticks did not come within 5 s";
  EXPECT_GE(*span, 9u * 30u - 20u);
  EXPECT_LE(*span, 9u * 300u) << "far slower than a 30 ms timer";
  EXPECT_EQ(Record().progressBars.At(1).shineWidth, 0) << "the other bar is untouched";

  // Without the shine the timer stops; the colours not given stay.
  ASSERT_TRUE(skin::SetProgressStyle(bar));
  EXPECT_EQ(Progress().shineOn, 0);
  EXPECT_EQ(Progress().fillColour, 0x0080FFu);
  EXPECT_FALSE(TimerRuns());
}

TEST_F(ProgressStyleTest, EachShineStyleMeasuresItsOwnStrip) {
  struct Case {
    skin::ShineStyle style;
    int width;
  };
  for (const Case& c : {Case{skin::ShineStyle::Glow, 90}, Case{skin::ShineStyle::Band, 161},
                        Case{skin::ShineStyle::Cyan, 126}, Case{static_cast<skin::ShineStyle>(7), 161}}) {
    SCOPED_TRACE(static_cast<int>(c.style));
    ASSERT_TRUE(skin::SetProgressStyle(bar, 1, 1, std::nullopt, std::nullopt, c.style));
    EXPECT_EQ(Progress().shineWidth, c.width);
    EXPECT_EQ(Progress().squareCorners, 1);
    EXPECT_EQ(Progress().fillColour, 0xDDCA22u);
  }
}

TEST_F(ProgressStyleTest, VerticalOrHiddenBarsRunNoTimer) {
  Progress().vertical = 1;
  ASSERT_TRUE(skin::SetProgressStyle(bar, 0, 1));
  EXPECT_EQ(Progress().shineWidth, 0) << "a vertical bar never shows the strip";
  EXPECT_FALSE(TimerRuns());

  Progress().vertical = 0;
  ShowWindow(bar, SW_HIDE);
  ASSERT_TRUE(skin::SetProgressStyle(bar, 0, 1, std::nullopt, std::nullopt, skin::ShineStyle::Cyan));
  EXPECT_EQ(Progress().shineWidth, 126);
  EXPECT_FALSE(TimerRuns());
}

TEST_F(ProgressStyleTest, BarsNotListedAreRefused) {
  TestWindow loose = MakeChild(frame, 10, 260, 200, 20, PROGRESS_CLASSA);
  EXPECT_FALSE(skin::SetProgressStyle(loose, 0, 1));
  // A label's index does not make it a progress bar.
  ListControl(Record().labels, loose, 1);
  EXPECT_FALSE(skin::SetProgressStyle(loose, 0, 1));
  skin::prop::Write(bar, skin::prop::kIndex, 5);
  EXPECT_FALSE(skin::SetProgressStyle(bar, 0, 1));
  EXPECT_FALSE(TimerRuns());
}

}  // namespace
