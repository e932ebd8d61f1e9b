// The header skin: the installer, the dead zones of the hit test, hover
// and pressed tracking, the painted items of stand-alone and list-view
// headers, and the image list left to its owner.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/header_skin.h"
#include "skin/lists/list_installers.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/skin/lists/pixel_checks.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::MakeChild;
using quillora_test::TestWindow;

constexpr std::uint32_t kMarker = 0x123456;
constexpr int kItemWidth = 80, kHeaderHeight = 24;

struct Channels {
  int r, g, b;
};
Channels Split(std::uint32_t dib) { return {int((dib >> 16) & 0xFF), int((dib >> 8) & 0xFF), int(dib & 0xFF)}; }
bool Dark(std::uint32_t dib) {
  const Channels c = Split(dib);
  return c.r < 90 && c.g < 90 && c.b < 90;
}

void AddItem(HWND header, const char* text, int fmt = HDF_LEFT, int width = kItemWidth) {
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.cxy = width;
  item.fmt = fmt | HDF_STRING;
  std::string copy(text);
  item.pszText = copy.data();
  const auto count = SendMessageA(header, HDM_GETITEMCOUNT, 0, 0);
  SendMessageA(header, HDM_INSERTITEMA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&item));
}

// Headers read back from their own DC: the frame is shown.
class HeaderSkinTest : public quillora_test::ComposedFrameTest {
 protected:
  bool FrameShown() const override { return true; }
  void SetUp() override {
    ComposedFrameTest::SetUp();
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
  }
  HWND MakeHeader(DWORD style, int y = 40) {
    windows.push_back(MakeChild(frame, 40, y, 300, kHeaderHeight, WC_HEADERA, WS_CHILD | WS_VISIBLE | style));
    return windows.back();
  }
  void SkinAll() {
    skin::SkinHeaders(windowIndex, frame);
    Mark();
  }
  void Mark() { quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, kMarker); }
  std::uint32_t At(HWND control, int x, int y) {
    POINT origin{0, 0};
    MapWindowPoints(control, frame, &origin, 1);
    return quillora_test::Rgb(Record().compositionDc.get(), origin.x + x, origin.y + y);
  }
  bool Repainted(HWND header) { return At(header, 60, 12) != kMarker; }
  // Dark text pixels of columns [from, to).
  std::vector<int> InkColumns(HWND header, int from, int to) {
    std::vector<int> columns;
    for (int x = from; x < to; ++x)
      for (int y = 0; y < kHeaderHeight; ++y)
        if (Dark(At(header, x, y))) {
          columns.push_back(x);
          break;
        }
    return columns;
  }

  quillora_test::EngineDefaults settings;
  std::vector<TestWindow> windows;
};

TEST_F(HeaderSkinTest, TheInstallerTakesHeadersAndListViewHeadersOnce) {
  const HWND plain = MakeHeader(HDS_BUTTONS);
  windows.push_back(MakeChild(frame, 40, 100, 300, 150, WC_LISTVIEWA, WS_CHILD | WS_VISIBLE | LVS_REPORT));
  const HWND inList = FindWindowExA(windows.back(), nullptr, WC_HEADERA, nullptr);
  ASSERT_NE(inList, nullptr);
  skin::SkinHeaders(windowIndex, frame);
  skin::SkinHeaders(windowIndex, frame);  // a second run skips listed headers
  ASSERT_EQ(Record().headers.Count(), 2);
  const skin::HeaderRecord& first = Record().headers.At(1);
  EXPECT_EQ(first.hwnd, plain);
  EXPECT_EQ(first.buttons, 1);
  EXPECT_FALSE(first.font.face.empty()) << "a stand-alone header has a font too";
  EXPECT_GT(first.font.size, 0);
  EXPECT_EQ(Record().headers.At(2).hwnd, inList);
  EXPECT_GT(Record().headers.At(2).font.size, 0);
  EXPECT_EQ(skin::prop::Read(inList, skin::prop::kIndex), 2);
  EXPECT_EQ(skin::prop::Read(inList, skin::prop::kHostIndex), windowIndex);
  EXPECT_EQ(GetWindowLongPtrA(plain, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&skin::HeaderSkinProc));
  SendMessageA(plain, WM_MOUSEMOVE, 0, MAKELPARAM(20, 5));  // passed on once, not to itself
}

TEST_F(HeaderSkinTest, DividersHaveDeadZones) {
  const HWND header = MakeHeader(HDS_BUTTONS);
  AddItem(header, "One");
  AddItem(header, "Two");
  SkinAll();
  struct Case {
    int x, item;
  };
  const Case cases[] = {
      {5, 1},  {4, 0},  {75, 1}, {76, 0},           // left + 5 and right - 5 hit, one pixel further misses
      {79, 0}, {80, 0}, {84, 0}, {85, 2}, {155, 2},  // the 9 pixels around the divider hit nothing
      {-2, 0}, {200, 0},                             // outside the items
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.x);
    EXPECT_EQ(skin::HitTestHeaderItem(windowIndex, 1, MAKELPARAM(c.x, 5)), c.item);
  }
}

TEST_F(HeaderSkinTest, HoverAndPressFollowTheMouse) {
  const HWND header = MakeHeader(HDS_BUTTONS);
  AddItem(header, "One");
  AddItem(header, "Two");
  SkinAll();
  struct Step {
    const char* what;
    UINT message;
    int x;
    bool repaint;
    int hover, hot, pressed;
  };
  const Step steps[] = {
      {"onto item 1", WM_MOUSEMOVE, 20, true, 1, 1, 0},
      {"within item 1", WM_MOUSEMOVE, 30, false, 1, 1, 0},
      {"onto item 2", WM_MOUSEMOVE, 100, true, 1, 2, 0},
      {"onto the divider", WM_MOUSEMOVE, 80, true, 0, 0, 0},
      {"on the divider again", WM_MOUSEMOVE, 81, true, 0, 0, 0},
      {"back onto item 1", WM_MOUSEMOVE, 20, true, 1, 1, 0},
      {"press", WM_LBUTTONDOWN, 20, false, 1, 1, 1},
      {"held over item 2", WM_MOUSEMOVE, 100, false, 1, 2, 1},
      {"release", WM_LBUTTONUP, 100, false, 1, 2, 0},
      {"leave", WM_MOUSELEAVE, 0, true, 0, 0, 0},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    Mark();
    SendMessageA(header, s.message, s.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(s.x, 5));
    const skin::HeaderRecord& record = Record().headers.At(1);
    EXPECT_EQ(Repainted(header), s.repaint);
    EXPECT_EQ(record.hover, s.hover);
    EXPECT_EQ(record.hotItem, s.hot);
    EXPECT_EQ(record.pressedItem, s.pressed);
  }
  EXPECT_EQ(Record().hotKind, skin::HotKind::Header);
  EXPECT_EQ(Record().lastHot, 0);
}

TEST_F(HeaderSkinTest, ItemsShowTheirGradientAndTheHotItemDiffers) {
  const HWND buttons = MakeHeader(HDS_BUTTONS);
  const HWND plain = MakeHeader(0, 80);
  for (HWND h : {buttons, plain}) {
    AddItem(h, "One");
    AddItem(h, "Two");
  }
  SkinAll();
  skin::PaintHeader(windowIndex, 1);
  skin::PaintHeader(windowIndex, 2);
  // Over the white base the accent shows as lower red: clickable headers
  // run from white to accent, plain ones from accent to faint accent.
  EXPECT_GT(Split(At(buttons, 60, 1)).r, Split(At(buttons, 60, kHeaderHeight - 2)).r + 20);
  EXPECT_LT(Split(At(plain, 60, 1)).r, Split(At(plain, 60, kHeaderHeight - 2)).r - 10);
  // The separator at each item's right edge.
  EXPECT_LT(Split(At(buttons, kItemWidth - 1, 2)).r, Split(At(buttons, kItemWidth - 3, 2)).r - 30);
  // Stand-alone headers draw their texts.
  EXPECT_FALSE(InkColumns(buttons, 0, kItemWidth - 2).empty());
  EXPECT_FALSE(InkColumns(plain, kItemWidth, 2 * kItemWidth - 2).empty());

  EXPECT_EQ(At(buttons, 60, 12), At(buttons, 140, 12));
  skin::HeaderRecord& record = Record().headers.At(1);
  record.hover = 1;
  record.hotItem = 2;
  skin::PaintHeader(windowIndex, 1);
  EXPECT_NE(At(buttons, 60, 12), At(buttons, 140, 12)) << "hover look";
  record.hover = 0;
  record.pressedItem = 1;
  skin::PaintHeader(windowIndex, 1);
  const std::uint32_t pressed = At(buttons, 60, 12);
  EXPECT_NE(pressed, At(buttons, 140, 12)) << "pressed look";
  // A header without buttons shows neither.
  skin::HeaderRecord& flat = Record().headers.At(2);
  flat.hover = 1;
  flat.hotItem = 2;
  flat.pressedItem = 1;
  skin::PaintHeader(windowIndex, 2);
  EXPECT_EQ(At(plain, 60, 12), At(plain, 140, 12));
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(HeaderSkinTest, AListViewsLastColumnReachesItsRightEdge) {
  windows.push_back(MakeChild(frame, 40, 100, 300, 150, WC_LISTVIEWA, WS_CHILD | WS_VISIBLE | LVS_REPORT));
  const HWND list = windows.back();
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = kItemWidth;
    char text[] = "Col";
    column.pszText = text;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  const HWND header = FindWindowExA(list, nullptr, WC_HEADERA, nullptr);
  ASSERT_NE(header, nullptr);
  SkinAll();
  RECT client{};
  GetClientRect(header, &client);
  const int height = client.bottom;
  skin::PaintHeader(windowIndex, 1);
  // Past the last column (which ends at 160) the item's background and
  // gradient go on to the list's edge; the separator stays at 159.
  EXPECT_EQ(At(header, 250, height - 2), At(header, 140, height - 2));
  EXPECT_EQ(At(header, 250, 1), At(header, 140, 1));
  EXPECT_NE(At(header, 250, 1), kMarker);
  EXPECT_NE(At(header, 159, 2), At(header, 150, 2));
  EXPECT_EQ(At(header, 200, 2), At(header, 150, 2));
}

TEST_F(HeaderSkinTest, RightAlignedTextEndsFlushWithTheItemsEdge) {
  const HWND header = MakeHeader(HDS_BUTTONS);
  AddItem(header, "Wide", HDF_RIGHT);
  AddItem(header, "A text far too long for its item", HDF_RIGHT);
  AddItem(header, "Left");
  SkinAll();
  skin::PaintHeader(windowIndex, 1);
  const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
  const std::vector<int> fits = InkColumns(header, 0, kItemWidth - 1);
  ASSERT_FALSE(fits.empty());
  EXPECT_GE(fits.back(), kItemWidth - 5) << "no right margin";
  EXPECT_GT(fits.front(), kItemWidth / 2);
  const std::vector<int> tooLong = InkColumns(header, kItemWidth, 2 * kItemWidth - 1);
  ASSERT_FALSE(tooLong.empty());
  EXPECT_LE(tooLong.front(), kItemWidth + margin + 4) << "starts at the margin";
  const std::vector<int> left = InkColumns(header, 2 * kItemWidth, 3 * kItemWidth - 1);
  ASSERT_FALSE(left.empty());
  EXPECT_GE(left.front(), 2 * kItemWidth + margin);
  EXPECT_LE(left.front(), 2 * kItemWidth + margin + 4);
}

TEST_F(HeaderSkinTest, TheImageListStaysWithItsOwner) {
  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
  ASSERT_NE(images, nullptr);
  HWND header = MakeHeader(HDS_BUTTONS);
  SendMessageA(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  AddItem(header, "One");
  SkinAll();
  EXPECT_EQ(Record().headers.At(1).imageList, images);
  DestroyWindow(header);
  EXPECT_EQ(Record().headers.At(1).imageList, nullptr);
  // Still the owner's: usable, and released once, by the owner.
  EXPECT_EQ(ImageList_GetImageCount(images), 0);
  EXPECT_EQ(ImageList_SetImageCount(images, 2), TRUE);
  EXPECT_EQ(ImageList_GetImageCount(images), 2);
  EXPECT_TRUE(ImageList_Destroy(images));
}

TEST_F(HeaderSkinTest, AHeaderWithoutItemsPaintsNothing) {
  const HWND header = MakeHeader(HDS_BUTTONS);
  SkinAll();
  skin::PaintHeader(windowIndex, 1);
  EXPECT_FALSE(Repainted(header));
  EXPECT_EQ(At(header, 2, 2), kMarker);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(HeaderSkinTest, IndicesThatNameNoRecordPaintNothing) {
  const HWND header = MakeHeader(HDS_BUTTONS);
  AddItem(header, "One");
  SkinAll();
  for (int index : {0, -1, 2}) skin::PaintHeader(windowIndex, index);
  skin::PaintHeader(windowIndex + 1, 1);
  EXPECT_FALSE(Repainted(header));
  // A header whose properties do not name its own record is passed on.
  skin::prop::Write(header, skin::prop::kIndex, 0);
  SendMessageA(header, WM_PAINT, 0, 0);
  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(20, 5));
  EXPECT_FALSE(Repainted(header));
  EXPECT_EQ(Record().headers.At(1).hover, 0);
}

}  // namespace
