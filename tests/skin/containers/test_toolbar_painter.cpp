// Toolbar painting: button states, separators, hidden buttons, icon and
// caption placement, and the greyed icon.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/containers/control_skin.h"
#include "skin/containers/toolbar_painter.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::Fill;
using quillora_test::MakeChild;
using quillora_test::Rgb;
using quillora_test::TestWindow;

constexpr std::uint32_t kGrey = 0x404040;

int Sum(std::uint32_t rgb) {
  return static_cast<int>(((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF));
}

// A 16 x 16 icon of one colour (COLORREF) over a transparent-free mask,
// or of four quadrant colours.
HICON MakeIcon(const COLORREF (&quadrants)[4]) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 16;
  info.bmiHeader.biHeight = -16;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const COLORREF c = quadrants[(y / 8) * 2 + x / 8];
      pixels[y * 16 + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  HBITMAP mask = CreateBitmap(16, 16, 1, 1, std::vector<BYTE>(32, 0).data());
  ICONINFO icon{TRUE, 0, 0, mask, colour};
  HICON result = CreateIconIndirect(&icon);
  DeleteObject(mask);
  DeleteObject(colour);
  return result;
}

class ToolbarPainterTest : public ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    Fill(Record().backgroundDc.get(), kWidth, kHeight, kGrey);
    images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
    const COLORREF red[4] = {0x0000FF, 0x0000FF, 0x0000FF, 0x0000FF};
    HICON icon = MakeIcon(red);
    ImageList_AddIcon(images, icon);
    DestroyIcon(icon);
  }
  void TearDown() override {
    toolbar = TestWindow();
    ImageList_Destroy(images);
    ComposedFrameTest::TearDown();
  }

  // A toolbar at (10, 10) of the frame with the given buttons, skinned.
  void MakeToolbar(const std::vector<TBBUTTON>& buttons, DWORD style = 0) {
    toolbar = MakeChild(frame, 10, 10, 400, 80, TOOLBARCLASSNAMEA,
                        WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | style);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    SendMessageA(toolbar, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    skin::SkinToolbars(windowIndex, frame);
  }

  RECT ItemRect(int index) {
    RECT r{};
    SendMessageA(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    return r;
  }

  // A memory DC of the toolbar's client size filled with the grey skin.
  skin::CachedDc Canvas() {
    skin::CachedDc dc = skin::CreateDibDc({0, 0, 400, 80});
    Fill(dc.get(), 400, 80, kGrey);
    return dc;
  }

  HIMAGELIST images = nullptr;
  TestWindow toolbar;
};

TBBUTTON Button(int command, BYTE state, BYTE style = BTNS_BUTTON, int image = 0) {
  TBBUTTON b{};
  b.iBitmap = image;
  b.idCommand = command;
  b.fsState = state;
  b.fsStyle = style;
  b.iString = -1;
  return b;
}

TEST_F(ToolbarPainterTest, SkinToolbarsRegistersEachToolbarOnceWithItsImageList) {
  MakeToolbar({Button(1, TBSTATE_ENABLED)});
  const int index = static_cast<int>(skin::prop::Read(toolbar, skin::prop::kControlIndex));
  ASSERT_GE(index, 1);
  const skin::ControlRecord& record = Record().controls.At(index);
  EXPECT_EQ(record.hwnd, toolbar.get());
  EXPECT_EQ(record.redraw, 1);
  EXPECT_EQ(record.dropFrame, 0);
  EXPECT_EQ(record.background, GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(skin::prop::ReadHandle<HIMAGELIST>(toolbar, skin::prop::kCtlColourBitmap), images);
  EXPECT_EQ(skin::prop::Read(toolbar, skin::prop::kControlHostIndex), windowIndex);
  EXPECT_EQ(GetWindowLongPtrA(toolbar, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::ControlSkinProc));
  const INT_PTR saved = skin::prop::Read(toolbar, skin::prop::kControlOldProc);

  // Toolbars are taken whatever SkinChildControls says, but never twice.
  skin::SkinChildControls = 0;
  skin::SkinToolbars(windowIndex, frame);
  skin::SkinChildControls = 1;
  EXPECT_EQ(Record().controls.Count(), index);
  EXPECT_EQ(skin::prop::Read(toolbar, skin::prop::kControlOldProc), saved);
  EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 1) << "the native toolbar still answers";
}

TEST_F(ToolbarPainterTest, ButtonStatesDecideFillAndOutline) {
  MakeToolbar({Button(1, TBSTATE_ENABLED | TBSTATE_PRESSED), Button(2, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK),
               Button(3, TBSTATE_ENABLED), Button(4, TBSTATE_ENABLED)});
  struct Case {
    const char* name;
    int index;
    bool hot;
    bool drawn;
  };
  for (const Case& c : {Case{"pressed", 0, false, true}, Case{"checked", 1, false, true},
                        Case{"hot", 2, true, true}, Case{"plain", 3, false, false}}) {
    SCOPED_TRACE(c.name);
    skin::CachedDc dc = Canvas();
    skin::PaintToolbarButton(toolbar, c.index, dc.get(), c.hot);
    const RECT r = ItemRect(c.index);
    const int h = r.bottom - r.top;
    const std::uint32_t fill = Rgb(dc.get(), (r.left + r.right) / 2, r.bottom - 3);
    const std::uint32_t outline = Rgb(dc.get(), r.left, r.top + h / 2);
    EXPECT_EQ(fill != kGrey, c.drawn) << std::hex << fill;
    EXPECT_EQ(outline != kGrey, c.drawn) << std::hex << outline;
    // The icon is drawn in every state.
    const std::uint32_t icon = Rgb(dc.get(), (r.left + r.right) / 2, r.top + 8);
    EXPECT_EQ(icon, 0xFF0000u) << std::hex << icon;
  }
}

TEST_F(ToolbarPainterTest, SeparatorsRunUprightExceptOneStartingANewRow) {
  MakeToolbar({Button(0, 0, BTNS_SEP, 8), Button(1, TBSTATE_ENABLED),
               Button(2, TBSTATE_ENABLED | TBSTATE_WRAP), Button(0, 0, BTNS_SEP, 8), Button(3, TBSTATE_ENABLED)});
  const RECT first = ItemRect(0);
  const RECT rowStart = ItemRect(3);
  ASSERT_LT(rowStart.left, 10) << "the second separator begins the second row";
  ASSERT_GT(rowStart.top, first.top);

  skin::CachedDc dc = Canvas();
  skin::PaintToolbarButton(toolbar, 0, dc.get());
  skin::PaintToolbarButton(toolbar, 3, dc.get());
  // Upright: a dark column with a light one right of it.
  const int x = first.left + (first.right - first.left - 2) / 2;
  const int midY = (first.top + first.bottom) / 2;
  EXPECT_LT(Sum(Rgb(dc.get(), x, midY)), Sum(kGrey)) << std::hex << Rgb(dc.get(), x, midY);
  EXPECT_GT(Sum(Rgb(dc.get(), x + 1, midY)), Sum(kGrey));
  // Across: a dark row with a light one below it, reaching far right.
  const int y = rowStart.bottom - 5;
  for (int across : {static_cast<int>(rowStart.left) + 20, 300}) {
    EXPECT_LT(Sum(Rgb(dc.get(), across, y)), Sum(kGrey)) << across;
    EXPECT_GT(Sum(Rgb(dc.get(), across, y + 1)), Sum(kGrey)) << across;
  }
}

TEST_F(ToolbarPainterTest, HiddenButtonLeavesTheSkin) {
  MakeToolbar({Button(1, TBSTATE_ENABLED | TBSTATE_CHECKED | TBSTATE_HIDDEN, BTNS_CHECK), Button(2, TBSTATE_ENABLED)});
  skin::CachedDc dc = Canvas();
  skin::PaintToolbarButton(toolbar, 0, dc.get(), true);
  for (int y = 0; y < 80; y += 3)
    for (int x = 0; x < 400; x += 3) ASSERT_EQ(Rgb(dc.get(), x, y), kGrey) << x << "," << y;
}

TEST_F(ToolbarPainterTest, PaintToolbarComposesShowsAndClearsRedraw) {
  MakeToolbar({Button(1, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK), Button(2, TBSTATE_ENABLED)});
  const int index = static_cast<int>(skin::prop::Read(toolbar, skin::prop::kControlIndex));
  skin::PaintToolbar(toolbar);
  EXPECT_EQ(Record().controls.At(index).redraw, 0);
  const RECT checked = ItemRect(0);
  const RECT plain = ItemRect(1);
  EXPECT_NE(Rgb(Record().compositionDc.get(), 10 + (checked.left + checked.right) / 2, 10 + checked.bottom - 3), 0u);
  EXPECT_EQ(Rgb(Record().compositionDc.get(), 10 + (plain.left + plain.right) / 2, 10 + plain.bottom - 3), kGrey);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST(ToolbarLayoutTest, IconAndCaptionPlacesByStyle) {
  const RECT button{100, 0, 140, 40};
  struct Case {
    const char* name;
    int style, state;
    bool list;
    bool icon, greyed, arrow, greyedText;
    POINT at;
    skin::RectF caption;
  };
  const int enabled = TBSTATE_ENABLED;
  const Case cases[] = {
      {"button", BTNS_BUTTON, enabled, false, true, false, false, false, {112, 2}, {100, 16, 40, 24}},
      {"button, list", BTNS_BUTTON, enabled, true, true, false, false, false, {102, 12}, {116, 2, 24, 40}},
      {"check group, disabled", BTNS_CHECKGROUP, 0, false, true, true, false, true, {112, 2}, {100, 16, 40, 24}},
      {"indeterminate check", BTNS_CHECK, enabled | TBSTATE_INDETERMINATE, false, true, true, false, true,
       {112, 2}, {100, 16, 40, 24}},
      {"drop-down", BTNS_DROPDOWN, enabled, false, true, false, true, false, {107, 2}, {100, 16, 28, 24}},
      {"drop-down, list", BTNS_DROPDOWN, enabled, true, true, false, true, false, {102, 12}, {116, 2, 12, 40}},
      {"drop-down, disabled and wrapping", BTNS_DROPDOWN, TBSTATE_WRAP, false, true, true, true, true, {112, 2},
       {100, 16, 28, 24}},
      {"whole drop-down, disabled and wrapping: icon in colour", BTNS_WHOLEDROPDOWN, TBSTATE_WRAP, false, true,
       false, true, true, {107, 2}, {100, 16, 28, 24}},
      {"whole drop-down, indeterminate only", BTNS_WHOLEDROPDOWN, TBSTATE_INDETERMINATE, false, true, true, true,
       true, {112, 2}, {100, 16, 28, 24}},
      {"separator", BTNS_SEP, 0, false, false, false, false, true, {0, 0}, {100, 16, 40, 24}},
      {"check with autosize: not a style value drawn", BTNS_CHECK | BTNS_AUTOSIZE, enabled, false, false, false,
       false, false, {0, 0}, {100, 16, 40, 24}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const skin::ToolbarButtonLayout layout = skin::LayoutToolbarButton(button, c.style, c.state, c.list, 16, 16);
    EXPECT_EQ(layout.icon, c.icon);
    EXPECT_EQ(layout.arrow, c.arrow);
    EXPECT_EQ(layout.greyedText, c.greyedText);
    if (c.icon) {
      EXPECT_EQ(layout.greyedIcon, c.greyed);
      EXPECT_EQ(layout.iconAt.x, c.at.x);
      EXPECT_EQ(layout.iconAt.y, c.at.y);
    }
    EXPECT_FLOAT_EQ(layout.caption.x, c.caption.x);
    EXPECT_FLOAT_EQ(layout.caption.y, c.caption.y);
    EXPECT_FLOAT_EQ(layout.caption.width, c.caption.width);
    EXPECT_FLOAT_EQ(layout.caption.height, c.caption.height);
  }
}

TEST(GreyedIconTest, NeutralPixelsGoColouredOnesTurnGrey) {
  struct Case {
    const char* name;
    COLORREF pixel;
    int state;
    COLORREF expected;
  };
  const Case cases[] = {
      {"black", 0, 0, 0},
      {"white", 0xFFFFFF, 0, 0},
      {"mid grey", 0x808080, TBSTATE_INDETERMINATE, 0},
      {"coloured, disabled", RGB(200, 100, 30), 0, RGB(110, 110, 110)},
      {"coloured, indeterminate: red lifted", RGB(200, 100, 30), TBSTATE_INDETERMINATE, RGB(130, 110, 110)},
      {"bright, indeterminate: red wraps", RGB(255, 250, 240), TBSTATE_INDETERMINATE, RGB(12, 248, 248)},
      {"a = 235 still fits", RGB(245, 230, 230), TBSTATE_INDETERMINATE, RGB(255, 235, 235)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(skin::GreyedIconPixel(c.pixel, c.state), c.expected);
  }
}

TEST(GreyedIconTest, DrawsOnlyColouredPixelsInGrey) {
  constexpr COLORREF kMarker = RGB(0x12, 0x34, 0x56);
  const COLORREF quadrants[4] = {RGB(200, 100, 30), 0x808080, 0xFFFFFF, RGB(255, 250, 240)};
  HICON icon = MakeIcon(quadrants);
  ASSERT_NE(icon, nullptr);
  const std::size_t cacheBefore = skin::DcCache.size();
  skin::CachedDc dc = skin::CreateDibDc({0, 0, 40, 40});
  Fill(dc.get(), 40, 40, 0x123456);
  skin::DrawGreyedIcon(dc.get(), 10, 10, icon, TBSTATE_INDETERMINATE);
  EXPECT_EQ(GetPixel(dc.get(), 12, 12), RGB(130, 110, 110));
  EXPECT_EQ(GetPixel(dc.get(), 22, 12), kMarker) << "grey stays out";
  EXPECT_EQ(GetPixel(dc.get(), 12, 22), kMarker) << "white stays out";
  EXPECT_EQ(GetPixel(dc.get(), 22, 22), RGB(12, 248, 248));
  EXPECT_EQ(GetPixel(dc.get(), 5, 5), kMarker);
  dc.reset();
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
  DestroyIcon(icon);
}

}  // namespace
