// The tree-view painter: the state bit routines, the row geometry, and the
// pixels it leaves in the host's composition image (fills, marks, buttons,
// texts, background).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "skin/core/client_area.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/list_control_installer.h"
#include "skin/lists/tree_view_painter.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/skin/lists/pixel_checks.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::Blend;
using quillora_test::DibRgb;
using quillora_test::FrameRgb;
using quillora_test::MakeChild;
using quillora_test::NearRgb;
using quillora_test::Rgb;
using quillora_test::TestWindow;

constexpr int kX = 40, kY = 40;
constexpr std::uint32_t kFillRgb = DibRgb(0xFF8800);

TEST(TreeStateBitsTest, StateImageAndFlagBits) {
  struct Case {
    int state, image, flags;
  };
  const Case cases[] = {
      {0, 0, 0},
      {INDEXTOSTATEIMAGEMASK(1), 2, 0},
      {INDEXTOSTATEIMAGEMASK(2) | TVIS_EXPANDED, 4, TVIS_EXPANDED},
      {INDEXTOSTATEIMAGEMASK(3) | TVIS_SELECTED, 6, TVIS_SELECTED},
      {INDEXTOSTATEIMAGEMASK(7), 14, 0},
      // The overlay's top bit enters the state-image bits.
      {INDEXTOSTATEIMAGEMASK(2) | INDEXTOOVERLAYMASK(8), 5, 0},
      {INDEXTOOVERLAYMASK(3) | 0x7F, 0, 0x7F},
      {INDEXTOSTATEIMAGEMASK(15) | 0xFF, 14, 0x7F},  // the top state bit is not taken
  };
  for (const Case& c : cases) {
    EXPECT_EQ(skin::StateImageBits(c.state), c.image) << std::hex << c.state;
    EXPECT_EQ(skin::StateFlagBits(c.state), c.flags) << std::hex << c.state;
  }
}

TEST(TreeRowGeometryTest, PartsLieRightToLeftFromTheText) {
  struct Case {
    const char* name;
    int iconWidth;
    bool checkBoxes, buttons;
    int iconX, checkX, x0, buttonX, lineX;
  };
  const RECT row{0, 20, 200, 38};
  const RECT text{60, 20, 100, 38};
  const Case cases[] = {
      {"plain", 0, false, false, 58, 0, 58, 42, 49},
      {"buttons", 0, false, true, 58, 0, 58, 42, 46},
      {"icons", 16, false, true, 42, 0, 42, 26, 30},
      {"check boxes, no icons", 0, true, true, 58, 47, 47, 31, 35},
      {"check boxes and icons", 16, true, true, 42, 29, 29, 13, 17},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const skin::TreeRowGeometry at = skin::GetTreeRowGeometry(row, text, c.iconWidth, c.checkBoxes, c.buttons);
    EXPECT_EQ(at.iconX, c.iconX);
    EXPECT_EQ(at.iconY, 20);
    if (c.checkBoxes) {
      EXPECT_EQ(at.checkX, c.checkX);
      EXPECT_EQ(at.checkY, 23);  // 20 + (18 - 11) / 2, cut
    }
    EXPECT_EQ(at.x0, c.x0);
    EXPECT_EQ(at.buttonX, c.buttonX);
    EXPECT_EQ(at.buttonY, 25);
    EXPECT_EQ(at.lineX, c.lineX);
    EXPECT_EQ(at.midY, 30);
    EXPECT_EQ(at.reach, c.buttons ? 11 : 8);
  }
}

// A tree at (kX, kY) of a hidden frame, in TransparencyMode, skinned.
class TreePaintTest : public quillora_test::ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    INITCOMMONCONTROLSEX init{sizeof init, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&init);
    // A light ground, so dark texts and green marks stand out.
    quillora_test::Fill(Record().backgroundDc.get(), kWidth, kHeight, 0xD8D8D8);
  }
  void TearDown() override {
    tree = TestWindow();
    if (images) ImageList_Destroy(images);
    ComposedFrameTest::TearDown();
  }

  void Make(DWORD style, DWORD exStyle = WS_EX_CLIENTEDGE) {
    // Check boxes are asked for after creation, when the tree makes its
    // state images and leaves room for them.
    tree = MakeChild(frame, kX, kY, 220, 200, WC_TREEVIEWA, WS_CHILD | WS_VISIBLE | (style & ~TVS_CHECKBOXES),
                     exStyle);
    if (style & TVS_CHECKBOXES) SetWindowLongPtrA(tree, GWL_STYLE, GetWindowLongPtrA(tree, GWL_STYLE) | TVS_CHECKBOXES);
    RECT window{}, client{};
    GetWindowRect(tree, &window);
    GetClientRect(tree, &client);
    MapWindowPoints(tree, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 1);
    inset = {client.left - window.left, client.top - window.top};
  }
  HTREEITEM Add(const char* text, HTREEITEM parent = TVI_ROOT) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text);
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  }
  void Skin() {
    skin::TransparencyMode = 1;
    skin::SkinListControls(windowIndex, frame);
    ASSERT_EQ(skin::prop::Read(tree, skin::prop::kIndex), 1);
  }
  skin::ListControlRecord& Tree() { return Record().listControls.At(1); }
  void Paint() {
    quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, 0x123456);
    skin::PaintTreeView(tree);
  }
  RECT ItemRect(HTREEITEM item, BOOL textOnly) {
    RECT r{};
    std::memcpy(&r, &item, sizeof item);  // the item goes in through the rectangle
    EXPECT_TRUE(SendMessageA(tree, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&r)));
    return r;
  }
  // Composed pixel at a client point of the tree, and the frame's own.
  std::uint32_t At(int x, int y) { return Rgb(Record().compositionDc.get(), kX + inset.x + x, kY + inset.y + y); }
  std::uint32_t Ground(int x, int y) { return Rgb(Record().backgroundDc.get(), kX + inset.x + x, kY + inset.y + y); }
  int Count(int left, int top, int right, int bottom, bool (*test)(std::uint32_t)) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) n += test(At(x, y)) ? 1 : 0;
    return n;
  }
  skin::TreeRowGeometry Geometry(HTREEITEM item) {
    const LONG_PTR style = GetWindowLongPtrA(tree, GWL_STYLE);
    int cx = 0, cy = 0;
    if (auto list = reinterpret_cast<HIMAGELIST>(SendMessageA(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)))
      ImageList_GetIconSize(list, &cx, &cy);
    return skin::GetTreeRowGeometry(ItemRect(item, FALSE), ItemRect(item, TRUE), cx, (style & TVS_CHECKBOXES) != 0,
                                    (style & TVS_HASBUTTONS) != 0);
  }
  void SetState(HTREEITEM item, UINT state, UINT mask) {
    TVITEMA tv{};
    tv.mask = TVIF_STATE | TVIF_HANDLE;
    tv.hItem = item;
    tv.state = state;
    tv.stateMask = mask;
    SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
  }

  quillora_test::EngineDefaults settings;
  TestWindow tree;
  POINT inset{};
  HIMAGELIST images = nullptr;
};

bool IsDark(std::uint32_t rgb) {
  return ((rgb >> 16) & 0xFF) < 0x60 && ((rgb >> 8) & 0xFF) < 0x60 && (rgb & 0xFF) < 0x60;
}
bool IsGreen(std::uint32_t rgb) {
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  return g > r + 40 && g > b + 40;
}
bool IsExpandGrey(std::uint32_t rgb) { return static_cast<bool>(NearRgb(rgb, 0x333333, 2)); }
bool IsWhite(std::uint32_t rgb) { return static_cast<bool>(NearRgb(rgb, 0xFFFFFF, 8)); }

TEST_F(TreePaintTest, AnEmptyTreeShowsTheBackgroundAtItsClientsPlace) {
  quillora_test::DibPixels frameBits(Record().backgroundDc.get());
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) frameBits.at(x, y) = FrameRgb(x, y);
  Make(TVS_HASLINES | TVS_HASBUTTONS);
  ASSERT_EQ(inset.x, 2) << "a bordered tree";
  Skin();
  Paint();
  // Composed where the client lies inside the border, so it meets the
  // skin around the tree.
  for (POINT p : {POINT{0, 0}, POINT{5, 5}, POINT{100, 60}, POINT{200, 180}})
    EXPECT_EQ(At(p.x, p.y), FrameRgb(kX + 2 + p.x, kY + 2 + p.y)) << p.x << "," << p.y;
}

TEST_F(TreePaintTest, TheCaretRowIsFilledAndItsTextWhiteOtherTextsDark) {
  Make(TVS_HASBUTTONS | TVS_LINESATROOT);
  const HTREEITEM first = Add("first item");
  const HTREEITEM second = Add("second item");
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(second));
  // The default text colour, as the tree reports it: -1.
  SendMessageA(tree, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
  ASSERT_EQ(static_cast<COLORREF>(SendMessageA(tree, TVM_GETTEXTCOLOR, 0, 0)), CLR_NONE);
  Skin();
  Paint();

  const RECT caret = ItemRect(second, TRUE);
  EXPECT_TRUE(NearRgb(At(caret.left + 1, caret.top + 1), Blend(Ground(caret.left + 1, caret.top + 1), kFillRgb, 120)));
  EXPECT_TRUE(NearRgb(At(caret.left, caret.top + 3), Blend(Blend(Ground(caret.left, caret.top + 3), kFillRgb, 120), 0, 80)))
      << "its outline";
  const RECT other = ItemRect(first, TRUE);
  EXPECT_EQ(At(other.left + 1, other.top + 1), Ground(other.left + 1, other.top + 1)) << "no fill";
  // The default text colour draws dark texts; the caret row's is white.
  EXPECT_GT(Count(other.left, other.top, other.right, other.bottom, IsDark), 8);
  EXPECT_GT(Count(caret.left, caret.top, caret.right, caret.bottom, IsWhite), 8);
  EXPECT_EQ(Tree().textColour, 0xFFFFFFFFu) << "the record keeps what the tree answers";
}

TEST_F(TreePaintTest, TrackSelectHoversTheRowUnderTheMouseUnlessTheTreeHasLines) {
  struct Case {
    const char* name;
    DWORD style;
    int mouseRow;  // -1: the mouse has left
    bool filled;
  };
  const Case cases[] = {{"track select", TVS_TRACKSELECT, 1, true},
                        {"track select, mouse gone", TVS_TRACKSELECT, -1, false},
                        {"track select with lines", TVS_TRACKSELECT | TVS_HASLINES, 1, false},
                        {"no track select", 0, 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    skin::SkinWindowTable.At(windowIndex).listControls = skin::ControlList<skin::ListControlRecord>();
    Make(c.style);
    Add("one");
    const HTREEITEM two = Add("two");
    Skin();
    const RECT row = ItemRect(two, FALSE);
    const RECT text = ItemRect(two, TRUE);
    Tree().lastMouseX = c.mouseRow < 0 ? -1 : row.right;  // the right edge still counts
    Tree().lastMouseY = c.mouseRow < 0 ? -1 : row.top;
    Paint();
    const std::uint32_t ground = Ground(text.left + 1, text.top + 1);
    EXPECT_TRUE(NearRgb(At(text.left + 1, text.top + 1), c.filled ? Blend(ground, kFillRgb, 60) : ground));
  }
}

TEST_F(TreePaintTest, CheckBoxesShowTheTickThePartialSquareOrNothing) {
  Make(TVS_CHECKBOXES);
  const HTREEITEM checked = Add("checked");
  const HTREEITEM partial = Add("partial");
  const HTREEITEM empty = Add("empty");
  const HTREEITEM overlaid = Add("overlaid");
  Skin();
  SetState(checked, INDEXTOSTATEIMAGEMASK(2), TVIS_STATEIMAGEMASK);
  SetState(partial, INDEXTOSTATEIMAGEMASK(3), TVIS_STATEIMAGEMASK);
  SetState(empty, INDEXTOSTATEIMAGEMASK(1), TVIS_STATEIMAGEMASK);
  SetState(overlaid, INDEXTOSTATEIMAGEMASK(2) | INDEXTOOVERLAYMASK(8), TVIS_STATEIMAGEMASK | TVIS_OVERLAYMASK);
  Paint();

  struct Case {
    const char* name;
    HTREEITEM item;
    bool tick, square;
  };
  for (const Case& c : {Case{"checked", checked, true, false}, Case{"partial", partial, false, true},
                        Case{"empty", empty, false, false}, Case{"overlay index 8", overlaid, false, false}}) {
    SCOPED_TRACE(c.name);
    const skin::TreeRowGeometry at = Geometry(c.item);
    EXPECT_TRUE(NearRgb(At(at.checkX, at.checkY + 5), 0, 4)) << "the box's outline";
    const int green = Count(at.checkX + 1, at.checkY + 1, at.checkX + 11, at.checkY + 11, IsGreen);
    const int centre = Count(at.checkX + 3, at.checkY + 3, at.checkX + 8, at.checkY + 8, IsGreen);
    if (c.tick) {
      EXPECT_GT(green, 12);
      EXPECT_LT(centre, 20) << "a tick, not a square";
    } else if (c.square) {
      EXPECT_GE(centre, 16);
      EXPECT_LT(green, 40);
    } else {
      EXPECT_EQ(green, 0);
    }
  }
}

TEST_F(TreePaintTest, ButtonsShowPlusWhenCollapsedMinusWhenExpanded) {
  Make(TVS_HASBUTTONS | TVS_LINESATROOT);
  const HTREEITEM collapsed = Add("collapsed");
  Add("child", collapsed);
  const HTREEITEM expanded = Add("expanded");
  Add("child", expanded);
  const HTREEITEM childless = Add("childless");
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(expanded));
  Skin();
  Paint();

  struct Case {
    const char* name;
    HTREEITEM item;
    bool button, vertical;
  };
  for (const Case& c : {Case{"collapsed", collapsed, true, true}, Case{"expanded", expanded, true, false},
                        Case{"no children", childless, false, false}}) {
    SCOPED_TRACE(c.name);
    const skin::TreeRowGeometry at = Geometry(c.item);
    const int x = at.buttonX, y = at.buttonY;
    EXPECT_EQ(IsDark(At(x + 3, y + 4)), c.button) << "the minus bar";
    EXPECT_EQ(IsDark(At(x + 4, y + 3)), c.vertical) << "the plus bar";
    if (c.button) {
      EXPECT_FALSE(IsDark(At(x + 1, y + 1))) << "inside the box, off the bars";
    }
  }
}

TEST_F(TreePaintTest, ImageButtonsPointDownWhenExpandedAndRightWhenCollapsed) {
  Make(TVS_HASBUTTONS | TVS_LINESATROOT);
  const HTREEITEM collapsed = Add("collapsed");
  Add("child", collapsed);
  const HTREEITEM expanded = Add("expanded");
  Add("child", expanded);
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(expanded));
  Skin();
  Tree().imageButtons = 1;
  // The second paint draws the pictures kept from the first: the turned
  // one must not turn again.
  for (int paint = 1; paint <= 2; ++paint) {
    SCOPED_TRACE(paint);
    Paint();
    for (HTREEITEM item : {collapsed, expanded}) {
      const skin::TreeRowGeometry at = Geometry(item);
      int widestRow = 0, tallestColumn = 0, total = 0;
      for (int y = at.buttonY - 1; y <= at.buttonY + 8; ++y) {
        int row = 0;
        for (int x = at.buttonX - 1; x <= at.buttonX + 8; ++x) row += IsExpandGrey(At(x, y)) ? 1 : 0;
        widestRow = std::max(widestRow, row);
        total += row;
      }
      for (int x = at.buttonX - 1; x <= at.buttonX + 8; ++x) {
        int column = 0;
        for (int y = at.buttonY - 1; y <= at.buttonY + 8; ++y) column += IsExpandGrey(At(x, y)) ? 1 : 0;
        tallestColumn = std::max(tallestColumn, column);
      }
      EXPECT_EQ(total, 16);
      if (item == expanded) {
        EXPECT_EQ(widestRow, 7) << "points down";
        EXPECT_EQ(tallestColumn, 4);
      } else {
        EXPECT_EQ(tallestColumn, 7) << "points right";
        EXPECT_EQ(widestRow, 4);
      }
    }
  }
}

TEST_F(TreePaintTest, IconsAndCheckBoxesLeaveTheGapsTheGeometrySays) {
  for (bool withImages : {false, true}) {
    SCOPED_TRACE(withImages ? "image list" : "no image list");
    skin::SkinWindowTable.At(windowIndex).listControls = skin::ControlList<skin::ListControlRecord>();
    Make(TVS_CHECKBOXES);
    if (withImages) {
      if (!images) {
        images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
        HDC screen = GetDC(nullptr);
        HBITMAP red = CreateCompatibleBitmap(screen, 16, 16);
        ReleaseDC(nullptr, screen);
        HDC memory = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(memory, red);
        HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
        RECT all{0, 0, 16, 16};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        SelectObject(memory, old);
        DeleteDC(memory);
        ImageList_Add(images, red, nullptr);
        DeleteObject(red);
      }
      SendMessageA(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    }
    // A child row: indented, so its box lies inside the client.
    const HTREEITEM parent = Add("parent");
    const HTREEITEM item = Add("item", parent);
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    Skin();
    Paint();
    const skin::TreeRowGeometry at = Geometry(item);
    const RECT text = ItemRect(item, TRUE);
    ASSERT_GE(at.checkX, 0);
    EXPECT_EQ(at.iconX, text.left - (withImages ? 16 : 0) - 2);
    EXPECT_EQ(at.checkX, at.iconX - 11 - (withImages ? 2 : 0));
    EXPECT_TRUE(NearRgb(At(at.checkX, at.checkY + 5), 0, 4)) << "left edge of the box";
    EXPECT_TRUE(NearRgb(At(at.checkX + 11, at.checkY + 5), 0, 4)) << "right edge of the box";
    if (withImages) {
      EXPECT_TRUE(NearRgb(At(at.iconX + 8, at.iconY + 8), 0xFF0000, 8)) << "the icon";
      EXPECT_EQ(At(at.iconX + 17, at.iconY + 1), Ground(at.iconX + 17, at.iconY + 1)) << "the gap before the text";
    }
  }
}

TEST_F(TreePaintTest, AnAncestorsLineRunsThroughItsDescendantsRowsInItsOwnColumn) {
  Make(TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT);
  const HTREEITEM root = Add("root");
  const HTREEITEM parent = Add("parent", root);
  Add("sibling", root);  // the parent's next sibling: its line goes on below the parent
  const HTREEITEM item = Add("item", parent);
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  Skin();
  quillora_test::Fill(Record().compositionDc.get(), kWidth, kHeight, 0x123456);
  SendMessageA(tree, WM_PAINT, 0, 0);  // through the skinned procedure

  const int indent = static_cast<int>(SendMessageA(tree, TVM_GETINDENT, 0, 0));
  const RECT row = ItemRect(item, FALSE);
  const skin::TreeRowGeometry own = Geometry(item);
  const int column = Geometry(parent).lineX;
  ASSERT_EQ(column, own.lineX - indent);
  ASSERT_EQ(Geometry(root).lineX, column - indent);
  ASSERT_GE(column - indent, 0);
  // Pixels of a column that the dotted lines changed.
  const auto drawnIn = [&](int x, int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y) n += At(x, y) != Ground(x, y) ? 1 : 0;
    return n;
  };
  // The dots run down the whole row in the parent's column; the root has
  // no next sibling, and the item's own line ends at its connector.
  EXPECT_GE(drawnIn(column, row.top, row.bottom), (row.bottom - row.top) / 3) << "the parent's column";
  EXPECT_EQ(drawnIn(column - indent, row.top, row.bottom), 0) << "one indent further left: the root's column";
  EXPECT_EQ(drawnIn(own.lineX, own.midY + 2, row.bottom), 0) << "one indent further right, below the connector";
}

// A ground with every channel value and alpha byte in many mixes: the
// dots' blending depends on both.
void FillVaried(HDC dc, int width, int height) {
  quillora_test::DibPixels pixels(dc);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const auto v = static_cast<std::uint32_t>(x * 7 + y * 13);
      pixels.at(x, y) = ((v * 29) & 0xFF) << 24 | (v & 0xFF) << 16 | ((v * 3 + 91) & 0xFF) << 8 | ((x * y) & 0xFF);
    }
}

// The first pixel where two images of the client differ, or "".
std::string FirstDifference(HDC a, HDC b, int width, int height) {
  quillora_test::DibPixels first(a), second(b);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (first.at(x, y) != second.at(x, y)) {
        char text[96];
        std::snprintf(text, sizeof text, "at %d,%d: %08x, plainly %08x", x, y, first.at(x, y), second.at(x, y));
        return text;
      }
  return "";
}

// The rows drawn with the lines as pixels against the plain paint through
// GDI+'s dotted pen, asking the tree again for every row: the same pixels,
// alpha bytes included, over a varied ground.
TEST_F(TreePaintTest, RowsWithLinesAsPixelsMatchThePlainPaintExactly) {
  struct Case {
    const char* name;
    DWORD style;
    int itemHeight;  // 0: the tree's own
    COLORREF lineColour;
    int scrollDown, scrollRight;  // lines scrolled by WM_VSCROLL / WM_HSCROLL
    bool collapseSecond;
  };
  constexpr DWORD kAll = TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT;
  const Case cases[] = {
      {"lines, buttons, lines at root", kAll, 0, 0x808080, 0, 0, false},
      {"row height 17", kAll, 17, 0x808080, 0, 0, false},
      {"row height 18", kAll, 18, 0x808080, 0, 0, true},
      {"row height 19, black lines", kAll, 19, 0x000000, 0, 0, false},
      {"white lines", kAll, 16, 0xFFFFFF, 0, 0, false},
      {"coloured lines, no buttons", TVS_HASLINES | TVS_LINESATROOT, 0, 0x123456, 0, 0, false},
      {"lines, no lines at root", TVS_HASLINES | TVS_HASBUTTONS, 0, 0x808080, 0, 0, false},
      {"check boxes", kAll | TVS_CHECKBOXES, 0, 0x808080, 0, 0, true},
      {"scrolled down past ancestors", kAll, 0, 0x808080, 6, 0, false},
      {"scrolled right, lines start left of the client", kAll, 0, 0x808080, 0, 4, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    skin::SkinWindowTable.At(windowIndex).listControls = skin::ControlList<skin::ListControlRecord>();
    Make(c.style);
    // Nested items whose parents have next siblings, several levels deep,
    // long texts for a horizontal bar.
    std::vector<HTREEITEM> parents;
    for (int i = 0; i < 3; ++i) {
      const HTREEITEM top = Add(("top item with a rather long text to scroll " + std::to_string(i)).c_str());
      const HTREEITEM middle = Add("middle", top);
      Add("middle's sibling", top);
      const HTREEITEM deep = Add("deep", middle);
      Add("deepest", deep);
      Add("deep's sibling", middle);
      for (HTREEITEM item : {top, middle, deep}) parents.push_back(item);
    }
    for (HTREEITEM item : parents) SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    if (c.collapseSecond) SendMessageA(tree, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(parents[3]));
    if (c.itemHeight != 0) SendMessageA(tree, TVM_SETITEMHEIGHT, c.itemHeight, 0);
    if (c.style & TVS_CHECKBOXES) SetState(parents[1], INDEXTOSTATEIMAGEMASK(2), TVIS_STATEIMAGEMASK);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(parents[5]));
    Skin();
    SendMessageA(tree, TVM_SETLINECOLOR, 0, c.lineColour);
    for (int i = 0; i < c.scrollDown; ++i) SendMessageA(tree, WM_VSCROLL, SB_LINEDOWN, 0);
    for (int i = 0; i < c.scrollRight; ++i) SendMessageA(tree, WM_HSCROLL, SB_LINERIGHT, 0);
    if (c.scrollRight > 0) {
      RECT text = ItemRect(parents[2], TRUE);
      ASSERT_LT(text.left, 60) << "scrolled";
    }

    RECT client{};
    GetClientRect(tree, &client);
    const skin::CachedDc pixels = skin::CreateDibDc(client);
    const skin::CachedDc plain = skin::CreateDibDc(client);
    FillVaried(pixels.get(), client.right, client.bottom);
    FillVaried(plain.get(), client.right, client.bottom);
    skin::DrawTreeRows(tree, Tree(), pixels.get(), skin::TreeLineDrawing::Pixels);
    skin::DrawTreeRows(tree, Tree(), plain.get(), skin::TreeLineDrawing::Pen);
    EXPECT_EQ(FirstDifference(pixels.get(), plain.get(), client.right, client.bottom), "");
    // The plain paint did draw lines: the ground changed in many places.
    const skin::CachedDc ground = skin::CreateDibDc(client);
    FillVaried(ground.get(), client.right, client.bottom);
    EXPECT_NE(FirstDifference(plain.get(), ground.get(), client.right, client.bottom), "");
  }
}

// The whole paint: what PaintTreeView composes is the plain paint of the
// rows over the tree's background, the first time and after each change,
// whether the tree's kept image of its rows is copied or made again.
TEST_F(TreePaintTest, EveryPaintComposesThePlainRowsOverTheBackground) {
  quillora_test::DibPixels frameBits(Record().backgroundDc.get());
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) frameBits.at(x, y) = FrameRgb(x, y) | (static_cast<std::uint32_t>(x * y) << 24);
  Make(TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT);
  const HTREEITEM root = Add("root");
  const HTREEITEM parent = Add("parent", root);
  Add("sibling", root);
  const HTREEITEM item = Add("item", parent);
  const HTREEITEM second = Add("second root");
  for (int i = 0; i < 12; ++i) Add("more", second);
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(second));
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(parent));
  Skin();
  HFONT bigger = CreateFontA(-17, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");

  struct Step {
    const char* name;
    std::function<void()> change;
  };
  const Step steps[] = {
      {"first paint", [] {}},
      {"nothing changed", [] {}},
      {"another caret", [&] { SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)); }},
      {"a child for a leaf", [&] { Add("new child", item); }},
      {"collapsed", [&] { SendMessageA(tree, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(parent)); }},
      {"scrolled", [&] { SendMessageA(tree, WM_VSCROLL, SB_LINEDOWN, 0); }},
      {"line colour", [&] { SendMessageA(tree, TVM_SETLINECOLOR, 0, RGB(200, 0, 0)); }},
      {"text colour", [&] { SendMessageA(tree, TVM_SETTEXTCOLOR, 0, RGB(0, 90, 0)); }},
      {"font", [&] { SendMessageA(tree, WM_SETFONT, reinterpret_cast<WPARAM>(bigger), FALSE); }},
      {"indent", [&] { SendMessageA(tree, TVM_SETINDENT, 30, 0); }},
      {"the ground",
       [&] {
         for (int y = 0; y < kHeight; ++y)
           for (int x = 0; x < kWidth; ++x) frameBits.at(x, y) ^= 0x00404040;
       }},
  };
  RECT client{};
  GetClientRect(tree, &client);
  std::vector<std::uint32_t> before;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    step.change();
    Paint();
    const skin::CachedDc plain = skin::ComposeControlBackground(tree, skin::GetClientRectInWindow(tree));
    ASSERT_TRUE(plain);
    skin::DrawTreeRows(tree, Tree(), plain.get(), skin::TreeLineDrawing::Pen);
    quillora_test::DibPixels expected(plain.get());
    int differing = 0;
    std::vector<std::uint32_t> shown;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = 0; x < client.right; ++x) {
        shown.push_back(At(x, y));
        differing += At(x, y) != (expected.at(x, y) & 0xFFFFFF) ? 1 : 0;
      }
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(Tree().keptRows.Holds()) << "the rows are kept";
    // Each change shows: a kept image that was not made again would not.
    if (!before.empty()) EXPECT_EQ(shown == before, std::string(step.name) == "nothing changed");
    before = std::move(shown);
  }
  tree = TestWindow();
  DeleteObject(bigger);
}

TEST_F(TreePaintTest, EachPaintTakesTheTreesCurrentTextColour) {
  Make(TVS_HASBUTTONS | TVS_LINESATROOT);
  const HTREEITEM parent = Add("parent");
  Add("child", parent);
  Skin();
  SendMessageA(tree, TVM_SETTEXTCOLOR, 0, RGB(0, 0, 255));
  Paint();
  EXPECT_EQ(Tree().textColour, RGB(0, 0, 255));
  const skin::TreeRowGeometry at = Geometry(parent);
  EXPECT_TRUE(NearRgb(At(at.buttonX + 3, at.buttonY + 4), 0x0000FF, 6)) << "the sign in the text colour";
}

}  // namespace
