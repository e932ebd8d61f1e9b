// Owner-drawn items of registered menus: lookup, measuring and painting,
// with records the tests put into MenuTable themselves.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/image_encoders.h"
#include "skin/containers/menu_items.h"
#include "skin/containers/owner_draw_router.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::DibPixels;
using quillora_test::Fill;
using quillora_test::Rgb;

constexpr int kItemWidth = 160;
constexpr int kItemHeight = 24;
constexpr COLORREF kRed = 0x0000FF;

int Red(std::uint32_t rgb) { return static_cast<int>((rgb >> 16) & 0xFF); }
int Green(std::uint32_t rgb) { return static_cast<int>((rgb >> 8) & 0xFF); }
int Blue(std::uint32_t rgb) { return static_cast<int>(rgb & 0xFF); }

ULONG_PTR ItemData(int menuIndex, int itemNumber) {
  return (static_cast<ULONG_PTR>(menuIndex & 0xFFFF) << 16) | static_cast<ULONG_PTR>(itemNumber & 0xFFFF);
}

// A 16 x 16 PNG of one opaque colour (ARGB).
rt::ByteArray SolidPng(std::uint32_t argb) {
  gdip::GdipBitmap bitmap;
  bitmap.Create(16, 16);
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromImage(bitmap);
    graphics.Clear(argb);
  }
  return bitmap.SaveToStream(gdip::kPngFormat);
}

// A frame whose menu (two owner-drawn items and a separator) is menu 1 of
// MenuTable.
class MenuItemTest : public ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    savedAccent = skin::AccentColour;
    savedTheme = skin::ThemeColour;
    skin::ThemeColour = 0;
    skin::ThemeBackground.clear();
    menu = CreatePopupMenu();
    AppendMenuA(menu, MF_OWNERDRAW, 101, reinterpret_cast<LPCSTR>(ItemData(1, 1)));
    AppendMenuA(menu, MF_OWNERDRAW, 102, reinterpret_cast<LPCSTR>(ItemData(1, 2)));
    AppendMenuA(menu, MF_OWNERDRAW, 103, reinterpret_cast<LPCSTR>(ItemData(1, 3)));

    auto record = std::make_unique<skin::MenuRecord>();
    record->menu = menu;
    record->itemWidth = 150;
    record->itemHeight = 26;
    record->colour = kRed;
    record->items.resize(3);
    for (skin::MenuItemRecord& item : record->items) {
      item.caption = rt::Text("打开文件");
      item.font.face = rt::Text("宋体");
      item.font.size = 12;
      item.textColour = kRed;
    }
    record->items[2].separator = 1;
    skin::MenuTable.push_back(std::move(record));
    item = skin::MenuTable.back().get();

    itemImage = skin::CreateDibDc({0, 0, kWidth, kItemHeight});
    itemDc = itemImage.get();
  }
  void TearDown() override {
    skin::MenuTable.clear();
    itemImage.reset();
    DestroyMenu(menu);
    skin::AccentColour = savedAccent;
    skin::ThemeColour = savedTheme;
    skin::ThemeBackground.clear();
    ComposedFrameTest::TearDown();
  }

  void SetState(UINT id, UINT state) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    info.fState = state;
    SetMenuItemInfoA(menu, id, FALSE, &info);
  }

  DRAWITEMSTRUCT Draw(UINT id, int itemNumber, UINT itemState = 0, int height = kItemHeight) {
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = id;
    draw.itemState = itemState;
    draw.hwndItem = reinterpret_cast<HWND>(menu);
    draw.hDC = itemDc;
    draw.rcItem = {0, 0, kItemWidth, height};
    draw.itemData = ItemData(1, itemNumber);
    return draw;
  }

  std::uint32_t At(int x, int y) { return Rgb(itemDc, x, y); }

  // Pixels of the item's caption area matching `test`.
  template <class Test>
  int Count(Test test, int x0 = 22, int x1 = kItemWidth - 4) {
    int n = 0;
    for (int y = 2; y < kItemHeight - 2; ++y)
      for (int x = x0; x < x1; ++x)
        if (test(At(x, y))) ++n;
    return n;
  }

  HMENU menu = nullptr;
  skin::MenuRecord* item = nullptr;
  skin::CachedDc itemImage;
  HDC itemDc = nullptr;
  COLORREF savedAccent = 0, savedTheme = 0;
};

TEST_F(MenuItemTest, FindMenuRecordGivesTheFirstPositionOfTheMenu) {
  EXPECT_EQ(skin::FindMenuRecord(menu), 1);
  EXPECT_EQ(skin::FindMenuRecord(nullptr), 0);
  HMENU other = CreatePopupMenu();
  EXPECT_EQ(skin::FindMenuRecord(other), 0);
  auto second = std::make_unique<skin::MenuRecord>();
  second->menu = other;
  skin::MenuTable.push_back(std::move(second));
  auto again = std::make_unique<skin::MenuRecord>();
  again->menu = other;
  skin::MenuTable.push_back(std::move(again));
  EXPECT_EQ(skin::FindMenuRecord(other), 2);
  DestroyMenu(other);
}

TEST_F(MenuItemTest, MeasureGivesTheRecordsSizesAndLeavesItemsOutsideTheTable) {
  struct Case {
    int menuIndex, itemNumber;
    UINT width, height;
  };
  const Case cases[] = {
      {1, 1, 150, 26},  {1, 2, 150, 26}, {1, 3, 150, 12},  // a separator is 12 high
      {0, 1, 7, 9},     {2, 1, 7, 9},    {-1, 1, 7, 9},     // no such menu
      {1, 0, 7, 9},     {1, 4, 7, 9},                       // no such item
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.menuIndex << "/" << c.itemNumber);
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemWidth = 7;
    measure.itemHeight = 9;
    measure.itemData = ItemData(c.menuIndex, c.itemNumber);
    skin::MeasureMenuItem(nullptr, &measure);
    EXPECT_EQ(measure.itemWidth, c.width);
    EXPECT_EQ(measure.itemHeight, c.height);
  }
  skin::MeasureMenuItem(nullptr, nullptr);
}

TEST_F(MenuItemTest, BackgroundIsThemeColourUnderAWhiteWashWithATintedIconColumn) {
  Fill(itemDc, kWidth, kItemHeight, 0x00FF00);
  Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x0000FF);  // blue skin
  DRAWITEMSTRUCT draw = Draw(101, 1);
  draw.itemData = ItemData(1, 1);
  // No caption, to see the background alone.
  item->items[0].caption = rt::Text("");
  skin::PaintMenuItemBack(frame, draw);
  const std::uint32_t plain = At(100, 12);
  EXPECT_LT(std::abs(Red(plain) - Blue(plain)), 4) << std::hex << plain << ": the skin is not used";
  EXPECT_GT(Red(plain), 200);
  const std::uint32_t column = At(10, 12);
  EXPECT_GT(Red(column) - Blue(column), 20) << std::hex << column << ": red-tinted column";
  EXPECT_EQ(At(kItemWidth + 1, 12), 0x00FF00u) << "nothing beyond the item";

  // With a theme picture the owner's skin shows through.
  skin::ThemeBackground = rt::ByteArray{1};
  skin::PaintMenuItemBack(frame, draw);
  const std::uint32_t skinned = At(100, 12);
  EXPECT_GT(Blue(skinned) - Red(skinned), 2) << std::hex << skinned;
  EXPECT_EQ(skin::DcCache.size(), cacheBefore + 1) << "only the test's own DC remains";
}

TEST_F(MenuItemTest, HighlightFollowsTheItemStateAndTheMenuColourFollowsTheAccent) {
  item->items[0].caption = rt::Text("");
  skin::PaintMenuItemBack(frame, Draw(101, 1));
  const std::uint32_t plain = At(100, 12);
  SetState(101, MFS_HILITE);
  skin::PaintMenuItemBack(frame, Draw(101, 1));
  const std::uint32_t lit = At(100, 12);
  EXPECT_GT(Red(lit) - Blue(lit), Red(plain) - Blue(plain) + 5) << std::hex << plain << " " << lit;

  // -1 takes the accent of paint time.
  item->colour = static_cast<COLORREF>(-1);
  skin::AccentColour = 0xFF0000;  // blue
  skin::PaintMenuItemBack(frame, Draw(101, 1));
  const std::uint32_t accent = At(100, 12);
  EXPECT_GT(Blue(accent) - Red(accent), 5) << std::hex << accent;
}

TEST_F(MenuItemTest, CheckMarkReplacesTheIcon) {
  skin::AccentColour = 0xFF0000;  // a blue tick
  item->items[0].icon = SolidPng(0xFF00FF00);
  item->items[0].caption = rt::Text("");
  auto green = [](std::uint32_t p) { return Green(p) > 200 && Red(p) < 60 && Blue(p) < 60; };
  // Over the red-tinted column only the tinted tick is bluer than red.
  auto blue = [](std::uint32_t p) { return Blue(p) > Red(p); };

  skin::PaintMenuItemBack(frame, Draw(101, 1));
  EXPECT_GT(Count(green, 2, 18), 200) << "the icon, 16 x 16 at (2, 4)";
  EXPECT_TRUE(green(At(2, 4)));
  EXPECT_TRUE(green(At(17, 19)));
  EXPECT_FALSE(green(At(17, 20)));

  SetState(101, MFS_CHECKED);
  skin::PaintMenuItemBack(frame, Draw(101, 1));
  EXPECT_EQ(Count(green, 0, 22), 0) << "no icon on a checked item";
  // The tick lies inside 14 x 14 at (3, 5).
  int inside = 0, outside = 0;
  for (int y = 0; y < kItemHeight; ++y)
    for (int x = 0; x < 22; ++x) {
      if (!blue(At(x, y))) continue;
      (x >= 3 && x < 17 && y >= 5 && y < 19 ? inside : outside)++;
    }
  EXPECT_GT(inside, 15);
  EXPECT_EQ(outside, 0);
}

TEST_F(MenuItemTest, DisabledCaptionIsGreyEvenWhenHighlighted) {
  auto red = [](std::uint32_t p) { return Red(p) > Green(p) + 80; };
  auto grey = [](std::uint32_t p) { return Red(p) < 0xC0 && std::abs(Red(p) - Green(p)) < 8 && std::abs(Red(p) - Blue(p)) < 8; };
  skin::PaintMenuItemBack(frame, Draw(101, 1));
  EXPECT_GT(Count(red), 10);
  EXPECT_EQ(Count(grey), 0);

  SetState(101, MFS_HILITE);
  skin::PaintMenuItemBack(frame, Draw(101, 1, ODS_DISABLED));
  EXPECT_EQ(Count(red), 0);
  EXPECT_GT(Count(grey), 10);
}

TEST_F(MenuItemTest, SeparatorDrawsItsLinesFromX22Only) {
  Fill(itemDc, kWidth, kItemHeight, 0);
  const int h = 12;
  skin::PaintMenuItemBack(frame, Draw(103, 3, 0, h));
  const std::uint32_t above = At(60, h / 2 - 3);
  const std::uint32_t dark = At(60, h / 2);
  const std::uint32_t light = At(60, h / 2 + 1);
  EXPECT_LT(Green(dark), Green(above) - 10) << std::hex << above << " " << dark;
  EXPECT_GT(Green(light), Green(dark) + 10) << std::hex << light;
  EXPECT_EQ(At(kItemWidth - 2, h / 2), At(kItemWidth - 2, h / 2 - 3)) << "ends at w - 4";
  EXPECT_EQ(At(21, h / 2), At(21, h / 2 - 3)) << "starts at x 22";
  // No caption on a separator.
  int red = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 22; x < kItemWidth; ++x)
      if (Red(At(x, y)) > Green(At(x, y)) + 60) ++red;
  EXPECT_EQ(red, 0);
}

TEST_F(MenuItemTest, ItemsOutsideTheTableAreNotPainted) {
  Fill(itemDc, kWidth, kItemHeight, 0x00FF00);
  for (ULONG_PTR data : {ItemData(0, 1), ItemData(2, 1), ItemData(1, 0), ItemData(1, 4), ItemData(-3, 1)}) {
    DRAWITEMSTRUCT draw = Draw(101, 1);
    draw.itemData = data;
    skin::PaintMenuItemBack(frame, draw);
    skin::PaintMenuItem(draw, itemDc);
    EXPECT_EQ(At(10, 12), 0x00FF00u) << std::hex << data;
    EXPECT_EQ(At(100, 12), 0x00FF00u) << std::hex << data;
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore + 1);
}

}  // namespace
