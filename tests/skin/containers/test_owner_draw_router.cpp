// The owner-draw router's button side: which owner-drawn buttons reach a
// painter, by control type and ButtonKind; and the menu side's choice of
// the owner window.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <memory>

#include "skin/containers/owner_draw_router.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "tests/skin/buttons/button_fixture.h"

namespace {

using quillora_test::DibPixels;
using quillora_test::Fill;
using quillora_test::MakeChild;
using quillora_test::TestWindow;

constexpr std::uint32_t kUntouched = 0x00FF00;
constexpr int kW = 75, kH = 23;  // the fixture's push button

class RouterTest : public quillora_test::SkinnedButtonTest {
 protected:
  void SetUp() override {
    SkinnedButtonTest::SetUp();
    itemImage = skin::CreateDibDc({0, 0, kW, kH});
    itemDc = itemImage.get();
  }
  void TearDown() override {
    itemImage.reset();
    skin::MenuTable.clear();
    skin::LayerElements.clear();
    SkinnedButtonTest::TearDown();
  }

  DRAWITEMSTRUCT Item(UINT type, HWND window) {
    DRAWITEMSTRUCT item{};
    item.CtlType = type;
    item.hwndItem = window;
    item.hDC = itemDc;
    item.rcItem = {0, 0, kW, kH};
    return item;
  }

  // Pixels of the item DC that the route changed.
  int Changed() {
    DibPixels pixels(itemDc);
    int n = 0;
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x)
        if ((pixels.at(x, y) & 0xFFFFFF) != kUntouched) ++n;
    return n;
  }

  skin::CachedDc itemImage;
  HDC itemDc = nullptr;
};

TEST_F(RouterTest, OnlyListedPushButtonsOfOwnerDrawnButtonItemsArePainted) {
  TestWindow loose = MakeChild(frame, 300, 300, kW, kH, "Button", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
  TestWindow radio = MakeChild(frame, 300, 340, kW, kH, "Button", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
  const int radioIndex = quillora_test::ListControl(Record().buttons, radio, windowIndex);
  Record().buttons.At(radioIndex).kind = skin::ButtonKind::AutoRadio;
  // A button whose index names another button's record.
  TestWindow stray = MakeChild(frame, 300, 380, kW, kH, "Button", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
  skin::prop::Write(stray, skin::prop::kIndex, 1);
  skin::prop::Write(stray, skin::prop::kHostIndex, windowIndex);

  struct Case {
    const char* name;
    UINT type;
    HWND window;
    std::optional<int> layer;
    bool painted;
  };
  const Case cases[] = {
      {"push button", ODT_BUTTON, push, std::nullopt, true},
      {"push button, layer flag 0", ODT_BUTTON, push, 0, true},
      {"push button, layer flag", ODT_BUTTON, push, 1, false},
      {"check box", ODT_BUTTON, check, std::nullopt, false},
      {"auto radio button", ODT_BUTTON, radio, std::nullopt, false},
      {"unlisted button", ODT_BUTTON, loose, std::nullopt, false},
      {"index of another button", ODT_BUTTON, stray, std::nullopt, false},
      {"list box item", ODT_LISTBOX, push, std::nullopt, false},
      {"combo box item", ODT_COMBOBOX, push, std::nullopt, false},
      {"static", ODT_STATIC, push, std::nullopt, false},
      {"tab", ODT_TAB, push, std::nullopt, false},
      {"list view", ODT_LISTVIEW, push, std::nullopt, false},
      {"menu not registered", ODT_MENU, push, std::nullopt, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fill(itemDc, kW, kH, kUntouched);
    skin::RouteDrawItem(windowIndex, Item(c.type, c.window), c.layer);
    if (c.painted) {
      EXPECT_GT(Changed(), kW * kH / 2);
    } else {
      EXPECT_EQ(Changed(), 0);
    }
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore + 1) << "only the test's own DC remains";
}

TEST_F(RouterTest, PushButtonIsPaintedWithTheItemsStateIntoTheItemsDc) {
  Fill(itemDc, kW, kH, kUntouched);
  skin::RouteDrawItem(windowIndex, Item(ODT_BUTTON, push));
  const std::uint32_t normal = DibPixels(itemDc).at(6, 11) & 0xFFFFFF;
  EXPECT_NE(normal, kUntouched);
  EXPECT_EQ(quillora_test::FromDib(normal), Composed(push, 6, 11)) << "the same image as the host's";

  DRAWITEMSTRUCT disabled = Item(ODT_BUTTON, push);
  disabled.itemState = ODS_DISABLED;
  skin::RouteDrawItem(windowIndex, disabled);
  EXPECT_NE(DibPixels(itemDc).at(6, 11) & 0xFFFFFF, normal) << "the disabled look";
}

TEST_F(RouterTest, MenuItemsOfRegisteredMenusArePaintedWithTheirOwnerWindow) {
  HMENU menu = CreatePopupMenu();
  AppendMenuA(menu, MF_OWNERDRAW, 7, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(0x00010001)));
  auto record = std::make_unique<skin::MenuRecord>();
  record->menu = menu;
  record->items.resize(1);
  skin::MenuTable.push_back(std::move(record));

  DRAWITEMSTRUCT item = Item(ODT_MENU, reinterpret_cast<HWND>(menu));
  item.itemID = 7;
  item.itemData = 0x00010001;
  Fill(itemDc, kW, kH, kUntouched);
  skin::RouteDrawItem(windowIndex, item);
  EXPECT_EQ(Changed(), kW * kH);

  // Under the layer flag the owner comes from LayerElements.
  skin::LayerElements.assign(static_cast<std::size_t>(windowIndex), skin::LayerElement{frame});
  Fill(itemDc, kW, kH, kUntouched);
  skin::RouteDrawItem(windowIndex, item, 1);
  EXPECT_EQ(Changed(), kW * kH);
  DestroyMenu(menu);
}

}  // namespace
