// Painting of group boxes and tab controls, read back from the host's
// composition image and from the DCs the painters draw into.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/containers/container_painters.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/tab_control_painter.h"
#include "skin/core/control_background.h"
#include "skin/core/control_font.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::DibPixels;
using quillora_test::FrameRgb;
using quillora_test::MakeChild;
using quillora_test::Rgb;
using quillora_test::TestWindow;

constexpr int kGroupX = 20, kGroupY = 30, kGroupW = 213, kGroupH = 224;

int Luma(std::uint32_t rgb) { return ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF); }

class ContainerPaintTest : public ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
  }

  // A group box of the frame, registered and painted in full.
  TestWindow PaintedGroupBox(DWORD align, const char* title, COLORREF tint = 0, int alpha = 255) {
    TestWindow group = MakeChild(frame, kGroupX, kGroupY, kGroupW, kGroupH, "Button",
                                 WS_CHILD | WS_VISIBLE | BS_GROUPBOX | align);
    SetWindowTextA(group, title);
    skin::InstallContainerSkin(group, 0, tint, alpha);
    skin::PaintContainer(windowIndex, skin::FindContainerRecord(windowIndex, group));
    return group;
  }

  // The composition image at (x, y) of the group box, and the frame's
  // own picture there.
  std::uint32_t Shown(int x, int y) { return Rgb(Record().compositionDc.get(), kGroupX + x, kGroupY + y); }
  static std::uint32_t Plain(int x, int y) { return FrameRgb(kGroupX + x, kGroupY + y); }
};

TEST_F(ContainerPaintTest, GroupBoxFrameLinesAndTitleGapByAlignment) {
  struct Case {
    const char* what;
    DWORD align;
    int gapX;  // an empty title measures 1 pixel
  };
  const Case cases[] = {
      {"BS_LEFT", BS_LEFT, 10},
      {"BS_CENTER", BS_CENTER, (kGroupW - 1) / 2},
      {"BS_RIGHT", BS_RIGHT, kGroupW - 1 - 10},
      {"no alignment bit: at the right", 0, kGroupW - 1 - 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestWindow group = PaintedGroupBox(c.align, "");
    for (int y : {5, 6}) {
      EXPECT_EQ(Shown(c.gapX, y), Plain(c.gapX, y)) << "the gap shows the window's background, y " << y;
      EXPECT_NE(Shown(c.gapX - 1, y), Plain(c.gapX - 1, y)) << "frame line left of the gap, y " << y;
      EXPECT_NE(Shown(c.gapX + 1, y), Plain(c.gapX + 1, y)) << "frame line right of the gap, y " << y;
    }
    EXPECT_LT(Luma(Shown(60, 5)), Luma(Plain(60, 5))) << "the outer line is dark";
    EXPECT_GT(Luma(Shown(60, 6)), Luma(Plain(60, 6))) << "the inner line is light";
    EXPECT_EQ(Shown(60, 3), Plain(60, 3)) << "nothing above the frame";
    EXPECT_EQ(Shown(60, 100), Plain(60, 100)) << "an untinted inside";
    const skin::ContainerRecord& record = Record().containers.At(skin::FindContainerRecord(windowIndex, group));
    EXPECT_EQ(record.redraw, 0);
    EXPECT_EQ(record.childChanged, 0);
  }
}

TEST_F(ContainerPaintTest, TitleSitsInItsBandAndTheBandIsTintedOnlyFromTheFrameDown) {
  TestWindow titled = PaintedGroupBox(BS_LEFT, "安装选项");
  const skin::FontSpec font = skin::GetControlFont(titled);
  const int tw = skin::MeasureTextWidth("安装选项", font.face, font.size, font.style);
  int ink = 0, stray = 0;
  for (int y = 1; y < 5; ++y)
    for (int x = 0; x < kGroupW; ++x) {
      if (Shown(x, y) == Plain(x, y)) continue;
      (x >= 10 && x < 10 + tw ? ink : stray)++;
    }
  EXPECT_GT(ink, 0) << "title glyphs above the frame line";
  EXPECT_EQ(stray, 0) << "nothing drawn above the frame outside the title";
  titled = TestWindow();

  constexpr COLORREF kRed = 0x0000FF;
  TestWindow tinted = PaintedGroupBox(BS_LEFT, "", kRed, 255);
  for (int y : {1, 2, 4}) EXPECT_EQ(Shown(10, y), Plain(10, y)) << "plain background above the frame, y " << y;
  for (int y : {5, 6, 12}) EXPECT_EQ(Shown(10, y), 0xFF0000u) << "tint from the frame's top line down, y " << y;
}

TEST_F(ContainerPaintTest, CleanPaintCopiesTheCompositionImage) {
  TestWindow group = PaintedGroupBox(BS_CENTER, "选项", 0x00FF00, 60);
  skin::CachedDc copy = skin::CreateDibDc({0, 0, kGroupW, kGroupH});
  skin::BlitContainerBackground(windowIndex, 1, group, copy.get());
  int differing = 0;
  for (int y = 0; y < kGroupH; ++y)
    for (int x = 0; x < kGroupW; ++x)
      if (Rgb(copy.get(), x, y) != Shown(x, y)) ++differing;
  EXPECT_EQ(differing, 0);
}

// A full paint keeps the title's font and format and its finished image
// with the record; it must show exactly what the plain paint (background
// composed, PaintGroupBox making everything afresh) shows, after each
// change as well.
TEST_F(ContainerPaintTest, FullPaintsMatchThePlainPaintAndFollowEveryChange) {
  TestWindow group = PaintedGroupBox(BS_LEFT, "安装选项", 0x00FF00, 60);
  const int index = skin::FindContainerRecord(windowIndex, group);
  ASSERT_GE(index, 1);
  const auto kept = [&] {
    skin::PaintContainer(windowIndex, index);
    std::vector<std::uint32_t> shown;
    for (int y = 0; y < kGroupH; ++y)
      for (int x = 0; x < kGroupW; ++x) shown.push_back(Shown(x, y));
    return shown;
  };
  const auto plain = [&] {
    skin::CachedDc image = skin::ComposeControlBackground(group, {0, 0, kGroupW, kGroupH});
    skin::PaintGroupBox(windowIndex, index, image.get());
    std::vector<std::uint32_t> drawn;
    for (int y = 0; y < kGroupH; ++y)
      for (int x = 0; x < kGroupW; ++x) drawn.push_back(Rgb(image.get(), x, y));
    return drawn;
  };
  const std::vector<std::uint32_t> first = kept();
  EXPECT_EQ(first, plain());
  EXPECT_EQ(kept(), first) << "repeated";

  struct Change {
    const char* what;
    std::function<void()> apply;
  };
  const Change changes[] = {
      {"title", [&] { SetWindowTextA(group, "选项"); }},
      {"font size", [&] { Record().containers.At(index).font.size += 4; }},
      {"alignment", [&] { SetWindowLongPtrA(group, GWL_STYLE, GetWindowLongPtrA(group, GWL_STYLE) | BS_CENTER); }},
      {"text colour", [&] { skin::prop::Write(group, skin::prop::kTextColour, 0x0000FF); }},
      {"tint", [&] { Record().containers.At(index).tintColour = 0xFF0000; }},
      {"picture above the frame", [&] {
         DibPixels pixels(Record().backgroundDc.get());
         for (int x = 0; x < kGroupW; ++x) pixels.at(kGroupX + x, kGroupY + 2) = 0x00102030;
       }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    const std::vector<std::uint32_t> before = kept();
    change.apply();
    const std::vector<std::uint32_t> after = kept();
    EXPECT_NE(after, before) << "the change does not show";
    EXPECT_EQ(after, plain());
    EXPECT_EQ(kept(), after) << "repeated";
  }
}

TEST_F(ContainerPaintTest, TabLayoutBySideRowsAndSelection) {
  const RECT q{2, 2, 50, 22};  // 48 x 20
  struct Case {
    const char* what;
    LONG_PTR style;
    RECT selected;
    int rows;
    skin::TabSide side;
    RECT page, join;
  };
  const Case cases[] = {
      {"top", 0, q, 1, skin::TabSide::Top, {0, 21, 200, 150}, {3, 21, 49, 24}},
      {"two rows of top tabs", 0, q, 2, skin::TabSide::Top, {0, 41, 200, 150}, {3, 21, 49, 24}},
      {"bottom: a 2-pixel strip", TCS_BOTTOM, q, 1, skin::TabSide::Bottom, {0, 0, 200, 129}, {3, 1, 49, 3}},
      {"left", TCS_VERTICAL, q, 1, skin::TabSide::Left, {49, 0, 200, 150}, {49, 3, 52, 21}},
      {"right: vertical with the bottom bit", TCS_VERTICAL | TCS_RIGHT, q, 1, skin::TabSide::Right,
       {0, 0, 151, 150}, {1, 3, 4, 21}},
      {"no selection: an empty strip", 0, RECT{}, 1, skin::TabSide::Top, {0, 1, 200, 150}, {1, -1, -1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const skin::TabLayout layout = skin::ComputeTabLayout(c.style, 200, 150, c.selected, c.rows);
    EXPECT_EQ(layout.side, c.side);
    EXPECT_TRUE(EqualRect(&layout.page, &c.page))
        << layout.page.left << "," << layout.page.top << "," << layout.page.right << "," << layout.page.bottom;
    EXPECT_TRUE(EqualRect(&layout.join, &c.join))
        << layout.join.left << "," << layout.join.top << "," << layout.join.right << "," << layout.join.bottom;
  }
}

TEST_F(ContainerPaintTest, TabControlPageFrameTabsAndJoin) {
  TestWindow tab = MakeChild(frame, 40, 40, 300, 200, WC_TABCONTROLA, WS_CHILD | WS_VISIBLE);
  for (int i = 0; i < 3; ++i) {
    std::string text = "页面" + std::to_string(i + 1);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageA(tab, TCM_SETCURSEL, 1, 0);
  skin::InstallContainerSkin(tab);
  skin::PaintContainer(windowIndex, skin::FindContainerRecord(windowIndex, tab));

  RECT selected{}, other{};
  SendMessageA(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
  SendMessageA(tab, TCM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&other));
  RECT client{};
  GetClientRect(tab, &client);
  const skin::TabLayout layout = skin::ComputeTabLayout(
      GetWindowLongPtrA(tab, GWL_STYLE), client.right, client.bottom, selected,
      static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0)));
  const auto shown = [&](int x, int y) { return Rgb(Record().compositionDc.get(), 40 + x, 40 + y); };
  const auto plain = [](int x, int y) { return FrameRgb(40 + x, 40 + y); };

  const int midY = (layout.page.top + layout.page.bottom) / 2;
  EXPECT_LT(Luma(shown(0, midY)), Luma(plain(0, midY))) << "dark outer page frame";
  EXPECT_GT(Luma(shown(1, midY)), Luma(plain(1, midY))) << "light inner page frame";
  EXPECT_EQ(shown(150, midY), plain(150, midY)) << "the page itself is the background";

  const int top = layout.page.top;
  const int selectedX = (selected.left + selected.right) / 2;
  const int otherX = (other.left + other.right) / 2;
  EXPECT_EQ(shown(selectedX, top), plain(selectedX, top)) << "the selected tab opens into the page";
  EXPECT_LT(Luma(shown(otherX, top)), Luma(plain(otherX, top))) << "the page's top line under another tab";

  // Near their tops the selected tab is far whiter than an unselected one.
  const int sel = Luma(shown(selectedX - 12, selected.top + 3)) - Luma(plain(selectedX - 12, selected.top + 3));
  const int unsel = Luma(shown(otherX - 12, other.top + 3)) - Luma(plain(otherX - 12, other.top + 3));
  EXPECT_GT(sel, unsel + 60) << sel << " vs " << unsel;
  EXPECT_GT(unsel, 0);
}

TEST_F(ContainerPaintTest, TabControlWithoutSelectionDrawsItsTabsAndNoJoin) {
  TestWindow tab = MakeChild(frame, 40, 40, 300, 200, WC_TABCONTROLA, WS_CHILD | WS_VISIBLE);
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  char text[] = "页面";
  item.pszText = text;
  SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  SendMessageA(tab, TCM_SETCURSEL, static_cast<WPARAM>(-1), 0);
  ASSERT_EQ(SendMessageA(tab, TCM_GETCURSEL, 0, 0), -1);
  skin::InstallContainerSkin(tab);
  const std::size_t cache = skin::DcCache.size();
  skin::PaintContainer(windowIndex, 1);
  EXPECT_EQ(skin::DcCache.size(), cache);
  EXPECT_EQ(Record().containers.At(1).redraw, 0);
}

}  // namespace
