// A shown skinned window in TransparencyMode with the installer's kinds of
// containers: a group box given to the control call with two check boxes
// in it, and a transparent label beside it. The window's frame procedure
// answers its children as a skinned frame does (owner-draw routing and the
// shared brush reply). After an update the window shows the skin, and a
// group box's list box and edit keep showing it after they change. The
// brushes the container hands its native children go with the children.
// Also group boxes nested in tinted containers and tab controls with their
// tabs below, left or right of the page, as the window shows them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "skin/containers/container_skin.h"
#include "skin/containers/owner_draw_router.h"
#include "skin/containers/static_skins.h"
#include "skin/core/control_brush.h"
#include "skin/core/control_font.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/engine/control_skin_calls.h"
#include "tests/skin/buttons/button_test_env.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdi_object_count.h"

namespace {

using quillora_test::DibPixels;
using quillora_test::Fill;
using quillora_test::FrameRgb;
using quillora_test::MakeChild;
using quillora_test::TestWindow;

constexpr COLORREF kSkin = RGB(0x40, 0x60, 0x40);
constexpr std::uint32_t kSkinPixel = 0x406040;

WNDPROC g_frameProc = nullptr;

LRESULT CALLBACK SkinnedFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DRAWITEM:
      skin::RouteDrawItem(skin::FindSkinWindow(window), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      const auto child = reinterpret_cast<HWND>(lParam);
      SetTextColor(dc, static_cast<COLORREF>(skin::prop::Read(child, skin::prop::kTextColour)));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(skin::RenewControlBrush(child));
    }
    default:
      return CallWindowProcA(g_frameProc, window, message, wParam, lParam);
  }
}

COLORREF Shown(HWND hwnd, int x, int y) {
  rt::WindowDc dc(hwnd);
  return GetPixel(dc.get(), x, y);
}

int Luma(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

// Whether `c` is `ground` with black laid over it at some alpha: every
// channel scaled by one factor (give or take rounding).
bool DarkenedEvenly(COLORREF c, COLORREF ground) {
  const int g[] = {GetRValue(ground), GetGValue(ground), GetBValue(ground)};
  const int v[] = {GetRValue(c), GetGValue(c), GetBValue(c)};
  const int top = g[0] >= g[1] && g[0] >= g[2] ? 0 : g[1] >= g[2] ? 1 : 2;
  if (g[top] == 0 || v[top] > g[top]) return false;
  for (int i = 0; i < 3; ++i) {
    const int expected = (g[i] * v[top] + g[top] / 2) / g[top];
    if (v[i] < expected - 3 || v[i] > expected + 3) return false;
  }
  return true;
}

class ContainerWindowTest : public quillora_test::ComposedFrameTest {
 protected:
  bool FrameShown() const override { return true; }
  void SetUp() override {
    ComposedFrameTest::SetUp();
    saved = skin::TransparencyMode;
    savedChildControls = skin::SkinChildControls;
    skin::TransparencyMode = 1;
    Fill(Record().backgroundDc.get(), kWidth, kHeight, kSkinPixel);
    Fill(Record().compositionDc.get(), kWidth, kHeight, kSkinPixel);
    g_frameProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinnedFrameProc)));
  }
  void TearDown() override {
    SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_frameProc));
    skin::TransparencyMode = saved;
    skin::SkinChildControls = savedChildControls;
    ComposedFrameTest::TearDown();
  }
  int saved = 0;
  int savedChildControls = 0;
};

TEST_F(ContainerWindowTest, GroupBoxCheckBoxesAndTransparentLabelShowTheSkin) {
  TestWindow group = MakeChild(frame, 20, 30, 213, 224, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX | BS_LEFT);
  SetWindowTextA(group, "安装选项");
  TestWindow first = MakeChild(group, 12, 30, 180, 20, "Button", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX);
  SetWindowTextA(first, "桌面快捷方式");
  TestWindow second = MakeChild(group, 12, 60, 180, 20, "Button", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX);
  SetWindowTextA(second, "背景音乐");
  TestWindow label = MakeChild(frame, 260, 40, 200, 20, "Static", WS_CHILD | WS_VISIBLE, WS_EX_TRANSPARENT);
  SetWindowTextA(label, "我已阅读并同意许可协议");

  skin::SkinTransparentChildren(windowIndex, frame);
  skin::SkinControl(group);
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

  // Frame lines and the title's gap in them.
  EXPECT_LT(Luma(Shown(group, 150, 5)), Luma(kSkin)) << "dark outer line";
  EXPECT_GT(Luma(Shown(group, 150, 6)), Luma(kSkin)) << "light inner line";
  EXPECT_EQ(Shown(group, 150, 100), kSkin) << "the skin inside the frame";
  EXPECT_EQ(Shown(group, 10, 5), kSkin) << "the title's gap starts at x 10";
  const skin::FontSpec font = skin::GetControlFont(group);
  const int tw = skin::MeasureTextWidth("安装选项", font.face, font.size, font.style);
  EXPECT_EQ(Shown(group, 10 + tw - 1, 5), kSkin) << "and is as wide as the title";
  EXPECT_LT(Luma(Shown(group, 10 + tw + 2, 5)), Luma(kSkin));

  // The check boxes are the skin's: their empty right part is the skin,
  // not the button face.
  for (HWND box : {first.get(), second.get()}) {
    EXPECT_EQ(Shown(box, 176, 10), kSkin);
    EXPECT_NE(Shown(box, 176, 10), GetSysColor(COLOR_BTNFACE));
  }

  // The label's text lies on the skin, and its image reached the host's
  // composition image.
  int text = 0, face = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 200; ++x) {
      const COLORREF c = Shown(label, x, y);
      if (c == GetSysColor(COLOR_BTNFACE)) ++face;
      else if (c != kSkin) ++text;
    }
  EXPECT_GT(text, 20) << "the label's text";
  EXPECT_EQ(face, 0) << "no button face behind the label";
  int composed = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 200; ++x)
      if (quillora_test::Rgb(Record().compositionDc.get(), 260 + x, 40 + y) != kSkinPixel) ++composed;
  EXPECT_GT(composed, 20) << "the label's text in the composition image";
  skin::DeleteControlBrush(label);
}

// Native children put into a container after it was skinned: a static, an
// edit and a list box, each painted once so that it asks the container for
// its colours.
struct NativeChildren {
  explicit NativeChildren(HWND container) {
    static constexpr const char* kClasses[] = {"Static", "Edit", "ListBox"};
    for (std::size_t i = 0; i < std::size(windows); ++i) {
      windows[i] = MakeChild(container, 12, 30 + 40 * static_cast<int>(i), 150, 30, kClasses[i],
                             WS_CHILD | WS_VISIBLE | WS_BORDER);
      SetWindowTextA(windows[i], "文字");
      UpdateWindow(windows[i]);
    }
  }
  TestWindow windows[3];
};

TEST_F(ContainerWindowTest, TheBrushesOfNativeChildrenGoWithThem) {
  skin::SkinChildControls = 1;
  TestWindow group = MakeChild(frame, 20, 30, 213, 224, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  skin::InstallContainerSkin(group);
  UpdateWindow(frame);
  {
    // A first round lets the controls make what they keep for good.
    NativeChildren first(group);
    for (HWND child : first.windows)
      ASSERT_NE(skin::prop::Read(child, skin::prop::kCtlColourBrush), 0) << "asked for its colours";
  }

  const DWORD before = quillora_test::GdiObjectCount();
  for (int i = 0; i < 100; ++i) NativeChildren round(group);
  EXPECT_EQ(quillora_test::GdiObjectCount(), before) << "children made and destroyed a hundred times";

  NativeChildren last(group);
  std::vector<HGDIOBJ> objects;
  for (HWND child : last.windows) {
    for (const char* name : {skin::prop::kCtlColourBrush, skin::prop::kCtlColourBitmap})
      if (auto object = skin::prop::ReadHandle<HGDIOBJ>(child, name)) objects.push_back(object);
  }
  ASSERT_EQ(objects.size(), 5u) << "a brush each, a bitmap for the static and the edit";
  group = TestWindow();
  for (HGDIOBJ object : objects) EXPECT_EQ(GetObjectType(object), 0u) << "gone with the container";
}

// A tinted group box's title band, where the title cuts its frame lines,
// shows what lies under the box: above the frame the surface around it
// (the window's skin, or an enclosing container's tinted page), from the
// frame line down the box's own tinted inside. The title's black glyphs
// (smoothed) darken that ground.
TEST_F(ContainerWindowTest, GroupBoxTitleBandShowsTheSurfaceUnderIt) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  constexpr COLORREF kRed = RGB(0xE0, 0x20, 0x20), kBlue = RGB(0x20, 0x40, 0xE0);
  enum class Enclosure { Window, TabPage, GroupBox };
  struct Case {
    const char* what;
    Enclosure enclosure;
  };
  const Case cases[] = {
      {"directly on the window", Enclosure::Window},
      {"on a tinted tab page", Enclosure::TabPage},
      {"inside a tinted group box", Enclosure::GroupBox},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestWindow outer;
    HWND parent = frame;
    if (c.enclosure == Enclosure::TabPage) {
      outer = MakeChild(frame, 20, 20, 420, 320, WC_TABCONTROLA, WS_CHILD | WS_VISIBLE);
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      std::string text = "常规";
      item.pszText = text.data();
      SendMessageA(outer, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    } else if (c.enclosure == Enclosure::GroupBox) {
      outer = MakeChild(frame, 20, 20, 420, 320, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX | BS_LEFT);
    }
    if (outer) parent = outer;
    TestWindow group = MakeChild(parent, 20, 40, 213, 224, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX | BS_LEFT);
    SetWindowTextA(group, "安装选项");
    if (outer) skin::InstallContainerSkin(outer, 1, kBlue, 110);
    skin::InstallContainerSkin(group, 1, kRed, 110);
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

    // The surface around the box: the enclosing container's, read right
    // of the box, or the window's skin.
    const COLORREF around = outer ? Shown(outer, 340, 200) : kSkin;
    const COLORREF inside = Shown(group, 100, 120);
    ASSERT_NE(around, inside) << "the two tints must tell the rows apart";
    EXPECT_EQ(Shown(group, 150, 2), around) << "above the frame, beside the title";

    const skin::FontSpec font = skin::GetControlFont(group);
    const int tw = skin::MeasureTextWidth("安装选项", font.face, font.size, font.style);
    int matching = 0, wrong = 0;
    for (int y = 1; y < 1 + font.size + 3; ++y)
      for (int x = 10; x < 10 + tw; ++x) {
        const COLORREF c = Shown(group, x, y);
        const COLORREF ground = y < 5 ? around : inside;
        if (c == ground) ++matching;
        else if (!DarkenedEvenly(c, ground)) ++wrong;
      }
    EXPECT_EQ(wrong, 0) << "band pixels unlike the surface under them";
    EXPECT_GT(matching, tw * 4) << "most of the band is background";
  }
}

// Tabs below, left and right of the page, the second one selected: its
// face is whitest next to the page, its caption sits in its middle, and
// the page's frame line is open where it meets the page (closed under the
// other tabs).
TEST_F(ContainerWindowTest, SideTabsFaceCaptionAndJoinSitOnTheirSide) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  using Spot = POINT (*)(const RECT&);
  struct Case {
    const char* what;
    DWORD style;
    Spot pageEdge;   // on the page's frame line, halfway along the tab
    Spot pageFace;   // the face next to the page, clear of the caption
    Spot outerFace;  // the face at its outer edge, likewise
  };
  const Case cases[] = {
      {"bottom", TCS_BOTTOM, [](const RECT& q) { return POINT{(q.left + q.right) / 2, q.top}; },
       [](const RECT& q) { return POINT{q.left + 4, q.top + 2}; },
       [](const RECT& q) { return POINT{q.left + 4, q.bottom - 3}; }},
      {"left", TCS_VERTICAL, [](const RECT& q) { return POINT{q.right - 1, (q.top + q.bottom) / 2}; },
       [](const RECT& q) { return POINT{q.right - 3, q.top + 4}; },
       [](const RECT& q) { return POINT{q.left + 3, q.top + 4}; }},
      {"right", TCS_VERTICAL | TCS_RIGHT, [](const RECT& q) { return POINT{q.left, (q.top + q.bottom) / 2}; },
       [](const RECT& q) { return POINT{q.left + 2, q.top + 4}; },
       [](const RECT& q) { return POINT{q.right - 4, q.top + 4}; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestWindow tab = MakeChild(frame, 40, 40, 300, 200, WC_TABCONTROLA, WS_CHILD | WS_VISIBLE | c.style);
    for (int i = 0; i < 3; ++i) {
      std::string text = "页" + std::to_string(i + 1);
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = text.data();
      SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(tab, TCM_SETCURSEL, 1, 0);
    skin::InstallContainerSkin(tab);
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT q{}, other{};
    SendMessageA(tab, TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&q));
    SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&other));
    const auto at = [&](POINT p) { return Shown(tab, p.x, p.y); };

    const int page = Luma(at(c.pageFace(q))), outer = Luma(at(c.outerFace(q)));
    EXPECT_GT(page, 3 * 0xF0) << "a white face";
    EXPECT_GT(page, outer + 20) << "whitest next to the page";
    EXPECT_GT(outer, Luma(kSkin));

    RECT ink{q.right, q.bottom, q.left, q.top};
    int glyphs = 0;
    for (int y = q.top + 2; y < q.bottom - 2; ++y)
      for (int x = q.left + 2; x < q.right - 2; ++x) {
        if (Luma(Shown(tab, x, y)) >= 3 * 0x30) continue;
        ++glyphs;
        ink = {std::min(ink.left, static_cast<LONG>(x)), std::min(ink.top, static_cast<LONG>(y)),
               std::max(ink.right, static_cast<LONG>(x + 1)), std::max(ink.bottom, static_cast<LONG>(y + 1))};
      }
    ASSERT_GT(glyphs, 10) << "the caption inside the selected tab";
    // The caption is centred in the tab, below a 3-pixel top margin.
    EXPECT_NEAR((ink.left + ink.right) / 2, (q.left + q.right) / 2, 4);
    EXPECT_NEAR((ink.top + ink.bottom) / 2, q.top + 2 + (q.bottom - q.top) / 2, 4);

    EXPECT_EQ(at(c.pageEdge(q)), kSkin) << "the selected tab opens into the page";
    EXPECT_NE(at(c.pageEdge(other)), kSkin) << "the frame line runs on under another tab";
  }
}

TEST_F(ContainerWindowTest, DialogTextStaticShowsHaloText) {
  Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x808080);
  TestWindow message = MakeChild(frame, 60, 40, 200, 20);
  SetWindowTextA(message, "确定要退出安装吗？");
  skin::SkinStatics(windowIndex, frame, 9, 14);
  RedrawWindow(message, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  int black = 0, light = 0;
  for (int y = 0; y < 34; ++y)
    for (int x = 0; x < 209; ++x) {
      const COLORREF c = Shown(message, x, y);
      if (Luma(c) < 3 * 0x30) ++black;
      else if (Luma(c) > 3 * 0xC0) ++light;
    }
  EXPECT_GT(black, 20) << "dark text";
  EXPECT_GT(light, 20) << "a light halo";
}

// A list box redraws the rows whose selection changed itself, over its
// own background colour, and an edit scrolls the skin behind its text
// along with the text: the group box they are in repaints them when they
// report the change, so that they show the skin as a fresh paint does.
TEST_F(ContainerWindowTest, AGroupBoxRepaintsTheListBoxAndEditThatReportAChange) {
  // A skin whose every pixel tells its place, so that a shifted one shows.
  for (HDC dc : {Record().backgroundDc.get(), Record().compositionDc.get()}) {
    DibPixels pixels(dc);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) pixels.at(x, y) = FrameRgb(x, y);
  }
  TestWindow group = MakeChild(frame, 20, 30, 300, 380, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  TestWindow list = MakeChild(group, 12, 30, 200, 120, "ListBox", WS_CHILD | WS_VISIBLE | LBS_NOTIFY);
  for (const char* item : {"first", "second", "third", "fourth"})
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  TestWindow edit = MakeChild(group, 12, 170, 200, 150, "Edit",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL);
  std::string text;
  for (int i = 1; i <= 60; ++i) text += "line " + std::to_string(i) + "\r\n";
  SetWindowTextA(edit, text.c_str());
  skin::SkinControl(group);
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

  struct Case {
    const char* name;
    HWND child;
    UINT message;
    WPARAM wParam;
  };
  for (const Case& c : {Case{"selection moved down", list, WM_KEYDOWN, VK_DOWN},
                        Case{"selection moved down again", list, WM_KEYDOWN, VK_DOWN},
                        Case{"selection moved up", list, WM_KEYDOWN, VK_UP},
                        Case{"edit scrolled by the wheel", edit, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)},
                        Case{"edit scrolled by the wheel again", edit, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA)}}) {
    SCOPED_TRACE(c.name);
    const std::vector<std::uint32_t> before = quillora_test::ClientSurface(c.child);
    SendMessageA(c.child, c.message, c.wParam, 1);
    UpdateWindow(c.child);
    const std::vector<std::uint32_t> shown = quillora_test::ClientSurface(c.child);
    EXPECT_TRUE(shown != before) << "the child changed";
    RedrawWindow(c.child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(shown == quillora_test::ClientSurface(c.child)) << "the child shows what a fresh paint shows";
  }
  skin::DeleteControlBrush(edit);
}

}  // namespace
