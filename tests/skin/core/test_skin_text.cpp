// Halo text, a control's font and text widths.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_font_collection.h"
#include "gdip/gdip_font_family.h"
#include "gdip/gdip_graphics.h"
#include "skin/core/control_font.h"
#include "runtime/gdi_object.h"
#include "skin/core/skin_text.h"
#include "tests/support/gdip_test_env.h"
#include "tests/support/skin_test_windows.h"

namespace {

constexpr char kLongText[] = "一二三四五六七八九十一二三四五六七八九十";
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kWhite = 0xFFFFFF;

// Where a drawing left any ink on a transparent canvas.
struct Ink {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;  // inclusive
  bool any() const { return right >= 0; }
};

struct Canvas {
  static constexpr int kWidth = 300, kHeight = 160;

  Canvas() {
    bitmap.Create(kWidth, kHeight);
    graphics.CreateFromImage(bitmap);
    graphics.Clear(0);
  }

  Ink Scan() {
    graphics.Delete();  // flush everything into the bitmap
    Ink ink;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if ((bitmap.GetPixel(x, y) >> 24) == 0) continue;
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
    }
    return ink;
  }

  gdip::GdipBitmap bitmap;
  gdip::GdipGraphics graphics;
};

constexpr gdip::RectF kBox{20, 20, 100, 60};

Ink DrawLong(std::optional<int> wrap, std::optional<int> blur = std::nullopt, gdip::RectF box = kBox) {
  Canvas canvas;
  skin::DrawSkinText(canvas.graphics, kLongText, box, kBlack, kWhite, blur, std::nullopt, std::nullopt,
                     std::nullopt, 0, 0, wrap);
  return canvas.Scan();
}

TEST(DrawSkinText, StaysInsideItsBoxOnOneLineOnlyWhenWrapIsOff) {
  const Ink oneLine = DrawLong(0);
  ASSERT_TRUE(oneLine.any()) << "no font for 宋体? the test prefix maps it to an installed face";
  // The halo reaches at most two pixels past the box's right and bottom.
  EXPECT_GE(oneLine.left, 20);
  EXPECT_GE(oneLine.top, 20);
  EXPECT_LE(oneLine.right, 20 + 100 + 2);
  EXPECT_GT(oneLine.right, 20 + 100 - 20) << "the line runs on to the box's edge and is cut there";
  EXPECT_LT(oneLine.bottom, 20 + 30) << "a single line";

  const Ink wrapped = DrawLong(std::nullopt);  // wrap is on unless given
  ASSERT_TRUE(wrapped.any());
  EXPECT_GT(wrapped.bottom, oneLine.bottom + 8) << "the text goes on to further lines";
  EXPECT_LE(wrapped.right, 20 + 100 + 2);
  EXPECT_LE(wrapped.bottom, 20 + 60 + 2);
}

TEST(DrawSkinText, ABlurDivisorBelowOneActsAsOneAndAnEmptyBoxDrawsNothing) {
  Canvas one, zero, negative;
  for (auto [canvas, blur] : {std::pair{&one, 1}, std::pair{&zero, 0}, std::pair{&negative, -3}}) {
    skin::DrawSkinText(canvas->graphics, "光晕", {10, 10, 80, 30}, kBlack, kWhite, blur);
    canvas->graphics.Delete();
  }
  bool anyInk = false;
  for (int y = 0; y < Canvas::kHeight; ++y) {
    for (int x = 0; x < Canvas::kWidth; ++x) {
      const gdip::ARGB expected = one.bitmap.GetPixel(x, y);
      anyInk |= expected != 0;
      ASSERT_EQ(zero.bitmap.GetPixel(x, y), expected) << x << "," << y;
      ASSERT_EQ(negative.bitmap.GetPixel(x, y), expected) << x << "," << y;
    }
  }
  EXPECT_TRUE(anyInk);

  EXPECT_FALSE(DrawLong(0, std::nullopt, {20, 20, 0, 40}).any());
  EXPECT_FALSE(DrawLong(0, std::nullopt, {20, 20, 100, 0.5f}).any());
}

TEST(GetControlFont, IsTheDefaultWithoutAFontAndTheWindowFontOtherwise) {
  quillora_test::TestWindow window =
      quillora_test::MakePopup(0, 0, 100, 40, nullptr, WS_POPUP);
  const skin::FontSpec none = skin::GetControlFont(window);
  EXPECT_EQ(none.face, "宋体");
  EXPECT_EQ(none.size, 12);
  EXPECT_EQ(none.style, 0);

  rt::UniqueFont font(
      CreateFontA(-16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体"));
  ASSERT_TRUE(font);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  const skin::FontSpec songti = skin::GetControlFont(window);

  // GDI+ names the family that really serves the face (under Wine the
  // face is mapped onto an installed one).
  gdip::GdipFontCollection installed;
  gdip::GdipFontFamily family;
  ASSERT_TRUE(family.CreateFromName("宋体", installed));
  EXPECT_EQ(songti.face, family.GetName());
  EXPECT_EQ(songti.size, 16);
  EXPECT_EQ(songti.style, 1) << "bold";
}

TEST(MeasureTextWidth, GrowsWithTheTextAndIsOneForNothing) {
  const int none = skin::MeasureTextWidth("", "宋体", 12, 0);
  const int two = skin::MeasureTextWidth("安装", "宋体", 12, 0);
  const int four = skin::MeasureTextWidth("安装程序", "宋体", 12, 0);
  const int bigger = skin::MeasureTextWidth("安装程序", "宋体", 24, 0);
  EXPECT_EQ(none, 1);
  EXPECT_GT(two, 12);
  EXPECT_GT(four, two + 12);
  EXPECT_GT(bigger, four + 24);
}

}  // namespace
