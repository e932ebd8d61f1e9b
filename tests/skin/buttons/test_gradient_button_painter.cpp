// The gradient-button painter: the state's own image, the overlay marking
// a state without one, and the caption drawn as it is written.
#include <gtest/gtest.h>

#include <algorithm>

#include "runtime/gdi_object.h"
#include "skin/buttons/gradient_button_painter.h"
#include "tests/skin/buttons/button_fixture.h"
#include "tests/skin/buttons/solid_png.h"

namespace {

using quillora_test::Near;
using quillora_test::Rgb3;
using quillora_test::SolidPng;

constexpr Rgb3 kNormal{0, 200, 0}, kHover{0, 0, 255}, kPressed{255, 0, 0}, kDisabled{255, 255, 0};

// The push button of the fixture turned into a gradient button with a
// 40 x 15 image for every state.
class GradientPainterTest : public quillora_test::SkinnedButtonTest {
 protected:
  void SetUp() override {
    SkinnedButtonTest::SetUp();
    skin::ButtonRecord& b = Button(1);
    b.kind = skin::ButtonKind::GradientButton;
    b.normalImage = SolidPng(40, 15, RGB(kNormal.r, kNormal.g, kNormal.b));
    b.hoverImage = SolidPng(40, 15, RGB(kHover.r, kHover.g, kHover.b));
    b.pressedImage = SolidPng(40, 15, RGB(kPressed.r, kPressed.g, kPressed.b));
    b.disabledImage = SolidPng(40, 15, RGB(kDisabled.r, kDisabled.g, kDisabled.b));
    b.caption.clear();
  }
  void Paint(int state) {
    RECT client{};
    GetClientRect(push, &client);
    rt::WindowDc dc(push);
    skin::PaintGradientButton(push, dc.get(), state, &client);
  }
  // Width of the dark caption ink in the image (x 2 to 41).
  int InkWidth() {
    int left = 99, right = -1;
    for (int y = 2; y < 17; ++y)
      for (int x = 2; x < 42; ++x)
        if (quillora_test::IsDark(Composed(push, x, y), 90)) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
    return right < 0 ? 0 : right - left + 1;
  }
};

TEST_F(GradientPainterTest, TheStateChoosesItsImage) {
  struct Case {
    int state;
    Rgb3 shown;
  };
  const Case cases[] = {
      {0, kNormal},
      {ODS_FOCUS, kNormal},  // focus has no look of its own
      {ODS_HOTLIGHT, kHover},
      {ODS_SELECTED, kPressed},
      {ODS_SELECTED | ODS_HOTLIGHT, kHover},  // hover is tested first
      {ODS_DISABLED | ODS_HOTLIGHT, kDisabled},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    Paint(c.state);
    EXPECT_TRUE(Near(Composed(push, 5, 5), c.shown, 2));
    EXPECT_TRUE(Near(Composed(push, 2, 2), c.shown, 2)) << "at (2, 2)";
    EXPECT_EQ(Composed(push, 1, 1), Background(push, 1, 1)) << "the image alone";
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(GradientPainterTest, HoverWithoutItsImageFramesTheNormalImage) {
  Button(1).hoverImage.clear();
  Paint(0);
  EXPECT_EQ(Composed(push, 43, 8), Background(push, 43, 8)) << "nothing right of the image";
  Paint(ODS_HOTLIGHT);
  EXPECT_TRUE(Near(Composed(push, 5, 5), kNormal, 2)) << "the normal image on top";
  // Frame (0, 0, 43, 18): the gradient beside the image, accent-tinted
  // toward the bottom, and the accent outline along its left side.
  const Rgb3 beside = Composed(push, 42, 16), under = Background(push, 42, 16);
  EXPECT_FALSE(beside == under);
  EXPECT_GT(beside.b, under.b + 60);
  const Rgb3 edge = Composed(push, 0, 9);
  EXPECT_GT(edge.b - edge.r, 100) << "accent outline";
}

TEST_F(GradientPainterTest, AnAmpersandIsDrawnAsItIs) {
  Button(1).normalImage = SolidPng(40, 15, RGB(255, 255, 255));
  Button(1).caption = rt::Text(1, '&');
  Paint(0);
  const int one = InkWidth();
  Button(1).caption = rt::Text(2, '&');
  Paint(0);
  const int two = InkWidth();
  ASSERT_GT(one, 2);
  EXPECT_GT(two, one * 3 / 2) << "two ampersands, not one";
}

TEST_F(GradientPainterTest, AButtonWhosePropertiesNameNoRecordIsNotPainted) {
  skin::prop::Write(push, skin::prop::kIndex, 9);
  MarkComposition();
  Paint(0);
  EXPECT_FALSE(Repainted(push));
}

}  // namespace
