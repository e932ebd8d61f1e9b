// The image-button painter's layouts and faces, and the image check box.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "runtime/gdi_object.h"
#include "skin/buttons/image_button_painters.h"
#include "tests/skin/buttons/button_fixture.h"
#include "tests/skin/buttons/solid_png.h"

namespace {

using quillora_test::Near;
using quillora_test::Rgb3;
using quillora_test::SolidPng;

bool IsRed(const Rgb3& c) { return c.r > 200 && c.g < 80 && c.b < 80; }

// The fixture's push button turned into an image button; its check box
// into an image check box.
class ImageButtonTest : public quillora_test::SkinnedButtonTest {
 protected:
  void SetUp() override {
    SkinnedButtonTest::SetUp();
    Button(1).kind = skin::ButtonKind::ImageButton;
    Button(2).kind = skin::ButtonKind::ImageCheckBox;
  }
  void Paint(int state) {
    RECT client{};
    GetClientRect(push, &client);
    rt::WindowDc dc(push);
    skin::PaintImageButton(push, dc.get(), state, &client);
  }
  SIZE Size() {
    RECT client{};
    GetClientRect(push, &client);
    return {client.right, client.bottom};
  }
  // Bounding box of the pixels `accept` takes, {99, 99, -1, -1} for none.
  template <class Accept>
  RECT Box(Accept accept) {
    const SIZE size = Size();
    RECT box{99, 99, -1, -1};
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x)
        if (accept(Composed(push, x, y))) {
          box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                 std::max<LONG>(box.bottom, y)};
        }
    return box;
  }
  // Bounding box of the caption: pixels much darker than the background.
  RECT Ink() {
    const SIZE size = Size();
    RECT box{99, 99, -1, -1};
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) {
        const Rgb3 c = Composed(push, x, y), under = Background(push, x, y);
        if (IsRed(c) || (under.r + under.g + under.b) - (c.r + c.g + c.b) < 90) continue;
        box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
               std::max<LONG>(box.bottom, y)};
      }
    return box;
  }
  std::vector<Rgb3> Image() {
    const SIZE size = Size();
    std::vector<Rgb3> pixels;
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) pixels.push_back(Composed(push, x, y));
    return pixels;
  }
};

TEST_F(ImageButtonTest, TheImageIsPlacedBesideOrAboveTheCaption) {
  struct Case {
    const char* what;
    int imageW, imageH, buttonW, buttonH, beside;
    RECT image;        // drawn image, inclusive
    int captionStart;  // x beside, y above
  };
  const Case cases[] = {
      {"16 x 16 in 24 high", 16, 16, 120, 24, 1, {3, 3, 18, 18}, 21},
      {"16 x 16 in 23 high: scaled to 15", 16, 16, 120, 23, 1, {3, 3, 17, 17}, 20},
      {"32 x 16 in 20 high: 24 x 12", 32, 16, 120, 20, 1, {3, 3, 26, 14}, 29},
      {"above, 60 high, size 12: 36 x 36", 16, 16, 80, 60, 0, {22, 3, 57, 38}, 41},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MoveWindow(push, kPushX, kPushY, c.buttonW, c.buttonH, FALSE);
    skin::ButtonRecord& b = Button(1);
    b.normalImage = SolidPng(c.imageW, c.imageH, RGB(255, 0, 0));
    b.imageBesideCaption = c.beside;
    b.caption = "Wg";
    ASSERT_EQ(b.font.size, 12);
    Paint(0);
    const RECT image = Box(IsRed);
    EXPECT_NEAR(image.left, c.image.left, 1);
    EXPECT_NEAR(image.top, c.image.top, 1);
    EXPECT_NEAR(image.right, c.image.right, 1);
    EXPECT_NEAR(image.bottom, c.image.bottom, 1);
    const RECT ink = Ink();
    const int start = c.beside ? ink.left : ink.top;
    EXPECT_GE(start, c.captionStart);
    EXPECT_LE(start, c.captionStart + 3);
  }
}

TEST_F(ImageButtonTest, AtRestOnlyAHighlightedButtonShowsAFace) {
  MoveWindow(push, kPushX, kPushY, 80, 24, FALSE);
  Button(1).caption.clear();
  Paint(0);
  // The focus outlines run along the left edge; at rest, without highlight,
  // the background shows there.
  EXPECT_EQ(Composed(push, 0, 12), Background(push, 0, 12));
  EXPECT_EQ(Composed(push, 40, 12), Background(push, 40, 12));
  Button(1).highlight = 1;
  Paint(0);
  EXPECT_FALSE(Composed(push, 0, 12) == Background(push, 0, 12));
  EXPECT_EQ(Composed(push, 40, 12), Background(push, 40, 12)) << "outlines only";
  Paint(ODS_FOCUS);
  EXPECT_FALSE(Composed(push, 40, 12) == Background(push, 40, 12)) << "the focus face is filled";
}

TEST_F(ImageButtonTest, APressedButtonLooksFocusedAndHoverAddsItsShine) {
  MoveWindow(push, kPushX, kPushY, 80, 24, FALSE);
  Button(1).normalImage = SolidPng(16, 16, RGB(255, 0, 0));
  Button(1).imageBesideCaption = 1;
  Button(1).caption = "Go";
  Paint(ODS_FOCUS);
  const std::vector<Rgb3> focused = Image();
  Paint(ODS_SELECTED | ODS_FOCUS);
  EXPECT_EQ(Image(), focused);
  Paint(ODS_HOTLIGHT);
  // The bright line along the bottom (y 21), strongest in the middle.
  const Rgb3 middle = Composed(push, 40, 21), end = Composed(push, 3, 21);
  EXPECT_GT(middle.r, end.r + 30);
  EXPECT_NE(Image(), focused);
}

TEST_F(ImageButtonTest, TheImageCheckBoxShowsItsImageByCheckAndAVeilWhenDisabled) {
  skin::ButtonRecord& b = Button(2);
  b.normalImage = SolidPng(12, 12, RGB(0, 200, 0));
  b.pressedImage = SolidPng(12, 12, RGB(255, 0, 0));
  skin::PaintImageCheckBox(check, ODS_HOTLIGHT | ODS_FOCUS);  // hover and focus change nothing
  EXPECT_TRUE(Near(Composed(check, 5, 5), {0, 200, 0}, 2));
  EXPECT_EQ(Composed(check, 20, 5), Background(check, 20, 5));
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  skin::PaintImageCheckBox(check, 0);
  EXPECT_TRUE(Near(Composed(check, 5, 5), {255, 0, 0}, 2));
  skin::PaintImageCheckBox(check, ODS_DISABLED);
  // RGB(192, 192, 192) at alpha 120 over the image and beside it.
  EXPECT_TRUE(Near(Composed(check, 5, 5), {225, 90, 90}, 4));
  const Rgb3 under = Background(check, 20, 5);
  const auto veil = [](int c) { return (192 * 120 + c * 135 + 127) / 255; };
  EXPECT_TRUE(Near(Composed(check, 20, 5), {veil(under.r), veil(under.g), veil(under.b)}, 4));
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

}  // namespace
