// The check-box painters: glyph pieces chosen by state and animation frame,
// their placement, the caption, the drawn look and its state images, and
// the tinted check mark.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "skin/buttons/check_box_painter.h"
#include "skin/core/colour_convert.h"
#include "skin/core/engine_globals.h"
#include "tests/skin/buttons/button_fixture.h"
#include "tests/skin/buttons/state_images.h"

namespace {

using quillora_test::Near;
using quillora_test::Rgb3;

constexpr Rgb3 kHoverFill{230, 234, 237};
constexpr Rgb3 kDisabledFill{208, 216, 221};
constexpr Rgb3 kGreen{93, 151, 2};
// A pixel inside the box clear of both ticks, one on the small tick, one
// on the big tick's upper end only.
constexpr POINT kBoxPixel{5, 5}, kSmallTickPixel{7, 10}, kBigTickPixel{17, 1};

class CheckPainterTest : public quillora_test::SkinnedButtonTest {
 protected:
  // The normal box: fill (233, 233, 233) at alpha 191 over the background.
  Rgb3 NormalFill(int x, int y) {
    const Rgb3 under = Background(check, x, y);
    auto mix = [](int over, int below) { return (over * 191 + below * 64) / 255; };
    return {mix(233, under.r), mix(233, under.g), mix(233, under.b)};
  }
  Rgb3 At(POINT p) { return Composed(check, p.x, p.y); }
  void SetChecked(WPARAM state) { SendMessageA(check, BM_SETCHECK, state, 0); }

  // Bounding box of the tick inside the normal box:
  // every pixel the green tints, blended edges included.
  RECT GreenBox() {
    RECT box{99, 99, -1, -1};
    for (int y = 3; y <= 14; ++y)
      for (int x = 3; x <= 14; ++x) {
        const Rgb3 c = Composed(check, x, y), fill = NormalFill(x, y);
        if (c.g - c.b < fill.g - fill.b + 25) continue;
        box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
               std::max<LONG>(box.bottom, y)};
      }
    return box;
  }
  // Leftmost dark caption pixel from column `from` on.
  int CaptionLeft(int from = 0) {
    for (int x = from; x < kCheckWidth; ++x)
      for (int y = 0; y < kCheckHeight; ++y)
        if (quillora_test::IsDark(Composed(check, x, y), 70)) return x;
    return -1;
  }
};

TEST_F(CheckPainterTest, StateChoosesTheBoxAndTheTick) {
  enum Box { Normal, Hover, Disabled };
  struct Case {
    int itemState;
    WPARAM check;
    Box box;
    bool tick;
  };
  const Case cases[] = {
      {0, BST_UNCHECKED, Normal, false},
      {ODS_HOTLIGHT, BST_UNCHECKED, Hover, false},
      {ODS_HOTLIGHT | ODS_SELECTED, BST_CHECKED, Hover, true},
      {ODS_SELECTED, BST_UNCHECKED, Normal, false},  // pressed counts only with hover
      {ODS_DISABLED | ODS_HOTLIGHT, BST_UNCHECKED, Disabled, false},
      {ODS_DISABLED, BST_CHECKED, Disabled, true},
      {ODS_FOCUS, BST_CHECKED, Normal, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.itemState << " check " << c.check);
    SetChecked(c.check);
    skin::PaintCheckBox(check, c.itemState);
    const Rgb3 box = At(kBoxPixel);
    const Rgb3 wanted = c.box == Hover ? kHoverFill : c.box == Disabled ? kDisabledFill : NormalFill(5, 5);
    EXPECT_TRUE(Near(box, wanted, 3)) << box.r << "," << box.g << "," << box.b;
    EXPECT_EQ(Near(At(kSmallTickPixel), kGreen, 3), c.tick);
    EXPECT_FALSE(Near(At(kBigTickPixel), kGreen, 10));
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(CheckPainterTest, AnIndeterminateBoxIsDrawnUnchecked) {
  quillora_test::TestWindow tri = quillora_test::MakeChild(frame, 40, 200, 141, 16, "Button",
                                                           WS_CHILD | WS_VISIBLE | BS_AUTO3STATE);
  quillora_test::ListControl(Record().buttons, tri, windowIndex);
  Record().buttons.At(Record().buttons.Count()).kind = skin::ButtonKind::CheckBox;
  skin::prop::Write(tri, skin::prop::kClickAnimation, 1);
  SendMessageA(tri, BM_SETCHECK, BST_INDETERMINATE, 0);
  ASSERT_EQ(SendMessageA(tri, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  skin::PaintCheckBox(tri, 0);
  EXPECT_FALSE(Near(Composed(tri, kSmallTickPixel.x, kSmallTickPixel.y), kGreen, 10));
  SendMessageA(tri, BM_SETCHECK, BST_CHECKED, 0);
  skin::PaintCheckBox(tri, 0);
  EXPECT_TRUE(Near(Composed(tri, kSmallTickPixel.x, kSmallTickPixel.y), kGreen, 3));
}

TEST_F(CheckPainterTest, AnimationFramesShowTheNormalBoxAndTheirTick) {
  SetChecked(BST_CHECKED);
  skin::PaintCheckBox(check, ODS_HOTLIGHT, 0);  // frame 0: the box alone, whatever the state
  EXPECT_TRUE(Near(At(kBoxPixel), NormalFill(5, 5), 3));
  EXPECT_TRUE(Near(At(kSmallTickPixel), NormalFill(7, 10), 3));
  const int frame0Caption = CaptionLeft();

  skin::PaintCheckBox(check, 0, 1);
  EXPECT_TRUE(Near(At(kBigTickPixel), kGreen, 3));
  skin::PaintCheckBox(check, 0, 3);
  EXPECT_TRUE(Near(At(kSmallTickPixel), kGreen, 3));
  EXPECT_FALSE(Near(At(kBigTickPixel), kGreen, 10));
  const RECT full = GreenBox();

  skin::PaintCheckBox(check, 0, 4);  // checked: 60 %
  const RECT sixty = GreenBox();
  SetChecked(BST_UNCHECKED);
  skin::PaintCheckBox(check, 0, 4);  // unchecked: 50 %
  const RECT half = GreenBox();
  const double fullWidth = full.right - full.left + 1;
  EXPECT_NEAR((sixty.right - sixty.left + 1) / fullWidth, 0.6, 0.12);
  EXPECT_NEAR((half.right - half.left + 1) / fullWidth, 0.5, 0.12);
  EXPECT_LT(half.right - half.left, sixty.right - sixty.left);
  // Scaled about the middle of the 21-pixel glyph.
  const double fullCentre = (full.left + full.right) / 2.0 + 0.5;
  EXPECT_NEAR((half.left + half.right) / 2.0 + 0.5, 10.5 + (fullCentre - 10.5) * 0.5, 1.5);

  EXPECT_GE(frame0Caption, 17);
  EXPECT_LE(frame0Caption, 22);
  skin::PaintCheckBox(check, 0);
  EXPECT_EQ(CaptionLeft(), frame0Caption);  // the caption starts 17 pixels in, whatever is shown
}

TEST_F(CheckPainterTest, AtAnOddHeightTheGlyphsSitOnAHalfPixel) {
  auto column = [&](int height) {
    MoveWindow(check, kCheckX, kCheckY, kCheckWidth, height, FALSE);
    skin::PaintCheckBox(check, ODS_DISABLED);  // opaque disabled box
    std::vector<Rgb3> pixels;
    for (int y = 0; y < 18; ++y) pixels.push_back(Composed(check, 8, y));
    return pixels;
  };
  const std::vector<Rgb3> at0 = column(16), at1 = column(18), atHalf = column(17);
  // Placed at y 0.5, not truncated to 0: every pixel lies between the two
  // whole-pixel placements (on one of them where the drawing rounds).
  EXPECT_NE(atHalf, at0);
  auto between = [](int v, int a, int b) { return v >= std::min(a, b) && v <= std::max(a, b); };
  for (int y = 0; y < 18; ++y) {
    SCOPED_TRACE(y);
    EXPECT_TRUE(between(atHalf[y].r, at0[y].r, at1[y].r) && between(atHalf[y].g, at0[y].g, at1[y].g) &&
                between(atHalf[y].b, at0[y].b, at1[y].b));
  }
}

TEST_F(CheckPainterTest, AButtonWhosePropertiesNameAnotherRecordIsNotPainted) {
  skin::prop::Write(check, skin::prop::kIndex, 1);  // the push button's record
  MarkComposition();
  skin::PaintCheckBox(check, 0);
  EXPECT_FALSE(Repainted(check));
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(CheckPainterTest, WithoutTheGlyphPropertyTheDrawnLookShowsTheTintedMark) {
  skin::prop::Write(check, skin::prop::kClickAnimation, 0);
  // Box of 12 x 12 from (2, 2) at height 16; the mark's pixel (3, 5) lands on (5, 7).
  skin::PaintCheckBox(check, 0);
  const Rgb3 empty = Composed(check, 5, 7);
  EXPECT_GT(std::min({empty.r, empty.g, empty.b}), 200);  // white box
  // The caption starts 13 pixels in, right of the box's dark frame (x 2 to 14).
  EXPECT_GE(CaptionLeft(15), 15);
  EXPECT_LE(CaptionLeft(15), 18);
  SetChecked(BST_CHECKED);
  skin::PaintCheckBox(check, 0);
  const Rgb3 ticked = Composed(check, 5, 7);
  EXPECT_GT(ticked.g - ticked.r, 30);  // the accent-tinted tick
  EXPECT_LT(ticked.r, empty.r - 60);
  // Hover lays a glow ring around the box, above it too.
  EXPECT_EQ(Composed(check, 8, 1), Background(check, 8, 1));
  skin::PaintCheckBox(check, ODS_HOTLIGHT);
  EXPECT_FALSE(Composed(check, 8, 1) == Background(check, 8, 1));
}

TEST_F(CheckPainterTest, StateImagesReplaceTheDrawnBox) {
  skin::prop::Write(check, skin::prop::kClickAnimation, 0);
  quillora_test::GiveStateImages(Button(2));
  for (const quillora_test::StateImageCase& c : quillora_test::kStateImageCases) {
    SCOPED_TRACE(testing::Message() << "state " << c.itemState << " check " << c.check);
    SetChecked(c.check);
    skin::PaintCheckBox(check, c.itemState);
    EXPECT_TRUE(Near(Composed(check, 5, 8), c.shown, 2));
    EXPECT_TRUE(Near(Composed(check, 0, 3), c.shown, 2));
    EXPECT_EQ(Composed(check, 8, 1), Background(check, 8, 1)) << "no box, no glow";
  }
  // The caption follows the image's width: from x 10.
  skin::PaintCheckBox(check, 0);
  EXPECT_GE(CaptionLeft(10), 10);
  EXPECT_LE(CaptionLeft(10), 13);
}

struct Pixel {
  Rgb3 colour;
  int alpha;
};

Pixel TintedPixel(const rt::ByteArray& png, int x, int y) {
  gdip::GdipBitmap bitmap;
  EXPECT_TRUE(bitmap.CreateFromStream(png));
  std::uint8_t alpha = 0;
  const COLORREF c = skin::PixelToColor(bitmap.GetPixel(x, y), alpha);
  return {{GetRValue(c), GetGValue(c), GetBValue(c)}, alpha};
}

TEST(TintedCheckMarkTest, ChannelsScaleTheAccentAndAlphaFollowsDarkness) {
  skin::AccentColour = 0xDDCA22;
  const rt::ByteArray mark = skin::MakeTintedCheckMark();
  gdip::GdipBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromStream(mark));
  EXPECT_EQ(bitmap.GetWidth(), 13u);
  EXPECT_EQ(bitmap.GetHeight(), 12u);
  const Pixel tick = TintedPixel(mark, 3, 5);  // stored (83, 130, 75), opaque
  EXPECT_EQ(tick.colour, (Rgb3{11, 102, 65}));
  EXPECT_EQ(tick.alpha, 159);
  const Pixel halo = TintedPixel(mark, 4, 4);  // stored (222, 218, 217), clear
  EXPECT_EQ(halo.alpha, 36);
  EXPECT_EQ(halo.colour, (Rgb3{29, 172, 188}));
  const Pixel white = TintedPixel(mark, 0, 0);
  EXPECT_EQ(white.alpha, 0);

  skin::AccentColour = 0;
  const rt::ByteArray black = skin::MakeTintedCheckMark();
  EXPECT_EQ(TintedPixel(black, 3, 5).colour, (Rgb3{0, 0, 0}));
  EXPECT_EQ(TintedPixel(black, 3, 5).alpha, 159);
  EXPECT_EQ(TintedPixel(black, 0, 0).alpha, 0);
  skin::AccentColour = quillora_test::kDefaultAccent;
}

// The mark kept between paints is the one made anew, and follows a change
// of the accent colour.
TEST(TintedCheckMarkTest, TheKeptMarkIsTheMadeOneAndFollowsTheAccent) {
  const skin::DecodedPicture kept;
  for (const COLORREF accent : {COLORREF{0xDDCA22}, COLORREF{0x2040F0}}) {
    SCOPED_TRACE(accent);
    skin::AccentColour = accent;
    gdip::GdipImage* image = skin::KeptTintedCheckMark(kept);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(skin::KeptTintedCheckMark(kept), image) << "kept while the accent stays";
    gdip::GdipBitmap made;
    ASSERT_TRUE(made.CreateFromStream(skin::MakeTintedCheckMark()));
    auto* bitmap = static_cast<gdip::GdipBitmap*>(image);
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 13; ++x) EXPECT_EQ(bitmap->GetPixel(x, y), made.GetPixel(x, y)) << x << "," << y;
  }
  skin::AccentColour = quillora_test::kDefaultAccent;
}

TEST(TintedCheckMarkTest, TheEmbeddedMarkHasItsTwentyOneOpaquePixels) {
  skin::AccentColour = 0xFFFFFF;  // keeps the channels; alpha shows the stored darkness
  const rt::ByteArray mark = skin::MakeTintedCheckMark();
  skin::AccentColour = quillora_test::kDefaultAccent;
  int dark = 0;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 13; ++x) {
      const Pixel p = TintedPixel(mark, x, y);
      if (p.alpha > 100) {
        ++dark;
        EXPECT_TRUE(x >= 3 && x <= 9 && y >= 3 && y <= 9) << x << "," << y;
      }
    }
  EXPECT_EQ(dark, 21);
}

}  // namespace
