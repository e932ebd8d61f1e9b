// The push-button painter on a 75 x 23 button of the composed frame: the
// composition image holds each look; what reaches the DC, at once or
// through the hover fade.
#include <gtest/gtest.h>

#include <vector>

#include "skin/buttons/push_button_painter.h"
#include "skin/core/engine_globals.h"
#include "tests/skin/buttons/button_fixture.h"
#include "tests/support/gdi_object_count.h"

namespace {

using quillora_test::IsDark;
using quillora_test::Near;
using quillora_test::Rgb3;

class PushPainterTest : public quillora_test::SkinnedButtonTest {
 protected:
  // Paints into a memory DC standing for the screen; returns the
  // composition image of the button.
  std::vector<Rgb3> Paint(int state) {
    skin::CachedDc screenImage = skin::CreateDibDc({0, 0, kPushWidth, kPushHeight});
    HDC screen = screenImage.get();
    const RECT client{0, 0, kPushWidth, kPushHeight};
    skin::PaintPushButton(push, screen, state, &client);
    std::vector<Rgb3> image;
    for (int y = 0; y < kPushHeight; ++y)
      for (int x = 0; x < kPushWidth; ++x) {
        image.push_back(Composed(push, x, y));
        if ((state & ODS_HOTLIGHT) == 0) {
          EXPECT_EQ(quillora_test::FromDib(quillora_test::DibPixel(screen, x, y)), image.back()) << x << "," << y;
        }
      }
    screenImage.reset();
    return image;
  }
  static const Rgb3& At(const std::vector<Rgb3>& image, int x, int y) { return image[y * kPushWidth + x]; }

  // Bounding box of the pixels darker than `limit` per channel, inside the
  // face (the dark edge and the corners left out).
  static RECT DarkBox(const std::vector<Rgb3>& image, int limit, const Rgb3* exactly = nullptr) {
    RECT box{kPushWidth, kPushHeight, -1, -1};
    for (int y = 2; y < kPushHeight - 2; ++y)
      for (int x = 3; x < kPushWidth - 3; ++x) {
        const Rgb3& c = At(image, x, y);
        if (exactly ? !Near(c, *exactly, 8) : !IsDark(c, limit)) continue;
        box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
               std::max<LONG>(box.bottom, y)};
      }
    return box;
  }
};

TEST_F(PushPainterTest, NormalLookIsAFaceOverTheBackgroundWithADarkEdgeAndCentredCaption) {
  const std::vector<Rgb3> image = Paint(0);
  // Outside the rounded corner the skin background shows untouched.
  EXPECT_EQ(At(image, 0, 0), Background(push, 0, 0));
  EXPECT_EQ(At(image, kPushWidth - 1, kPushHeight - 1), Background(push, kPushWidth - 1, kPushHeight - 1));
  // The face is translucent white over the background.
  const Rgb3 face = At(image, 6, 11), under = Background(push, 6, 11);
  EXPECT_GT(face.r, under.r + 60);
  EXPECT_GT(face.b, under.b + 100);
  // Black a120 along the edge: a bit more than half darker than the face.
  const Rgb3 edge = At(image, 0, 11), inside = At(image, 2, 11);
  EXPECT_LT(edge.r, inside.r * 0.62);
  EXPECT_LT(edge.b, inside.b * 0.62);
  // The caption: black pixels centred in (0, 2, 75, 23).
  const RECT text = DarkBox(image, 60);
  ASSERT_GE(text.right, text.left) << "no caption drawn";
  EXPECT_NEAR((text.left + text.right) / 2.0, 37.0, 3.0);
  EXPECT_NEAR((text.top + text.bottom) / 2.0, 12.5, 3.0);
}

TEST_F(PushPainterTest, PressedAddsTheOverlayInsideTheFaceOnly) {
  const std::vector<Rgb3> normal = Paint(0);
  const std::vector<Rgb3> pressed = Paint(ODS_SELECTED);
  int changedInside = 0;
  for (int y = 0; y < kPushHeight; ++y)
    for (int x = 0; x < kPushWidth; ++x) {
      const bool inOverlay = x >= 2 && x <= 74 && y >= 2 && y <= 22;
      if (!inOverlay) {
        EXPECT_EQ(At(pressed, x, y), At(normal, x, y)) << x << "," << y;
      } else if (!(At(pressed, x, y) == At(normal, x, y))) {
        ++changedInside;
      }
    }
  EXPECT_GT(changedInside, 60 * 15);
  // Accent a60 at the top: blue-green tint (accent 0xDDCA22 is blue and green).
  EXPECT_LT(At(pressed, 6, 4).r, At(normal, 6, 4).r);
}

TEST_F(PushPainterTest, FocusDrawsTheFixedGlowInsideTheEdge) {
  const std::vector<Rgb3> normal = Paint(0);
  skin::AccentColour = 0x0000FF;  // the glow does not follow the accent
  const std::vector<Rgb3> focus = Paint(ODS_FOCUS);
  skin::AccentColour = quillora_test::kDefaultAccent;
  const Rgb3 glow = At(focus, 1, 11), plain = At(normal, 1, 11);
  EXPECT_GT(glow.b - glow.r, plain.b - plain.r + 20);
  EXPECT_GT(glow.g - glow.r, plain.g - plain.r + 20);
  // Away from the edge the face is the same.
  EXPECT_EQ(At(focus, 10, 6), At(normal, 10, 6));
  // Pressed and focused: the focus look plus the overlay.
  const std::vector<Rgb3> both = Paint(ODS_FOCUS | ODS_SELECTED);
  EXPECT_EQ(At(both, 1, 11), glow);
  EXPECT_FALSE(At(both, 6, 4) == At(focus, 6, 4));
}

TEST_F(PushPainterTest, DisabledIsGreyWithAGreyCaptionAndNoPressedOverlay) {
  const std::vector<Rgb3> disabled = Paint(ODS_DISABLED);
  const Rgb3 face = At(disabled, 6, 11);
  EXPECT_TRUE(Near(face, Rgb3{200, 200, 200}, 9)) << face.r << " " << face.g << " " << face.b;
  EXPECT_EQ(face.r, face.g);
  const Rgb3 grey{0x60, 0x60, 0x60};
  const RECT caption = DarkBox(disabled, 0, &grey);
  EXPECT_GE(caption.right, caption.left) << "no 0x606060 caption";
  const RECT black = DarkBox(disabled, 0x40);
  EXPECT_LT(black.right, black.left) << "a caption drawn in the normal colour";
  EXPECT_EQ(Paint(ODS_DISABLED | ODS_SELECTED), disabled);
}

TEST_F(PushPainterTest, AButtonWhosePropertiesNameAnotherRecordIsNotPainted) {
  for (INT_PTR index : {INT_PTR{2}, INT_PTR{0}, INT_PTR{99}}) {
    skin::prop::Write(push, skin::prop::kIndex, index);
    MarkComposition();
    const RECT client{0, 0, kPushWidth, kPushHeight};
    skin::PaintPushButton(push, nullptr, 0, &client);
    EXPECT_FALSE(Repainted(push)) << index;
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

class ShownPushPainterTest : public quillora_test::ShownButtonTest {};

TEST_F(ShownPushPainterTest, HoverReachesTheScreenOnlyThroughTheFade) {
  const RECT client{0, 0, kPushWidth, kPushHeight};
  skin::PaintPushButton(push, nullptr, 0, &client);
  const Rgb3 before = Shown(push, 6, 11);
  ASSERT_EQ(before, Composed(push, 6, 11));

  HDC dc = GetDC(push);
  skin::PaintPushButton(push, dc, ODS_HOTLIGHT, &client);
  ReleaseDC(push, dc);
  const Rgb3 hover = Composed(push, 6, 11);
  ASSERT_FALSE(Near(hover, before, 4));
  EXPECT_EQ(Shown(push, 6, 11), before);
  ASSERT_EQ(skin::FadeList.size(), 1u);

  quillora_test::Pump(400);
  EXPECT_TRUE(skin::FadeList.empty());
  for (int x : {3, 6, 20, 60})
    EXPECT_TRUE(Near(Shown(push, x, 11), Composed(push, x, 11), 3)) << x;
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(ShownPushPainterTest, WithoutAUsableDcThePainterUsesAndReleasesTheWindowsOwn) {
  const RECT client{0, 0, kPushWidth, kPushHeight};
  skin::PaintPushButton(push, nullptr, 0, &client);  // first paint makes the fonts' objects
  const DWORD objects = quillora_test::GdiObjectCount();
  for (int i = 0; i < 20; ++i) skin::PaintPushButton(push, nullptr, ODS_FOCUS, &client);
  EXPECT_EQ(quillora_test::GdiObjectCount(), objects);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
  for (int x : {0, 1, 6, 37})
    EXPECT_EQ(Shown(push, x, 11), Composed(push, x, 11)) << x;
}

}  // namespace
