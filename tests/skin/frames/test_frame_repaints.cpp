// Single repaints of a composed frame: the title, one caption button in its
// normal, hover and pressed looks, and one bottom-bar item; each restores
// its area from the cached strip first.
#include <gtest/gtest.h>

#include <windows.h>

#include "skin/core/dc_cache.h"
#include "skin/frames/bottom_bar_paint.h"
#include "skin/frames/caption_button_paint.h"
#include "skin/frames/frame_title.h"
#include "skin/frames/main_frame_compose.h"
#include "tests/skin/frames/frame_paint_fixture.h"

namespace {

using quillora_test::Brightness;
using quillora_test::Picture;
using quillora_test::Pixel;
using quillora_test::Pixels;
using quillora_test::TestWindow;
using skin::RectF;

class RepaintTest : public quillora_test::FramePaintTest {
 protected:
  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }
  HDC Background() { return Record().backgroundDc.get(); }

  // The caption rows of the composed frame.
  std::vector<COLORREF> Caption() { return Pixels(Background(), 0, 0, 570, 50); }

  void RepaintTitle(const std::optional<rt::Text>& text = std::nullopt) { skin::PaintFrameTitle(1, text); }
  void RepaintButton(int button, std::optional<bool> pressed, std::optional<int> alpha) {
    skin::PaintCaptionButton(1, button, pressed, alpha);
  }
};

// Counts pixels of a rectangle for which `pick` holds.
template <class Pick>
int Count(HDC dc, int left, int top, int right, int bottom, Pick pick) {
  int n = 0;
  for (COLORREF c : Pixels(dc, left, top, right, bottom)) n += pick(c & 0xFFFFFF) ? 1 : 0;
  return n;
}

bool Reddish(COLORREF c) { return GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60; }
bool Greenish(COLORREF c) { return GetGValue(c) > GetRValue(c) + 60 && GetGValue(c) > GetBValue(c) + 60; }
bool Bluish(COLORREF c) { return GetBValue(c) > GetRValue(c) + 60 && GetBValue(c) > GetGValue(c) + 60; }

TEST_F(RepaintTest, TitleLayoutOfTheInstallersWindow) {
  TestWindow window = InstallerFrame();
  const RectF layout = skin::FrameTitleLayout(1);
  EXPECT_EQ(layout.x, 6);
  EXPECT_EQ(layout.y, 7);
  EXPECT_EQ(layout.width, 459);
  EXPECT_EQ(layout.height, 42);
  Record().hideIcon = 0;
  EXPECT_EQ(skin::FrameTitleLayout(1).x, 29) << "23 pixels further right beside the icon";
}

TEST_F(RepaintTest, PlainTitleHasNoOutline) {
  TestWindow window = InstallerFrame();
  skin::SkinWindowRecord& r = Record();
  r.titleColour = 0x0000FF;
  r.titleColour2 = 0x00FF00;
  r.titleEffect = 0;
  skin::ComposeMainFrame(1, false);
  EXPECT_GT(Count(Background(), 4, 3, 470, 25, Greenish), 0) << "the outlined title";
  EXPECT_GT(Count(Background(), 4, 3, 470, 25, Reddish), 0);

  r.titleColour2 = static_cast<COLORREF>(-1);
  r.titleEffect = 1;  // not read for a plain title
  skin::ComposeMainFrame(1, false);
  EXPECT_EQ(Count(Background(), 4, 3, 470, 25, Greenish), 0);
  EXPECT_GT(Count(Background(), 4, 3, 470, 25, Reddish), 0);
}

TEST_F(RepaintTest, TitleRepaintsDoNotPileUp) {
  TestWindow window = InstallerFrame();
  skin::SkinWindowRecord& r = Record();
  r.titleColour = 0x0000FF;
  r.titleColour2 = 0x00FF00;
  skin::ComposeMainFrame(1, true);
  const std::vector<COLORREF> composed = Caption();
  RepaintTitle();
  const std::vector<COLORREF> once = Caption();
  EXPECT_EQ(once, composed);
  for (int i = 0; i < 20; ++i) RepaintTitle();
  EXPECT_EQ(Caption(), once);
  EXPECT_EQ(Pixels(r.compositionDc.get(), 0, 0, 570, 25), Pixels(Background(), 0, 0, 570, 25));

  // Another text leaves nothing of the old one behind: the same as a frame
  // composed with that text.
  RepaintTitle(rt::Text("I"));
  const std::vector<COLORREF> repainted = Pixels(Background(), 0, 0, 570, 25);
  SetWindowTextA(window, "I");
  skin::ComposeMainFrame(1, false);
  EXPECT_EQ(repainted, Pixels(Background(), 0, 0, 570, 25));
}

TEST_F(RepaintTest, RepaintsBeforeTheFirstComposeDrawNothing) {
  skin::MainWindowSettings settings = MenuAndNoIcon();
  settings.bottomBarHeight = 24;
  TestWindow window = InstallerFrame(570, 450, WS_MINIMIZEBOX, settings);
  const std::size_t cached = skin::DcCache.size();
  RepaintTitle(rt::Text("title"));
  RepaintButton(3, std::nullopt, 240);
  RepaintButton(3, true, std::nullopt);
  skin::PaintBottomBarItem(1);
  EXPECT_EQ(Background(), nullptr);
  EXPECT_EQ(skin::DcCache.size(), cached);

  // The first compose draws the title of that moment.
  Record().titleColour = 0x0000FF;
  skin::ComposeMainFrame(1, true);
  EXPECT_GT(Count(Background(), 4, 3, 470, 25, Reddish), 0);
}

TEST_F(RepaintTest, SeparatorsMarkTheButtonEdges) {
  TestWindow window = InstallerFrame();
  skin::ComposeMainFrame(1, true);
  skin::SkinWindowRecord& r = Record();
  ASSERT_EQ(r.captionButtons.size(), 3u);
  const int lefts[] = {477, 504, 531};
  const int widths[] = {26, 26, 38};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(static_cast<int>(r.captionButtons[i].rect.x) - 1, lefts[i]);
    EXPECT_EQ(r.captionButtons[i].width, widths[i]);
    EXPECT_EQ(static_cast<int>(r.captionButtons[i].rect.y), 1);
  }
  const auto darkening = [&](int x, int y) {
    return Brightness(Pixel(r.captionDc.get(), x, y)) - Brightness(Pixel(Background(), x, y));
  };
  EXPECT_GT(darkening(476, 2), darkening(503, 2)) << "the strip's left edge is the darkest";
  EXPECT_GT(darkening(503, 2), 0);
  EXPECT_GT(darkening(530, 2), 0);
  EXPECT_GT(darkening(476, 2), darkening(476, 15)) << "fading downwards";
  for (int x : {476, 503, 530}) {
    EXPECT_GT(darkening(x, 1), 0) << x;
    EXPECT_EQ(darkening(x, 19), 0) << x;
    EXPECT_EQ(darkening(x, 0), 0) << x;
  }
}

TEST_F(RepaintTest, HoverAndPressedLooks) {
  TestWindow window = InstallerFrame();
  skin::AccentColour = 0xFF0000;  // blue, to be told apart from the red close button
  skin::ComposeMainFrame(1, true);
  const auto inside = [&](int left, int width, auto pick) {
    return Count(Background(), left + 2, 2, left + width - 2, 6, pick);
  };
  EXPECT_EQ(inside(531, 38, Reddish), 0);
  EXPECT_EQ(inside(477, 26, Bluish), 0);

  RepaintButton(3, std::nullopt, 240);
  EXPECT_GT(inside(531, 38, Reddish), 60) << "the close button turns red";
  RepaintButton(1, std::nullopt, 240);
  EXPECT_GT(inside(477, 26, Bluish), 30) << "another button takes the accent colour";
  EXPECT_EQ(inside(504, 26, Bluish), 0) << "its neighbour is untouched";

  RepaintButton(3, std::nullopt, 0);
  RepaintButton(1, std::nullopt, 0);
  EXPECT_EQ(inside(531, 38, Reddish), 0);
  RepaintButton(3, true, std::nullopt);
  EXPECT_TRUE(Reddish(Pixel(Background(), 533, 1))) << "pressed: red at its top";
  // Hover and press reach the window only, not the composition image.
  EXPECT_FALSE(Reddish(Pixel(Record().compositionDc.get(), 533, 1)));
}

TEST_F(RepaintTest, HoverStepsDoNotPileUp) {
  TestWindow window = InstallerFrame();
  skin::ComposeMainFrame(1, true);
  for (int button = 1; button <= 3; ++button) {
    SCOPED_TRACE(button);
    RepaintButton(button, std::nullopt, std::nullopt);
    const std::vector<COLORREF> once = Caption();
    for (int step = 1; step <= 20; ++step) RepaintButton(button, std::nullopt, 12 * step);
    RepaintButton(button, std::nullopt, 0);
    EXPECT_EQ(Caption(), once);
  }
  // No button under the mouse: nothing is painted.
  RepaintButton(3, std::nullopt, 240);
  const std::vector<COLORREF> before = Caption();
  RepaintButton(0, std::nullopt, 240);
  EXPECT_EQ(Caption(), before);
}

TEST_F(RepaintTest, AMaximizedFrameShowsTheRestoreImage) {
  TestWindow window = InstallerFrame(570, 450, WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  skin::SkinWindowRecord& r = Record();
  ASSERT_EQ(r.captionButtons.size(), 4u);
  ASSERT_EQ(r.captionButtons[2].kind, skin::CaptionButtonKind::MaximizeRestore);
  const int left = static_cast<int>(r.captionButtons[2].rect.x) - 1;
  const auto button = [&](int index) {
    const int x = static_cast<int>(r.captionButtons[index].rect.x) - 1;
    return Pixels(Background(), x, 1, x + r.captionButtons[index].width, 19);
  };
  skin::ComposeMainFrame(1, false);
  const auto normal = button(2);
  const auto close = button(3);
  r.maximized = 1;
  skin::ComposeMainFrame(1, true);
  EXPECT_NE(button(2), normal);
  EXPECT_EQ(button(3), close);
  const auto maximized = button(2);
  // The close button's looks leave the maximize button as it is.
  RepaintButton(4, std::nullopt, 240);
  RepaintButton(4, std::nullopt, 0);
  RepaintButton(4, true, std::nullopt);
  EXPECT_EQ(button(2), maximized);
  // Its own repaints show the restore image while maximized, in every look.
  for (const std::optional<bool> pressed : {std::optional<bool>{}, std::optional<bool>{true}}) {
    r.maximized = 1;
    RepaintButton(3, pressed, 120);
    const auto restoreLook = button(2);
    r.maximized = 0;
    RepaintButton(3, pressed, 120);
    EXPECT_NE(button(2), restoreLook);
  }
  EXPECT_GT(left, 0);
}

TEST_F(RepaintTest, BottomBarPictureAndText) {
  for (int size : {16, 48}) {
    SCOPED_TRACE(size);
    skin::SkinWindowTable.Clear();
    skin::MainWindowSettings settings = MenuAndNoIcon();
    settings.bottomBarHeight = 24;
    skin::BottomBarItem item;
    item.width = -1;
    item.text = "WWW";
    item.textColour = 0x000000;
    item.image = Picture(size, size, [](int, int) { return 0xFFFF00FF; });  // magenta
    settings.bottomItems = std::vector<skin::BottomBarItem>{item};
    TestWindow window = InstallerFrame(570, 450, WS_MINIMIZEBOX, settings);
    skin::SkinWindowRecord& r = Record();
    skin::ComposeMainFrame(1, true);
    ASSERT_NE(r.bottomDc.get(), nullptr);
    EXPECT_EQ(quillora_test::BitmapSize(r.bottomDc.get()).cx, r.bottomBarRect.width);
    EXPECT_EQ(quillora_test::BitmapSize(r.bottomDc.get()).cy, 24);
    const skin::XywhRect cell = r.bottomItemRects.at(0);
    const int x = cell.x, y = cell.y;
    constexpr COLORREF kMagenta = 0xFF00FF;
    EXPECT_EQ(Pixel(Background(), x + 2, y + 4), kMagenta);
    EXPECT_EQ(Pixel(Background(), x + 17, y + 19), kMagenta);
    EXPECT_NE(Pixel(Background(), x + 1, y + 10), kMagenta);
    EXPECT_NE(Pixel(Background(), x + 18, y + 10), kMagenta);
    EXPECT_NE(Pixel(Background(), x + 10, y + 3), kMagenta);
    EXPECT_NE(Pixel(Background(), x + 10, y + 20), kMagenta);
    // The text starts right of the picture, from x + 21.
    int firstInk = -1;
    for (int column = x + 18; column < x + 60 && firstInk < 0; ++column) {
      for (int row = y; row < y + 24; ++row) {
        if (Brightness(Pixel(Background(), column, row)) < 200) {
          firstInk = column;
          break;
        }
      }
    }
    EXPECT_GE(firstInk, x + 21);
    EXPECT_LE(firstInk, x + 24);

    // A repaint of the item restores it first: twice is the same as once.
    skin::PaintBottomBarItem(1, 1);
    const auto once = Pixels(Background(), x, y, x + cell.width, y + 24);
    for (int i = 0; i < 5; ++i) skin::PaintBottomBarItem(1);
    EXPECT_EQ(Pixels(Background(), x, y, x + cell.width, y + 24), once);
    EXPECT_EQ(Pixels(r.compositionDc.get(), x, y, x + cell.width, y + 24), once);
  }
}

}  // namespace
