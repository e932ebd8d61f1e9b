// Hover fades: the nine blends, the list of running fades, stopping them,
// the DCs a fade releases and those it leaves to its caller.
#include <gtest/gtest.h>

#include <utility>

#include "skin/buttons/check_box_painter.h"
#include "skin/buttons/hover_fades.h"
#include "skin/buttons/push_button_painter.h"
#include "skin/core/engine_globals.h"
#include "tests/skin/buttons/button_fixture.h"

namespace {

using quillora_test::DibPixel;

class HoverFadeTest : public quillora_test::SkinnedButtonTest {};

TEST_F(HoverFadeTest, AFadeBlendsNineTimesFromAlpha50To250ThenRemovesItself) {
  constexpr int kSize = 4;
  skin::CachedDc dest = skin::CreateDibDc({0, 0, kSize, kSize});
  skin::CachedDc source = skin::CreateDibDc({0, 0, kSize, kSize});
  quillora_test::Fill(dest.get(), kSize, kSize, 0x00000000);
  quillora_test::Fill(source.get(), kSize, kSize, 0x00FFFFFF);
  skin::StartFade(nullptr, 0, 0, kSize, kSize, std::move(source), 0, 0, dest.get());
  ASSERT_EQ(skin::FadeList.size(), 1u);
  const UINT_PTR timer = skin::FadeList.front().timer.get();
  EXPECT_EQ(skin::FindFadeByTimer(timer), 1);
  EXPECT_EQ(skin::FindFadeByTimer(timer + 1000), 0);
  skin::OnFadeTimer(nullptr, WM_TIMER, timer + 1000, 0);  // not a fade's timer: nothing
  EXPECT_EQ(skin::FadeList.front().step, 1);

  double expected = 0;
  for (int alpha = 50; alpha <= 250; alpha += 25) {
    SCOPED_TRACE(alpha);
    ASSERT_EQ(skin::FadeList.size(), 1u);
    skin::OnFadeTimer(nullptr, WM_TIMER, timer, 0);
    expected += (255 - expected) * alpha / 255.0;
    EXPECT_NEAR(DibPixel(dest.get(), 1, 1) & 0xFF, expected, 1.5);
  }
  EXPECT_TRUE(skin::FadeList.empty());
  dest.reset();
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);  // the fade released its source
}

TEST_F(HoverFadeTest, ARunningFadeEndsOnItsOwnWhileMessagesArePumped) {
  const RECT client{0, 0, kPushWidth, kPushHeight};
  const DWORD start = GetTickCount();
  skin::PaintPushButton(push, nullptr, ODS_HOTLIGHT, &client);
  ASSERT_EQ(skin::FadeList.size(), 1u);
  while (!skin::FadeList.empty() && GetTickCount() - start < 2000) quillora_test::Pump(10);
  EXPECT_TRUE(skin::FadeList.empty());
  EXPECT_GE(GetTickCount() - start, 150u);  // nine steps of 20 ms
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(HoverFadeTest, ASecondHoverStopsTheFirstButACheckBoxPaintDoesNot) {
  quillora_test::TestWindow other = quillora_test::MakeChild(frame, 200, 60, 75, 23, "Button",
                                                             WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
  skin::SkinPushButtons(windowIndex, frame);
  const RECT client{0, 0, kPushWidth, kPushHeight};
  skin::PaintPushButton(push, nullptr, ODS_HOTLIGHT, &client);
  skin::PaintCheckBox(check, ODS_HOTLIGHT);
  ASSERT_EQ(skin::FadeList.size(), 1u);
  EXPECT_EQ(skin::FadeList.front().hwnd, push.get());
  skin::PaintPushButton(other, nullptr, ODS_HOTLIGHT, &client);
  ASSERT_EQ(skin::FadeList.size(), 1u);
  EXPECT_EQ(skin::FadeList.front().hwnd, other.get());
  // A normal repaint stops the running fade too.
  skin::PaintPushButton(other, nullptr, 0, &client);
  EXPECT_TRUE(skin::FadeList.empty());
  skin::StopAllFades();  // nothing left to stop
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

// A fade releases only what it owns: a caller's window DC is still the
// caller's to release (once) when the fade has ended or was stopped, and so
// is a source the fade was told to keep.
TEST_F(HoverFadeTest, ACallersDcOutlivesTheFadeThatTookAnyOther) {
  struct Case {
    const char* what;
    void (*end)(UINT_PTR timer);
  };
  const Case cases[] = {
      {"the fade runs to its end",
       [](UINT_PTR timer) {
         while (!skin::FadeList.empty()) skin::OnFadeTimer(nullptr, WM_TIMER, timer, 0);
       }},
      {"every fade is stopped", [](UINT_PTR) { skin::StopAllFades(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HDC callers = GetDC(push);
    ASSERT_NE(callers, nullptr);
    skin::StartFade(push, 0, 0, kPushWidth, kPushHeight, skin::CreateDibDc({0, 0, kPushWidth, kPushHeight}), 0, 0,
                    callers);
    ASSERT_EQ(skin::FadeList.size(), 1u);
    const UINT_PTR timer = skin::FadeList.front().timer.get();
    c.end(timer);
    EXPECT_TRUE(skin::FadeList.empty());
    EXPECT_FALSE(KillTimer(nullptr, timer)) << "the fade's timer outlived it";
    EXPECT_EQ(GetObjectType(callers), static_cast<DWORD>(OBJ_DC));
    EXPECT_EQ(ReleaseDC(push, callers), 1) << "the fade released the caller's DC";

    // Without a DC given, the fade takes the window's and lets it go itself.
    skin::StartFade(push, 0, 0, kPushWidth, kPushHeight, skin::CreateDibDc({0, 0, kPushWidth, kPushHeight}), 0, 0);
    ASSERT_EQ(skin::FadeList.size(), 1u);
    HDC taken = skin::FadeList.front().destDc;
    c.end(skin::FadeList.front().timer.get());
    EXPECT_EQ(ReleaseDC(push, taken), 0) << "the fade kept the DC it took";
    EXPECT_EQ(skin::DcCache.size(), cacheBefore);

    // A source the caller keeps stays in the cache.
    const skin::CachedDc kept = skin::CreateDibDc({0, 0, kPushWidth, kPushHeight});
    skin::StartFadeKeepingSource(push, 0, 0, kPushWidth, kPushHeight, kept.get(), 0, 0);
    ASSERT_EQ(skin::FadeList.size(), 1u);
    c.end(skin::FadeList.front().timer.get());
    EXPECT_TRUE(skin::ReleaseCachedDc(kept.get())) << "the fade released the source it was to keep";
    EXPECT_EQ(skin::DcCache.size(), cacheBefore);
  }
}

TEST(BlendWithConstantAlphaTest, IgnoresTheSourcesOwnAlpha) {
  const skin::CachedDc dest = skin::CreateDibDc({0, 0, 2, 2});
  const skin::CachedDc source = skin::CreateDibDc({0, 0, 2, 2});
  quillora_test::Fill(dest.get(), 2, 2, 0x00000000);
  quillora_test::Fill(source.get(), 2, 2, 0x00FFFFFF);  // colour with alpha byte 0
  EXPECT_TRUE(skin::BlendWithConstantAlpha(dest.get(), 0, 0, 2, 2, source.get(), 0, 0, 2, 2, 128));
  EXPECT_NEAR(DibPixel(dest.get(), 0, 0) & 0xFF, 128, 1);
  EXPECT_TRUE(skin::BlendWithConstantAlpha(dest.get(), 0, 0, 2, 2, source.get(), 0, 0, 2, 2));
  EXPECT_EQ(DibPixel(dest.get(), 0, 0) & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
