// Toolbar painting: button states, separators, hidden buttons, icon and
// caption placement, and the greyed icon.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "skin/containers/control_skin.h"
#include "skin/containers/toolbar_painter.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/kept_pictures.h"
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

// A 16 x 16 icon whose pixels `argb` gives (0xAARRGGBB), with the mask bit
// set where `clear` says.
HICON MakeIconOf(std::uint32_t (*argb)(int x, int y), bool (*clear)(int x, int y)) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 16;
  info.bmiHeader.biHeight = -16;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  std::vector<BYTE> maskBits(32, 0);  // rows of 16 bits, word aligned
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      pixels[y * 16 + x] = argb(x, y);
      if (clear(x, y)) maskBits[static_cast<std::size_t>(y * 2 + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
    }
  HBITMAP mask = CreateBitmap(16, 16, 1, 1, maskBits.data());
  ICONINFO icon{TRUE, 0, 0, mask, colour};
  HICON result = CreateIconIndirect(&icon);
  DeleteObject(mask);
  DeleteObject(colour);
  return result;
}

// A canvas whose every pixel differs from its neighbours, so that a blend
// drawn a shade differently shows.
skin::CachedDc PatternCanvas(int width, int height) {
  skin::CachedDc dc = skin::CreateDibDc({0, 0, width, height});
  quillora_test::DibPixels pixels(dc.get());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixels.at(x, y) = static_cast<std::uint32_t>(((x * 37) & 0xFF) << 16 | ((y * 53) & 0xFF) << 8 | ((x + y) * 11 & 0xFF));
  return dc;
}

// "" when the two DIBs show the same w x h pixels, else how many differ
// and the first that does.
std::string Difference(HDC drawn, HDC expected, int width, int height) {
  quillora_test::DibPixels a(drawn), b(expected);
  int count = 0;
  std::string first;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = a.at(x, y) & 0xFFFFFF, q = b.at(x, y) & 0xFFFFFF;
      if (p == q) continue;
      if (count++ == 0) {
        char text[96];
        std::snprintf(text, sizeof text, " first at %d,%d: %06X, expected %06X", x, y, p, q);
        first = text;
      }
    }
  return count == 0 ? std::string() : std::to_string(count) + " pixels differ," + first;
}

std::vector<std::uint32_t> PixelsOf(HDC dc, int width, int height) {
  quillora_test::DibPixels pixels(dc);
  std::vector<std::uint32_t> all;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) all.push_back(pixels.at(x, y) & 0xFFFFFF);
  return all;
}

// A button's picture is drawn from the image list itself; it must show
// exactly what an icon made of the same picture shows, greyed or not, on
// every face, for lists with and without an alpha channel.
TEST_F(ToolbarPainterTest, ButtonPicturesShowWhatIconsOfTheListShow) {
  struct List {
    const char* name;
    UINT flags;
    std::uint32_t (*argb)(int, int);
    bool (*clear)(int, int);
  };
  const List lists[] = {
      {"32-bit, translucent edges",
       ILC_COLOR32 | ILC_MASK,
       [](int x, int y) -> std::uint32_t {
         const std::uint32_t alpha = x < 4 ? static_cast<std::uint32_t>(40 * x + 30) : 0xFF;
         return alpha << 24 | static_cast<std::uint32_t>(x * 15) << 16 | static_cast<std::uint32_t>(y * 15) << 8 | 0x60;
       },
       [](int, int) { return false; }},
      {"32-bit, masked holes",
       ILC_COLOR32 | ILC_MASK,
       [](int x, int y) -> std::uint32_t { return (x + y) % 3 == 0 ? 0 : 0xC08020u + static_cast<std::uint32_t>(x * 8); },
       [](int x, int y) { return (x + y) % 3 == 0; }},
      {"24-bit, masked holes",
       ILC_COLOR24 | ILC_MASK,
       [](int x, int y) -> std::uint32_t { return x < 5 ? 0 : 0x2080C0u + static_cast<std::uint32_t>(y * 8 << 8); },
       [](int x, int) { return x < 5; }},
  };
  struct Look {
    const char* name;
    BYTE state;
    BYTE style;
    bool hot;
  };
  const Look looks[] = {
      {"enabled", TBSTATE_ENABLED, BTNS_BUTTON, false},
      {"hot", TBSTATE_ENABLED, BTNS_BUTTON, true},
      {"pressed", TBSTATE_ENABLED | TBSTATE_PRESSED, BTNS_BUTTON, false},
      {"checked", TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, false},
      {"disabled", 0, BTNS_BUTTON, false},
      {"indeterminate", TBSTATE_ENABLED | TBSTATE_INDETERMINATE, BTNS_CHECK, false},
      {"drop-down, hot", TBSTATE_ENABLED, BTNS_DROPDOWN, true},
      {"drop-down, disabled", 0, BTNS_DROPDOWN, false},
      {"whole drop-down, checked", TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_WHOLEDROPDOWN, false},
  };
  for (const List& kind : lists) {
    SCOPED_TRACE(kind.name);
    HIMAGELIST list = ImageList_Create(16, 16, kind.flags, 2, 0);
    HICON picture = MakeIconOf(kind.argb, kind.clear);
    HICON nothing = MakeIconOf([](int, int) -> std::uint32_t { return 0; }, [](int, int) { return true; });
    ASSERT_EQ(ImageList_AddIcon(list, picture), 0);
    ASSERT_EQ(ImageList_AddIcon(list, nothing), 1);
    DestroyIcon(picture);
    DestroyIcon(nothing);
    HICON made = ImageList_GetIcon(list, 0, ILD_TRANSPARENT);
    ASSERT_NE(made, nullptr);
    for (const Look& look : looks) {
      SCOPED_TRACE(look.name);
      MakeToolbar({Button(1, look.state, look.style)});
      SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list));
      skin::prop::Write(toolbar, skin::prop::kCtlColourBitmap, reinterpret_cast<INT_PTR>(list));
      // Wide enough that the arrow stays clear of a centred picture.
      SendMessageA(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(48, 36));
      const RECT r = ItemRect(0);
      ASSERT_GE(r.right - r.left, 44);

      skin::CachedDc drawn = PatternCanvas(400, 80);
      skin::PaintToolbarButton(toolbar, 0, drawn.get(), look.hot);

      // The same button with an empty picture, then the icon over it.
      SendMessageA(toolbar, TB_CHANGEBITMAP, 1, 1);
      skin::CachedDc expected = PatternCanvas(400, 80);
      skin::PaintToolbarButton(toolbar, 0, expected.get(), look.hot);
      const skin::ToolbarButtonLayout layout = skin::LayoutToolbarButton(r, look.style, look.state, false, 16, 16);
      ASSERT_TRUE(layout.icon);
      if (layout.greyedIcon) {
        skin::DrawGreyedIcon(expected.get(), layout.iconAt.x, layout.iconAt.y, made, look.state);
      } else {
        DrawIconEx(expected.get(), layout.iconAt.x, layout.iconAt.y, made, 0, 0, 0, nullptr, DI_NORMAL);
      }
      EXPECT_EQ(Difference(drawn.get(), expected.get(), 400, 80), "");
      toolbar = TestWindow();
    }
    DestroyIcon(made);
    ImageList_Destroy(list);
  }
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

// The whole toolbar, painted with what its paints keep (font, format,
// brushes, icons, the last finished image), shows what its buttons painted
// one by one afresh show, also after anything those are made from changed.
TEST_F(ToolbarPainterTest, ToolbarPaintShowsWhatFreshButtonPaintsShow) {
  std::vector<TBBUTTON> buttons = {Button(1, TBSTATE_ENABLED), Button(2, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK),
                                   Button(0, 0, BTNS_SEP, 8), Button(3, 0), Button(4, TBSTATE_ENABLED, BTNS_DROPDOWN),
                                   Button(5, TBSTATE_ENABLED | TBSTATE_INDETERMINATE, BTNS_CHECK)};
  MakeToolbar({});
  const INT_PTR first = SendMessageA(toolbar, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>("Open\0Save all\0"));
  ASSERT_GE(first, 0);
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i].fsStyle != BTNS_SEP) buttons[i].iString = first + static_cast<INT_PTR>(i % 2);
  SendMessageA(toolbar, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
  skin::prop::Write(toolbar, skin::prop::kTextColour, 0x203040);
  const int index = static_cast<int>(skin::prop::Read(toolbar, skin::prop::kControlIndex));
  skin::ControlRecord& record = Record().controls.At(index);
  RECT client{};
  GetClientRect(toolbar, &client);

  const auto shown = [&] {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) pixels.push_back(Rgb(Record().compositionDc.get(), 10 + x, 10 + y));
    return pixels;
  };
  const struct {
    const char* change;
    std::function<void()> apply;
  } cases[] = {
      {"nothing", [] {}},
      {"the font grows", [&] { record.font.size += 3; }},
      {"the font turns bold", [&] { record.font.style = 1; }},
      {"the font's face changes", [&] { record.font.face = rt::Text("Tahoma"); }},
      {"the text colour changes", [&] { skin::prop::Write(toolbar, skin::prop::kTextColour, 0x0000C0); }},
      {"a button is disabled", [&] { SendMessageA(toolbar, TB_ENABLEBUTTON, 1, FALSE); }},
      {"a button is pressed", [&] { SendMessageA(toolbar, TB_PRESSBUTTON, 4, TRUE); }},
      {"the mouse is over a button", [&] { SendMessageA(toolbar, TB_SETHOTITEM, 0, 0); }},
      {"a caption changes", [&] {
         TBBUTTONINFOA info{sizeof info, TBIF_TEXT};
         char text[] = "Close";
         info.pszText = text;
         SendMessageA(toolbar, TB_SETBUTTONINFOA, 1, reinterpret_cast<LPARAM>(&info));
       }},
      {"a picture of the list is replaced", [&] {
         const COLORREF blue[4] = {0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00};
         HICON icon = MakeIcon(blue);
         ImageList_ReplaceIcon(images, 0, icon);
         DestroyIcon(icon);
       }},
      {"the accent colour changes", [] { skin::AccentColour = 0x00A000; }},
      {"the background changes", [&] { Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x206040); }},
  };
  const COLORREF savedAccent = skin::AccentColour;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    c.apply();
    skin::PaintToolbar(toolbar);
    skin::PaintToolbar(toolbar);  // with what the first paint kept
    const std::vector<std::uint32_t> kept = shown();

    skin::CachedDc fresh = skin::ComposeControlBackground(toolbar, client);
    ASSERT_TRUE(fresh);
    const auto hot = static_cast<int>(SendMessageA(toolbar, TB_GETHOTITEM, 0, 0));
    for (int i = 0; i < static_cast<int>(buttons.size()); ++i) {
      record.toolbarKit.reset();
      skin::PaintToolbarButton(toolbar, i, fresh.get(), i == hot);
    }
    EXPECT_EQ(kept, PixelsOf(fresh.get(), client.right, client.bottom));
  }
  skin::AccentColour = savedAccent;
  // What GDI+ made for the toolbar goes before GDI+ itself does.
  ASSERT_TRUE(record.toolbarKit);
  skin::ForgetKeptPictures();
  EXPECT_FALSE(record.toolbarKit);
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

// The greying as it was first made: pixel by pixel through the DC.
void GreyIconPixelByPixel(HDC dc, int x, int y, HICON icon, int state) {
  const skin::CachedDc image = skin::CreateDibDc({0, 0, 16, 16});
  DrawIconEx(image.get(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
  for (int py = 0; py < 16; ++py)
    for (int px = 0; px < 16; ++px)
      SetPixel(image.get(), px, py, skin::GreyedIconPixel(GetPixel(image.get(), px, py), state));
  TransparentBlt(dc, x, y, 16, 16, image.get(), 0, 0, 16, 16, 0);
}

TEST(GreyedIconTest, GreyingOverTheBitsShowsWhatPixelByPixelGreyingShows) {
  struct Picture {
    const char* name;
    std::uint32_t (*argb)(int, int);
    bool (*clear)(int, int);
  };
  const Picture pictures[] = {
      {"opaque colours and greys", [](int x, int y) -> std::uint32_t { return 0xFF000000u | static_cast<std::uint32_t>(x * 16) << 16 | static_cast<std::uint32_t>(y * 16) << 8 | static_cast<std::uint32_t>((x * y) & 0xFF); },
       [](int, int) { return false; }},
      {"translucent", [](int x, int y) -> std::uint32_t { return static_cast<std::uint32_t>(x * 16 + 8) << 24 | static_cast<std::uint32_t>(y * 12) << 16 | 0x8040; },
       [](int, int) { return false; }},
      {"masked holes", [](int x, int y) -> std::uint32_t { return (x ^ y) & 1 ? 0 : 0x30A0F0u; },
       [](int x, int y) { return ((x ^ y) & 1) != 0; }},
  };
  for (const Picture& picture : pictures) {
    SCOPED_TRACE(picture.name);
    HICON icon = MakeIconOf(picture.argb, picture.clear);
    ASSERT_NE(icon, nullptr);
    for (int state : {0, static_cast<int>(TBSTATE_INDETERMINATE)}) {
      SCOPED_TRACE(state);
      skin::CachedDc drawn = PatternCanvas(40, 40);
      skin::CachedDc expected = PatternCanvas(40, 40);
      skin::DrawGreyedIcon(drawn.get(), 7, 9, icon, state);
      GreyIconPixelByPixel(expected.get(), 7, 9, icon, state);
      EXPECT_EQ(Difference(drawn.get(), expected.get(), 40, 40), "");
    }
    DestroyIcon(icon);
  }
}

}  // namespace
