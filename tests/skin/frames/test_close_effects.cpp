// Close effects: the ten steps of every effect as the animation computes
// them, and what each effect leaves of a real window (layered, at its last
// step the system accepted, after at least its pauses).
#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <numeric>
#include <vector>

#include "skin/core/skin_records.h"
#include "skin/frames/close_effects.h"
#include "tests/support/gdip_test_env.h"
#include "tests/support/skin_test_windows.h"

namespace skin {
// Names a step in failure messages.
void PrintTo(const CloseStep& s, std::ostream* out) {
  *out << "(" << s.x << ", " << s.y << ") " << s.width << " x " << s.height << " alpha " << s.alpha << " pause "
       << s.pause;
}
}  // namespace skin

namespace {

using quillora_test::AddSkinWindow;
using quillora_test::MakePopup;
using quillora_test::SkinTableGuard;
using quillora_test::TestWindow;
using skin::CloseEffect;
using skin::CloseStep;

constexpr RECT kFrame{100, 100, 670, 550};  // 570 x 450 at (100, 100)

struct StepCase {
  const char* name;
  CloseEffect effect;
  RECT window;
  int step;  // 1-based
  CloseStep expected;
};

class CloseEffectStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(CloseEffectStepTest, StepIsWhereTheEffectPutsIt) {
  const StepCase& c = GetParam();
  const auto steps = skin::CloseEffectSteps(c.effect, c.window);
  EXPECT_EQ(steps[static_cast<std::size_t>(c.step - 1)], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Effects, CloseEffectStepTest,
    ::testing::Values(
        StepCase{"ShrinkFadeFirst", CloseEffect::ShrinkFade, kFrame, 1, {128, 122, 513, 405, 230, 19}},
        StepCase{"ShrinkFadeLast", CloseEffect::ShrinkFade, kFrame, 10, {380, 320, 0, 0, 5, 10}},
        StepCase{"PulseFirst", CloseEffect::Pulse, kFrame, 1, {105, 104, 559, 441, 230, 28}},
        StepCase{"PulseSmallest", CloseEffect::Pulse, kFrame, 5, {125, 120, 515, 405, 130, 20}},
        StepCase{"PulseGrowing", CloseEffect::Pulse, kFrame, 6, {119, 115, 526, 414, 105, 18}},
        StepCase{"PulseLast", CloseEffect::Pulse, kFrame, 10, {95, 95, 570, 450, 5, 10}},
        StepCase{"FadeFirst", CloseEffect::Fade, kFrame, 1, {100, 100, 570, 450, 230, 77}},
        StepCase{"FadeSixth", CloseEffect::Fade, kFrame, 6, {100, 100, 570, 450, 105, 17}},
        StepCase{"FadeLast", CloseEffect::Fade, kFrame, 10, {100, 100, 570, 450, 0, 1}},
        StepCase{"MiddleRowFirst", CloseEffect::SqueezeToMiddleRow, kFrame, 1, {100, 122, 570, 405, 230, 19}},
        StepCase{"MiddleRowLast", CloseEffect::SqueezeToMiddleRow, kFrame, 10, {100, 320, 570, 0, 5, 10}},
        StepCase{"RollUpFirst", CloseEffect::RollUp, kFrame, 1, {100, 100, 570, 405, 230, 19}},
        StepCase{"RollUpLast", CloseEffect::RollUp, kFrame, 10, {100, 100, 570, 0, 5, 10}},
        StepCase{"RollDownFirst", CloseEffect::RollDown, kFrame, 1, {100, 145, 570, 405, 230, 19}},
        StepCase{"RollDownLast", CloseEffect::RollDown, kFrame, 10, {100, 550, 570, 0, 5, 10}},
        StepCase{"CollapseLeftFirst", CloseEffect::CollapseLeft, kFrame, 1, {100, 100, 513, 450, 230, 19}},
        StepCase{"CollapseLeftLast", CloseEffect::CollapseLeft, kFrame, 10, {100, 100, 0, 450, 5, 10}},
        StepCase{"CollapseRightFirst", CloseEffect::CollapseRight, kFrame, 1, {157, 100, 513, 450, 230, 19}},
        StepCase{"CollapseRightLast", CloseEffect::CollapseRight, kFrame, 10, {670, 100, 0, 450, 5, 10}},
        StepCase{"MiddleColumnFirst", CloseEffect::SqueezeToMiddleColumn, kFrame, 1, {128, 100, 513, 450, 230, 19}},
        StepCase{"MiddleColumnLast", CloseEffect::SqueezeToMiddleColumn, kFrame, 10, {380, 100, 0, 450, 5, 10}},
        // 9 pixels wide: no step to take, only the alpha changes.
        StepCase{"NarrowCollapseLeft", CloseEffect::CollapseLeft, RECT{10, 20, 19, 220}, 10, {10, 20, 9, 200, 5, 10}},
        // x + 28.5 truncates toward zero: -272.5 gives -272, a step of 29.
        StepCase{"NegativeXFirst", CloseEffect::SqueezeToMiddleColumn, RECT{-301, 0, 269, 450}, 1,
                 {-272, 0, 513, 450, 230, 19}},
        StepCase{"NegativeXSecond", CloseEffect::SqueezeToMiddleColumn, RECT{-301, 0, 269, 450}, 2,
                 {-243, 0, 456, 450, 205, 18}}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST(CloseEffectSteps, AlphaAndPausesFollowEachEffectsSchedule) {
  const std::array<int, 10> fadePauses{77, 71, 62, 50, 35, 17, 1, 1, 1, 1};
  for (int effect = 1; effect <= 9; ++effect) {
    SCOPED_TRACE(effect);
    const auto steps = skin::CloseEffectSteps(static_cast<CloseEffect>(effect), kFrame);
    for (int i = 1; i <= 10; ++i) {
      const CloseStep& s = steps[static_cast<std::size_t>(i - 1)];
      const bool fade = effect == static_cast<int>(CloseEffect::Fade);
      EXPECT_EQ(s.alpha, fade && i == 10 ? 0 : 255 - 25 * i) << "step " << i;
      const int pause = fade ? fadePauses[static_cast<std::size_t>(i - 1)]
                             : effect == static_cast<int>(CloseEffect::Pulse) ? 30 - 2 * i : 20 - i;
      EXPECT_EQ(s.pause, pause) << "step " << i;
      if (fade) {
        EXPECT_EQ(s, (CloseStep{100, 100, 570, 450, s.alpha, s.pause})) << "the fade stays in place";
      }
    }
  }
}

class CloseEffectWindowTest : public ::testing::Test {
 protected:
  // A visible skinned popup, not activated.
  HWND MakeFrame(int x, int y, int width, int height) {
    window = MakePopup(x, y, width, height, nullptr, WS_POPUP);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    index = AddSkinWindow(window);
    return window;
  }

  SkinTableGuard guard;
  TestWindow window;
  int index = 0;
};

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

TEST_F(CloseEffectWindowTest, EachEffectEndsLayeredAtItsLastAcceptedStepAfterItsPauses) {
  for (int effect = 1; effect <= 9; ++effect) {
    SCOPED_TRACE(effect);
    MakeFrame(40, 50, 203, 157);
    const RECT start = WindowRect(window);
    const auto steps = skin::CloseEffectSteps(static_cast<CloseEffect>(effect), start);
    // The system takes no step with an empty size.
    CloseStep last = steps[0];
    for (const CloseStep& s : steps)
      if (s.width > 0 && s.height > 0) last = s;
    const int pauses = std::accumulate(steps.begin(), steps.end(), 0,
                                       [](int sum, const CloseStep& s) { return sum + s.pause; });

    LARGE_INTEGER before, after;
    QueryPerformanceCounter(&before);
    skin::PlayCloseEffect(window, effect);
    QueryPerformanceCounter(&after);

    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    const RECT end = WindowRect(window);
    EXPECT_EQ(end.left, last.x);
    EXPECT_EQ(end.top, last.y);
    EXPECT_EQ(end.right - end.left, last.width);
    EXPECT_EQ(end.bottom - end.top, last.height);
    EXPECT_GE(Milliseconds(before, after), pauses - 1.0);
    window = TestWindow();
    skin::SkinWindowTable.Clear();
  }
}

TEST_F(CloseEffectWindowTest, ValuesOutsideTheEffectsPlayNothing) {
  for (int effect : {0, 10, -1}) {
    SCOPED_TRACE(effect);
    MakeFrame(40, 50, 200, 150);
    LARGE_INTEGER before, after;
    QueryPerformanceCounter(&before);
    skin::PlayCloseEffect(window, effect);
    QueryPerformanceCounter(&after);
    EXPECT_FALSE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    const RECT end = WindowRect(window);
    EXPECT_TRUE(end.left == 40 && end.top == 50 && end.right == 240 && end.bottom == 200);
    EXPECT_LT(Milliseconds(before, after), 100.0);
    window = TestWindow();
    skin::SkinWindowTable.Clear();
  }
}

TEST_F(CloseEffectWindowTest, SetCloseEffectStoresForSkinnedWindowsOnly) {
  TestWindow plain = MakePopup(0, 0, 50, 50, nullptr, WS_POPUP);
  EXPECT_EQ(skin::SetCloseEffect(plain, 3), 0);

  MakeFrame(0, 0, 50, 50);
  EXPECT_EQ(skin::SetCloseEffect(window, 3), 1);
  EXPECT_EQ(skin::SkinWindowTable.At(index).closeEffect, CloseEffect::Fade);
  // Any value is stored; playing it is what filters.
  EXPECT_EQ(skin::SetCloseEffect(window, 10), 1);
  EXPECT_EQ(static_cast<int>(skin::SkinWindowTable.At(index).closeEffect), 10);

  // A stale index in the property is not trusted.
  skin::prop::Write(plain, skin::prop::kIndex, 7);
  EXPECT_EQ(skin::SetCloseEffect(plain, 1), 0);

  // A control's "Hw_lbID" is its list index, which may equal a frame's
  // window index: it names no frame.
  TestWindow control = quillora_test::MakeChild(window, 0, 0, 10, 10);
  skin::prop::Write(control, skin::prop::kIndex, index);
  EXPECT_EQ(skin::SetCloseEffect(control, 1), 0);
  EXPECT_EQ(static_cast<int>(skin::SkinWindowTable.At(index).closeEffect), 10);
}

TEST_F(CloseEffectWindowTest, EffectsReleaseTheirPictures) {
  MakeFrame(40, 50, 120, 90);
  const std::size_t cached = skin::DcCache.size();
  skin::AnimateCloseFade(window, 0);
  skin::AnimateShrinkFade(window);
  EXPECT_EQ(skin::DcCache.size(), cached);
}

}  // namespace
