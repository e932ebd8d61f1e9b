// The radio-button painter: the state decoded from the check and the item
// state, the drawn circle, glow, dot and caption, the state-image look,
// and the window procedure's repaints showing the radio look.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skin/buttons/radio_button_painter.h"
#include "skin/core/window_properties.h"
#include "tests/skin/buttons/button_fixture.h"
#include "tests/skin/buttons/state_images.h"

namespace {

using quillora_test::IsDark;
using quillora_test::Near;
using quillora_test::Rgb3;

// At height 16 the circle is (2, 2, 12, 12): (8, 0) lies in the glow ring
// above it, (6, 8) in the dot, (4, 8) inside the circle but off the dot.
constexpr POINT kGlowPixel{8, 0}, kDotPixel{6, 8}, kCirclePixel{4, 8};

class RadioPainterTest : public quillora_test::ComposedFrameTest {
 protected:
  static constexpr int kX = 40, kY = 200, kW = 141, kH = 16;

  void SetUp() override {
    ComposedFrameTest::SetUp();
    radio = quillora_test::MakeChild(frame, kX, kY, kW, kH, "Button", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON);
    SetWindowTextA(radio, "Option");
    skin::SkinCheckButtons(windowIndex, frame);
    ASSERT_EQ(skin::FindButtonRecord(windowIndex, radio), 1);
    ASSERT_EQ(Button().kind, skin::ButtonKind::AutoRadio);
  }

  skin::ButtonRecord& Button() { return Record().buttons.At(1); }

  Rgb3 Composed(HWND control, int x, int y) {
    POINT origin{0, 0};
    MapWindowPoints(control, frame, &origin, 1);
    return quillora_test::FromDib(quillora_test::DibPixel(Record().compositionDc.get(), origin.x + x, origin.y + y));
  }
  Rgb3 Background(HWND control, int x, int y) {
    POINT origin{0, 0};
    MapWindowPoints(control, frame, &origin, 1);
    return quillora_test::FromDib(quillora_test::FrameRgb(origin.x + x, origin.y + y));
  }
  Rgb3 At(POINT p) { return Composed(radio, p.x, p.y); }
  std::vector<Rgb3> Image(HWND control, int width, int height) {
    std::vector<Rgb3> pixels;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) pixels.push_back(Composed(control, x, y));
    return pixels;
  }
  void MarkComposition() { quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, 0x00123456); }
  bool Repainted() { return !(At(kCirclePixel) == quillora_test::FromDib(0x00123456)); }

  // Leftmost caption pixel from column `from` on that `isInk` accepts.
  template <class Ink>
  int CaptionLeft(int from, Ink isInk) {
    for (int x = from; x < kW; ++x)
      for (int y = 0; y < kH; ++y)
        if (isInk(Composed(radio, x, y))) return x;
    return -1;
  }

  quillora_test::TestWindow radio;
};

bool Accent(const Rgb3& c) { return c.b - c.r > 80; }
bool Grey(const Rgb3& c) { return std::abs(c.r - c.b) < 20 && std::abs(c.r - c.g) < 20 && c.r < 190; }

TEST_F(RadioPainterTest, StateComesFromTheCheckAndTheItemState) {
  enum Dot { None, AccentDot, GreyDot };
  struct Case {
    int itemState;
    WPARAM check;
    Dot dot;
    bool glow;
  };
  const Case cases[] = {
      {0, BST_UNCHECKED, None, false},
      {0, BST_CHECKED, AccentDot, false},
      {ODS_FOCUS, BST_CHECKED, AccentDot, false},
      {ODS_HOTLIGHT, BST_UNCHECKED, None, true},
      {ODS_HOTLIGHT | ODS_SELECTED, BST_CHECKED, AccentDot, true},
      {ODS_DISABLED | ODS_HOTLIGHT, BST_CHECKED, GreyDot, false},  // disabled wins over hover
      {ODS_DISABLED, BST_UNCHECKED, None, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << c.itemState << " check " << c.check);
    SendMessageA(radio, BM_SETCHECK, c.check, 0);
    skin::PaintRadioButton(radio, c.itemState);
    const Rgb3 dot = At(kDotPixel);
    EXPECT_EQ(Accent(dot), c.dot == AccentDot) << dot.r << "," << dot.g << "," << dot.b;
    EXPECT_EQ(Grey(dot), c.dot == GreyDot) << dot.r << "," << dot.g << "," << dot.b;
    EXPECT_EQ(!(At(kGlowPixel) == Background(radio, kGlowPixel.x, kGlowPixel.y)), c.glow);
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(RadioPainterTest, PressedWithoutHoverIsTheNormalLookAndIndeterminateIsUnchecked) {
  SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  skin::PaintRadioButton(radio, 0);
  const std::vector<Rgb3> normal = Image(radio, kW, kH);
  skin::PaintRadioButton(radio, ODS_SELECTED);  // what the procedure passes after a press
  EXPECT_EQ(Image(radio, kW, kH), normal);

  // A three-state button listed as a radio button can report 2.
  quillora_test::TestWindow tri =
      quillora_test::MakeChild(frame, kX, kY + 40, kW, kH, "Button", WS_CHILD | WS_VISIBLE | BS_AUTO3STATE);
  const int index = quillora_test::ListControl(Record().buttons, tri, windowIndex);
  Record().buttons.At(index).kind = skin::ButtonKind::AutoRadio;
  SendMessageA(tri, BM_SETCHECK, BST_INDETERMINATE, 0);
  ASSERT_EQ(SendMessageA(tri, BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  skin::PaintRadioButton(tri, 0);
  EXPECT_FALSE(Accent(Composed(tri, kDotPixel.x, kDotPixel.y)));
}

TEST_F(RadioPainterTest, TheDrawnLookShowsAWhiteCircleAndTheCaptionFrom15) {
  skin::PaintRadioButton(radio, 0);
  const Rgb3 inside = At(kCirclePixel);
  EXPECT_GT(std::min({inside.r, inside.g, inside.b}), 150) << "white circle";
  EXPECT_LT(Background(radio, kCirclePixel.x, kCirclePixel.y).b, 50) << "over a background that is not white";
  // The circle's dark outline spans x 2 to 14; the caption starts at 15.
  const auto black = [](const Rgb3& c) { return IsDark(c, 70); };
  const int captionLeft = CaptionLeft(15, black);
  EXPECT_GE(captionLeft, 15);
  EXPECT_LE(captionLeft, 18);
  EXPECT_EQ(CaptionLeft(captionLeft, black), captionLeft);

  // Disabled: the caption in RGB(96, 96, 96), nothing black.
  skin::PaintRadioButton(radio, ODS_DISABLED);
  EXPECT_EQ(CaptionLeft(15, black), -1);
  const int greyLeft = CaptionLeft(15, [](const Rgb3& c) { return Near(c, {96, 96, 96}, 12); });
  EXPECT_GE(greyLeft, 15);
  EXPECT_LE(greyLeft, 18);
}

TEST_F(RadioPainterTest, AtHeight13TheCircleSitsOnAHalfPixel) {
  auto column = [&](int height) {
    MoveWindow(radio, kX, kY, kW, height, FALSE);
    skin::PaintRadioButton(radio, 0);
    std::vector<Rgb3> pixels;
    for (int y = 0; y < 12; ++y) pixels.push_back(Composed(radio, 8, y));
    return pixels;
  };
  const std::vector<Rgb3> at0 = column(12), at1 = column(14), atHalf = column(13);
  // Neither truncated to y 0 nor rounded to y 1.
  EXPECT_NE(atHalf, at0);
  EXPECT_NE(atHalf, at1);
}

TEST_F(RadioPainterTest, StateImagesReplaceTheDrawnLook) {
  quillora_test::GiveStateImages(Button());
  for (const quillora_test::StateImageCase& c : quillora_test::kStateImageCases) {
    SCOPED_TRACE(testing::Message() << "state " << c.itemState << " check " << c.check);
    SendMessageA(radio, BM_SETCHECK, c.check, 0);
    skin::PaintRadioButton(radio, c.itemState);
    EXPECT_TRUE(Near(Composed(radio, 5, 8), c.shown, 2));
    EXPECT_TRUE(Near(Composed(radio, 0, 3), c.shown, 2));
    EXPECT_EQ(Composed(radio, 5, 1), Background(radio, 5, 1)) << "no circle, no glow";
  }
  // The caption follows the image's width: from x 12.
  skin::PaintRadioButton(radio, 0);
  const int captionLeft = CaptionLeft(10, [](const Rgb3& c) { return IsDark(c, 70); });
  EXPECT_GE(captionLeft, 12);
  EXPECT_LE(captionLeft, 15);
}

TEST_F(RadioPainterTest, TheProcedureRepaintsShowTheRadioLook) {
  struct Step {
    const char* what;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  const Step steps[] = {
      {"press", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)},
      {"check", BM_SETCHECK, BST_CHECKED, 0},
      {"focus loss", WM_KILLFOCUS, 0, 0},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    MarkComposition();
    SendMessageA(radio, s.message, s.wParam, s.lParam);
    if (s.message == WM_LBUTTONDOWN) SendMessageA(radio, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(Repainted());
    const Rgb3 inside = At(kCirclePixel);
    EXPECT_GT(std::min({inside.r, inside.g, inside.b}), 150);
  }
  EXPECT_TRUE(Accent(At(kDotPixel))) << "checked by the message";
}

TEST_F(RadioPainterTest, AButtonWhosePropertiesNameNoRecordIsNotPainted) {
  skin::prop::Write(radio, skin::prop::kIndex, 7);
  MarkComposition();
  skin::PaintRadioButton(radio, 0);
  EXPECT_FALSE(Repainted());
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

}  // namespace
