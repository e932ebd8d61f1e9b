// The list-control procedure and its frame: the record fields each message
// keeps, the hover ring ending with a real mouse leave, the painting over
// the tinted background in TransparencyMode (and the copy from the
// composition image while the window moves), the brush replies to the
// control's children, the ring's colours and its kept image, and the
// painted bar following every scroll.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/list_control_installer.h"
#include "skin/lists/list_control_painters.h"
#include "skin/lists/list_control_skin.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/skin/lists/kept_image_checks.h"
#include "tests/skin/lists/list_host.h"
#include "tests/skin/lists/overlay_surface.h"
#include "tests/skin/lists/pixel_checks.h"
#include "tests/support/gdi_object_count.h"
#include "tests/support/gdip_test_env.h"
#include "tests/support/window_pixels.h"

namespace {

using quillora_test::Blend;
using quillora_test::DibRgb;
using quillora_test::FrameRgb;
using quillora_test::MakeChild;
using quillora_test::NearRgb;
using quillora_test::Rgb;
using quillora_test::TestWindow;
using skin::ScrollBarPart;

constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;
constexpr std::uint32_t kMarker = 0x123456;
constexpr int kX = 40, kY = 40;  // where the controls stand in the frame

// DIB colour (0x00RRGGBB) of a window DC pixel.
std::uint32_t ScreenRgb(HDC dc, int x, int y) { return DibRgb(GetPixel(dc, x, y)); }

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Pumps messages until `done` holds or two seconds have passed.
template <class Done>
bool PumpUntil(Done done) {
  for (int i = 0; i < 200; ++i) {
    Pump();
    if (done()) return true;
    Sleep(10);
  }
  return false;
}

void AddItems(HWND list, int count) {
  for (int i = 1; i <= count; ++i) {
    const std::string text = "item " + std::to_string(i);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

class ListSkinTest : public quillora_test::ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    quillora_test::AnswerListColours(frame);
  }

  // A control at (kX, kY), skinned as the only list control.
  HWND Make(const char* cls, DWORD style, DWORD exStyle = 0, int width = 200, int height = 150) {
    control = MakeChild(frame, kX, kY, width, height, cls, WS_CHILD | WS_VISIBLE | style, exStyle);
    skin::SkinListControls(windowIndex, frame);
    return control;
  }
  skin::ListControlRecord& List(int index = 1) { return Record().listControls.At(index); }
  HDC Composition() { return Record().compositionDc.get(); }
  std::uint32_t Composed(int x, int y) { return Rgb(Composition(), kX + x, kY + y); }
  void MarkComposition() { quillora_test::Fill(Composition(), kWidth, kHeight, kMarker); }
  RECT ClientInWindow() {
    RECT window{}, client{};
    GetWindowRect(control, &window);
    GetClientRect(control, &client);
    MapWindowPoints(control, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -window.left, -window.top);
    return client;
  }

  quillora_test::EngineDefaults settings;
  TestWindow control;
};

struct Fields {
  int dirty, hover, hoverReported, hotPart, x, y, arrowKeyDown, focused;
};

TEST_F(ListSkinTest, EachMessageKeepsItsRecordFields) {
  Make("ListBox", WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE);
  AddItems(control, 40);
  const HWND overlay = List().vScrollOverlay;
  RECT bar{};
  GetWindowRect(overlay, &bar);
  const LPARAM overThumb = MAKELPARAM(bar.left + 8, bar.top + 60);
  const int thumb = static_cast<int>(ScrollBarPart::Thumb);
  WINDOWPOS pos{control, nullptr, kX, kY, 200, 150, SWP_NOZORDER | SWP_NOACTIVATE};

  struct Case {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    Fields before, after;
  };
  const Case cases[] = {
      {"mouse move", WM_MOUSEMOVE, 0, MAKELPARAM(-5, 7), {0, 0, 0, thumb, 0, 0, 0, 0}, {0, 1, 0, 0, -5, 7, 0, 0}},
      {"hover", WM_MOUSEHOVER, 0, 0, {0, 1, 0, 0, 3, 4, 0, 0}, {0, 1, 1, 0, 3, 4, 0, 0}},
      {"leave", WM_MOUSELEAVE, 0, 0, {0, 1, 1, 0, 3, 4, 0, 0}, {0, 0, 0, 0, -1, -1, 0, 0}},
      {"arrow key down", WM_KEYDOWN, VK_DOWN, 0, {0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 1, 0}},
      {"other key down", WM_KEYDOWN, 'A', 0, {0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0}},
      {"key up", WM_KEYUP, VK_DOWN, 0, {0, 0, 0, 0, 0, 0, 1, 0}, {1, 0, 0, 0, 0, 0, 0, 0}},
      {"set text", WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""), {0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0}},
      {"scroll", WM_VSCROLL, SB_LINEDOWN, 0, {0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0}},
      {"wheel", WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0, {0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0}},
      {"moved", WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos), {0, 0, 0, 0, 0, 0, 0, 0},
       {1, 0, 0, 0, 0, 0, 0, 0}},
      {"over the thumb", WM_NCMOUSEMOVE, HTVSCROLL, overThumb, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, thumb, 0, 0, 0, 0}},
      {"off the bar", WM_NCMOUSEMOVE, HTBORDER, 0, {0, 0, 0, thumb, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}},
      {"left the frame", WM_NCMOUSELEAVE, 0, 0, {0, 0, 0, thumb, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 0}},
      {"focus", WM_SETFOCUS, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0, 1}},
      {"focus lost", WM_KILLFOCUS, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    skin::ListControlRecord& r = List();
    r.dirty = c.before.dirty;
    r.hover = c.before.hover;
    r.hoverReported = c.before.hoverReported;
    r.hotPart = static_cast<ScrollBarPart>(c.before.hotPart);
    r.lastMouseX = c.before.x;
    r.lastMouseY = c.before.y;
    r.arrowKeyDown = c.before.arrowKeyDown;
    r.focused = c.before.focused;
    Record().hotKind = skin::HotKind::Button;
    Record().lastHot = 0;
    // The thumb as the overlay's last paint left it, in its own coordinates.
    r.vScrollParts = {RECT{0, 0, 17, 17}, RECT{0, 100, 17, 117}, RECT{0, 40, 17, 80}};

    SendMessageA(control, c.message, c.wParam, c.lParam);

    EXPECT_EQ(r.dirty, c.after.dirty);
    EXPECT_EQ(r.hover, c.after.hover);
    EXPECT_EQ(r.hoverReported, c.after.hoverReported);
    EXPECT_EQ(static_cast<int>(r.hotPart), c.after.hotPart);
    EXPECT_EQ(r.lastMouseX, c.after.x);
    EXPECT_EQ(r.lastMouseY, c.after.y);
    EXPECT_EQ(r.arrowKeyDown, c.after.arrowKeyDown);
    EXPECT_EQ(r.focused, c.after.focused);
  }
}

TEST_F(ListSkinTest, MovingWithinOneListRepaintsTheRingOnce) {
  Make("ListBox", 0, WS_EX_CLIENTEDGE);
  MarkComposition();
  SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_NE(Composed(0, 20), kMarker) << "the first move paints the hover ring";
  EXPECT_EQ(Record().hotKind, skin::HotKind::ListControl);
  EXPECT_EQ(Record().lastHot, 1);
  MarkComposition();
  SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
  EXPECT_EQ(Composed(0, 20), kMarker) << "no second paint within the same list";
  Record().hotKind = skin::HotKind::Edit;  // the mouse was over an edit meanwhile
  SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(7, 7));
  EXPECT_NE(Composed(0, 20), kMarker);
}

TEST_F(ListSkinTest, AControlWhosePropertiesNameAnotherRecordIsPassedOn) {
  Make("ListBox", 0, WS_EX_CLIENTEDGE);
  TestWindow other = MakeChild(frame, 300, 40, 100, 100, "ListBox", WS_CHILD | WS_VISIBLE | WS_BORDER);
  skin::SkinListControls(windowIndex, frame);
  // The first list's properties now point at the second list's record.
  skin::prop::Write(control, skin::prop::kIndex, 2);
  MarkComposition();
  SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(control, WM_NCPAINT, 1, 0);
  EXPECT_EQ(List(2).hover, 0);
  EXPECT_EQ(List(1).hover, 0);
  EXPECT_EQ(Composed(0, 20), kMarker) << "not painted";
  skin::prop::Write(control, skin::prop::kIndex, 99);
  SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));  // no fatal report
  EXPECT_EQ(SendMessageA(control, LB_GETCOUNT, 0, 0), 0) << "messages still reach the list";
}

struct RingCase {
  const char* name;
  const char* cls;
  DWORD style, exStyle;
  int transparency, tracking, hover, focused;
  int x;                 // ring pixel tested, at half height
  bool accent;           // line colour: accent a200, else black a90
  bool lineAtX;          // the line covers pixel x
  bool transfers;
};

TEST_F(ListSkinTest, RingColoursFollowHoverFocusAndBorder) {
  const RingCase cases[] = {
      {"idle", "ListBox", WS_BORDER, 0, 0, 0, 0, 0, 0, false, true, true},
      {"focused", "ListBox", WS_BORDER, 0, 0, 0, 0, 1, 0, true, true, true},
      {"hovered", "ListBox", WS_BORDER, 0, 0, 0, 1, 0, 0, true, true, true},
      {"hovered, edge", "ListBox", 0, WS_EX_CLIENTEDGE, 0, 0, 1, 0, 1, false, false, true},
      {"hovered, edge, tracking", "ListBox", 0, WS_EX_CLIENTEDGE, 0, 1, 1, 0, 1, true, true, true},
      {"idle, tinted", "ListBox", 0, WS_EX_CLIENTEDGE, 1, 0, 0, 0, 0, false, true, true},
      {"tinted ring inside the line", "ListBox", 0, WS_EX_CLIENTEDGE, 1, 0, 0, 0, 1, false, false, true},
      {"borderless", "ListBox", 0, 0, 0, 0, 1, 1, 0, false, true, false},
      {"simple-combo list", "ComboLBox", 0, 0, 0, 0, 1, 1, 0, false, true, false},
  };
  for (const RingCase& c : cases) {
    SCOPED_TRACE(c.name);
    skin::TransparencyMode = c.transparency;
    skin::ListHoverTracking = c.tracking;
    TestWindow combo;
    HWND target = nullptr;
    if (std::string(c.cls) == "ComboLBox") {
      combo = MakeChild(frame, kX, kY, 200, 150, "ComboBox", WS_CHILD | WS_VISIBLE | CBS_SIMPLE);
      target = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
      ASSERT_NE(target, nullptr);
      MoveWindow(target, 0, 0, 200, 150, FALSE);
    } else {
      control = MakeChild(frame, kX, kY, 200, 150, c.cls, WS_CHILD | WS_VISIBLE | c.style, c.exStyle);
      target = control;
    }
    const int index = quillora_test::ListControl(Record().listControls, target, windowIndex);
    RECT place{};
    GetWindowRect(target, &place);
    MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&place), 2);
    MarkComposition();

    skin::PaintSkinFrame(windowIndex, index, c.hover, c.focused);

    const int y = (place.bottom - place.top) / 2;
    const std::uint32_t got = Rgb(Composition(), place.left + c.x, place.top + y);
    skin::ListHoverTracking = 0;
    if (!c.transfers) {
      EXPECT_EQ(got, kMarker);
      EXPECT_EQ(Rgb(Composition(), place.left + 1, place.top + 1), kMarker);
      continue;
    }
    const std::uint32_t ground =
        c.transparency ? Blend(FrameRgb(place.left + c.x, place.top + y), kWhiteRgb, 160) : kWhiteRgb;
    const std::uint32_t expected =
        !c.lineAtX ? ground : c.accent ? Blend(ground, DibRgb(skin::AccentColour), 200) : Blend(ground, 0, 90);
    EXPECT_TRUE(NearRgb(got, expected));
    EXPECT_EQ(Rgb(Composition(), place.left + 20, place.top + y), kMarker) << "the client is left alone";
  }
}

// A ring repainted in a state it was painted in before copies its kept
// image: after each change the ring is what a fresh paint gives, and the
// change shows in it (a kept image taken for the new state would not).
TEST_F(ListSkinTest, KeptRingImagesAreTheFreshPaints) {
  Make("ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE);
  AddItems(control, 20);
  int hover = 0, focused = 0;
  struct Case {
    const char* name;
    std::function<void()> apply;
  };
  const std::vector<Case> cases = {
      {"idle", [] {}},
      {"hovered", [&] { hover = 1; }},
      {"hovered, tracking", [] { skin::ListHoverTracking = 1; }},
      {"focused", [&] { hover = 0; focused = 1; }},
      {"another accent", [] { skin::AccentColour = 0x2040C0; }},
      {"translucent", [] { skin::TransparencyMode = 1; }},
      {"another global alpha", [] { skin::GlobalAlpha = 90; }},
      {"another background", [&] { quillora_test::Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x405060); }},
      {"one background pixel under the ring",
       [&] { quillora_test::DibPixel(Record().backgroundDc.get(), kX + 1, kY + 60) ^= 0x808080u; }},
      {"taller and narrower", [&] { SetWindowPos(control, nullptr, 0, 0, 150, 200, SWP_NOMOVE | SWP_NOZORDER); }},
      {"idle", [&] { focused = 0; }},
      {"opaque", [] { skin::TransparencyMode = 0; }},
  };
  std::vector<std::uint32_t> before;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.apply();
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&place), 2);
    const auto ring = [&] { return quillora_test::AreaPixels(Composition(), place); };
    EXPECT_TRUE(quillora_test::KeptPaintsAreFresh(
        [&] {
          MarkComposition();
          skin::PaintSkinFrame(windowIndex, 1, hover, focused);
        },
        [&] { List().ringImage.Forget(); }, ring));
    const std::vector<std::uint32_t> now = ring();
    EXPECT_NE(now, before) << "the change shows in the ring";
    before = now;
  }
  skin::ListHoverTracking = 0;
  EXPECT_EQ(skin::DcCache.size(), cacheBefore);
}

TEST_F(ListSkinTest, TransparentPaintDrawsTheItemsOverTheTintedBackground) {
  skin::TransparencyMode = 1;
  Make("ListBox", WS_VSCROLL, WS_EX_CLIENTEDGE);
  AddItems(control, 3);
  MarkComposition();
  const RECT client = ClientInWindow();
  RECT item{};
  SendMessageA(control, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));

  SendMessageA(control, WM_PAINT, 0, 0);

  EXPECT_EQ(List().dirty, 0);
  // Beside the first item's text and below the last item: the skin under
  // the white tint, not the list's own white.
  for (POINT p : {POINT{item.right - 6, (item.top + item.bottom) / 2}, POINT{20, item.bottom * 3 + 20}}) {
    SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
    const int fx = kX + client.left + p.x, fy = kY + client.top + p.y;
    EXPECT_TRUE(NearRgb(Composed(client.left + p.x, client.top + p.y), Blend(FrameRgb(fx, fy), kWhiteRgb, 160)));
  }
  int dark = 0;
  for (int y = item.top; y < item.bottom; ++y)
    for (int x = 0; x < 60; ++x) dark += (Composed(client.left + x, client.top + y) & 0xFF) < 0x60 ? 1 : 0;
  EXPECT_GT(dark, 5) << "the first item's text";
}

TEST_F(ListSkinTest, AListViewWaitingForTheRestoreDrawsNothing) {
  skin::TransparencyMode = 1;
  Make(WC_LISTVIEWA, LVS_LIST, WS_EX_CLIENTEDGE);
  const RECT client = ClientInWindow();
  MarkComposition();
  Record().repaintPending = 1;
  SendMessageA(control, WM_PAINT, 0, 0);
  EXPECT_EQ(Composed(client.left + 10, client.top + 10), kMarker);
  EXPECT_EQ(List().dirty, 1);

  Record().repaintPending = 0;
  SendMessageA(control, WM_PAINT, 0, 0);
  EXPECT_NE(Composed(client.left + 10, client.top + 10), kMarker);
  EXPECT_EQ(List().dirty, 0);
}

TEST_F(ListSkinTest, OutsideTransparencyModeTheNativePaintRunsAndTheRecordStaysDirty) {
  Make("ListBox", 0, WS_EX_CLIENTEDGE);
  AddItems(control, 3);
  const RECT client = ClientInWindow();
  MarkComposition();
  SendMessageA(control, WM_PAINT, 0, 0);
  EXPECT_EQ(List().dirty, 1);
  EXPECT_EQ(Composed(client.left + 10, client.top + 2), kMarker) << "nothing composed but the ring";
  EXPECT_NE(Composed(0, 20), kMarker);
}

TEST_F(ListSkinTest, ChildrenGetTheirTextColourAndATintedBrushEachTimeAnew) {
  Make(WC_LISTVIEWA, LVS_REPORT, WS_EX_CLIENTEDGE);
  TestWindow child = MakeChild(control, 5, 5, 50, 20, "Edit", WS_CHILD | WS_VISIBLE);
  skin::prop::Write(child, skin::prop::kTextColour, 0x112233);
  skin::prop::Write(child, skin::prop::kDisabledTextColour, 0x606060);
  HDC dc = GetDC(child);

  skin::TransparencyMode = 0;
  SendMessageA(control, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child.get()));
  EXPECT_EQ(skin::prop::Read(child, skin::prop::kCtlColourBrush), 0) << "passed on outside TransparencyMode";

  skin::TransparencyMode = 1;
  const LRESULT first =
      SendMessageA(control, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child.get()));
  EXPECT_EQ(first, skin::prop::Read(child, skin::prop::kCtlColourBrush));
  EXPECT_NE(first, 0);
  EXPECT_EQ(GetTextColor(dc), 0x112233u);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  const auto firstBitmap = skin::prop::ReadHandle<HGDIOBJ>(child, skin::prop::kCtlColourBitmap);

  EnableWindow(child, FALSE);
  const LRESULT second =
      SendMessageA(control, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child.get()));
  EXPECT_EQ(GetTextColor(dc), 0x606060u) << "disabled";
  EXPECT_EQ(second, skin::prop::Read(child, skin::prop::kCtlColourBrush));
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), 0u) << "the earlier brush is deleted";
  EXPECT_EQ(GetObjectType(firstBitmap), 0u);
  ReleaseDC(child, dc);

  // A combo box's edit field asks its combo box, never the list.
  TestWindow combo = MakeChild(frame, 300, 300, 120, 100, "ComboBox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN);
  const HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(field, nullptr);
  HDC fieldDc = GetDC(field);
  SendMessageA(control, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(fieldDc), reinterpret_cast<LPARAM>(field));
  EXPECT_EQ(skin::prop::Read(field, skin::prop::kCtlColourBrush), 0);
  ReleaseDC(field, fieldDc);
  skin::DeleteControlBrush(child);
}

// A shown frame: its controls really paint and the mouse really moves.
class ShownListTest : public ListSkinTest {
 protected:
  bool FrameShown() const override { return true; }
};

TEST_F(ShownListTest, TheHoverRingEndsWhenTheMouseLeaves) {
  ASSERT_EQ(skin::ListHoverTracking, 0);
  Make("ListBox", 0, WS_EX_CLIENTEDGE);
  Pump();
  RECT r{};
  GetWindowRect(control, &r);
  SetCursorPos(r.left + 50, r.top + 50);
  ASSERT_TRUE(PumpUntil([&] { return List().hover == 1; })) << "the mouse came over the list";
  SetCursorPos(r.right + 200, r.bottom + 200);
  ASSERT_TRUE(PumpUntil([&] { return List().hover == 0; })) << "the leave was asked for and came";
  EXPECT_EQ(List().lastMouseX, -1);
  EXPECT_EQ(List().lastMouseY, -1);
  EXPECT_EQ(Record().lastHot, 0);
  MarkComposition();
  skin::PaintSkinFrame(windowIndex, 1);
  EXPECT_TRUE(NearRgb(Composed(0, 40), Blend(kWhiteRgb, 0, 90))) << "the idle line is back";
}

TEST_F(ShownListTest, WhileTheWindowMovesACleanControlIsCopiedFromTheComposition) {
  skin::TransparencyMode = 1;
  Make("ListBox", 0, WS_EX_CLIENTEDGE);
  AddItems(control, 3);
  UpdateWindow(control);
  Pump();
  ASSERT_EQ(List().dirty, 0);

  Record().moving = 1;
  const RECT client = ClientInWindow();
  MarkComposition();
  InvalidateRect(control, nullptr, TRUE);
  UpdateWindow(control);
  {
    HDC dc = GetDC(control);
    EXPECT_EQ(ScreenRgb(dc, 100, 100), kMarker) << "restored from the composition";
    ReleaseDC(control, dc);
  }
  EXPECT_EQ(List().dirty, 0);

  // Once the mouse has hovered over it, the control is painted anew.
  List().hoverReported = 1;
  InvalidateRect(control, nullptr, TRUE);
  UpdateWindow(control);
  EXPECT_NE(Composed(client.left + 100, client.top + 100), kMarker);
  Record().moving = 0;
}

// A label editor is an unskinned child that its list or tree colours: the
// brush and bitmap it is given go with it, whether it ends by itself or
// with its control.
TEST_F(ShownListTest, ALabelEditorsBrushGoesWithTheEditor) {
  skin::TransparencyMode = 1;
  for (const bool listView : {true, false}) {
    SCOPED_TRACE(listView ? "list view" : "tree view");
    if (listView) {
      Make(WC_LISTVIEWA, LVS_LIST | LVS_EDITLABELS, WS_EX_CLIENTEDGE);
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.pszText = const_cast<char*>("item");
      SendMessageA(control, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    } else {
      Make(WC_TREEVIEWA, TVS_EDITLABELS, WS_EX_CLIENTEDGE);
      TVINSERTSTRUCTA insert{};
      insert.hParent = TVI_ROOT;
      insert.hInsertAfter = TVI_LAST;
      insert.item.mask = TVIF_TEXT;
      insert.item.pszText = const_cast<char*>("item");
      const LPARAM item = SendMessageA(control, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
      SendMessageA(control, TVM_SELECTITEM, TVGN_CARET, item);
    }
    Pump();
    const auto open = [&] {
      SetFocus(control);
      const auto editor = reinterpret_cast<HWND>(
          listView ? SendMessageA(control, LVM_EDITLABELA, 0, 0)
                   : SendMessageA(control, TVM_EDITLABELA, 0, SendMessageA(control, TVM_GETNEXTITEM, TVGN_CARET, 0)));
      if (editor != nullptr) UpdateWindow(editor);
      return editor;
    };
    const auto close = [&] {
      if (listView) SendMessageA(control, LVM_CANCELEDITLABEL, 0, 0);
      else SendMessageA(control, TVM_ENDEDITLABELNOW, TRUE, 0);
      Pump();
    };
    // A first round lets the controls make what they keep for good.
    const HWND first = open();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(skin::prop::Read(first, skin::prop::kCtlColourBrush), 0) << "the editor asked for its colours";
    close();
    ASSERT_FALSE(IsWindow(first));

    const DWORD before = quillora_test::GdiObjectCount();
    for (int i = 0; i < 100; ++i) {
      ASSERT_NE(open(), nullptr);
      close();
    }
    EXPECT_EQ(quillora_test::GdiObjectCount(), before);

    const HWND editor = open();
    ASSERT_NE(editor, nullptr);
    const auto brush = skin::prop::ReadHandle<HGDIOBJ>(editor, skin::prop::kCtlColourBrush);
    const auto bitmap = skin::prop::ReadHandle<HGDIOBJ>(editor, skin::prop::kCtlColourBitmap);
    ASSERT_EQ(GetObjectType(brush), static_cast<DWORD>(OBJ_BRUSH));
    control = TestWindow();
    EXPECT_EQ(GetObjectType(brush), 0u) << "gone with the control still editing";
    EXPECT_EQ(GetObjectType(bitmap), 0u);
  }
}

// Each way of scrolling a list box and a tree view with many items, from
// the wheel and the keys to the messages of the native bar: after each,
// the painted bar shows what a fresh paint of it shows. A key scrolls the
// control inside its own procedure, and a control may change its bar in
// any message, so the bar follows only if the procedure looks after the
// message.
TEST_F(ShownListTest, ThePaintedBarFollowsEveryScrollOfAListBoxAndATreeView) {
  skin::TransparencyMode = 1;
  // The bars are compared with a paint without a hot part.
  SetCursorPos(0, 0);
  // As the installer makes its controls: clipped by their siblings, so
  // that neither the ring nor the native bar is drawn over the overlays.
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL;
  TestWindow list = MakeChild(frame, kX, kY, 200, 150, "ListBox", kChild | LBS_NOTIFY, WS_EX_CLIENTEDGE);
  AddItems(list, 80);
  SendMessageA(list, LB_SETCURSEL, 0, 0);
  TestWindow tree =
      MakeChild(frame, 300, kY, 200, 200, WC_TREEVIEWA, kChild | TVS_HASBUTTONS | TVS_LINESATROOT, WS_EX_CLIENTEDGE);
  LPARAM first = 0;
  for (int i = 1; i <= 80; ++i) {
    const std::string text = "node " + std::to_string(i);
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    const LPARAM item = SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    if (i == 1) first = item;
  }
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, first);
  skin::SkinListControls(windowIndex, frame);
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();

  struct Step {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int times;
  };
  const auto wheel = [](int notches) { return static_cast<WPARAM>(MAKEWPARAM(0, notches * WHEEL_DELTA)); };
  const Step steps[] = {
      {"wheel down", WM_MOUSEWHEEL, wheel(-1), 0, 3},
      {"wheel up", WM_MOUSEWHEEL, wheel(1), 0, 1},
      {"down arrow key", WM_KEYDOWN, VK_DOWN, 1, 16},
      {"up arrow key", WM_KEYDOWN, VK_UP, 1, 12},
      {"page down key", WM_KEYDOWN, VK_NEXT, 1, 2},
      {"end key", WM_KEYDOWN, VK_END, 1, 1},
      {"home key", WM_KEYDOWN, VK_HOME, 1, 1},
      {"line down", WM_VSCROLL, SB_LINEDOWN, 0, 2},
      {"page down", WM_VSCROLL, SB_PAGEDOWN, 0, 1},
  };
  for (HWND control : {list.get(), tree.get()}) {
    const int index = control == list.get() ? 1 : 2;
    ASSERT_EQ(List(index).hwnd, control);
    const HWND overlay = List(index).vScrollOverlay;
    ASSERT_NE(overlay, nullptr);
    ASSERT_TRUE(IsWindowVisible(overlay));
    int moved = 0;
    for (const Step& s : steps) {
      for (int n = 1; n <= s.times; ++n) {
        SCOPED_TRACE(testing::Message() << (index == 1 ? "list box, " : "tree view, ") << s.name << " " << n);
        const SCROLLBARINFO before = quillora_test::VBarInfo(control);
        SendMessageA(control, s.message, s.wParam, s.lParam);
        if (s.message == WM_KEYDOWN) SendMessageA(control, WM_KEYUP, s.wParam, s.lParam | 0xC0000000);
        if (quillora_test::ThumbMoved(before, quillora_test::VBarInfo(control))) ++moved;
        Pump();
        EXPECT_TRUE(quillora_test::ShowsAFreshPaint(overlay));
      }
    }
    EXPECT_GE(moved, 12) << "the steps scroll";
  }
}

TEST_F(ShownListTest, AWindowShowsTheRingTheTintedListAndTheCaretRow) {
  skin::TransparencyMode = 1;
  TestWindow list = MakeChild(frame, kX, kY, 200, 150, "ListBox", WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                              WS_EX_CLIENTEDGE);
  AddItems(list, 4);
  TestWindow tree = MakeChild(frame, 300, kY, 200, 200, WC_TREEVIEWA,
                              WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, WS_EX_CLIENTEDGE);
  TVINSERTSTRUCTA insert{};
  insert.hParent = TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>("root");
  const auto root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  insert.hParent = root;
  insert.item.pszText = const_cast<char*>("leaf");
  const auto leaf = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
  SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(leaf));
  skin::SkinListControls(windowIndex, frame);

  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();

  RECT listWindow{};
  GetWindowRect(list, &listWindow);
  const int h = listWindow.bottom - listWindow.top;
  HDC listDc = GetWindowDC(list);
  const std::uint32_t ground = Blend(FrameRgb(kX, kY + h / 2), kWhiteRgb, 160);
  EXPECT_TRUE(NearRgb(ScreenRgb(listDc, 0, h / 2), Blend(ground, 0, 90))) << "the list's ring";
  // The edge shown is exactly the ring kept in the composition.
  const int w = listWindow.right - listWindow.left;
  int differing = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (x >= 2 && y >= 2 && x < w - 2 && y < h - 2) continue;
      if (ScreenRgb(listDc, x, y) != Composed(x, y)) ++differing;
    }
  }
  EXPECT_EQ(differing, 0) << "edge pixels shown unlike the composition";
  RECT item{};
  SendMessageA(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item));
  const int belowX = 20, belowY = item.bottom + 10;
  EXPECT_TRUE(NearRgb(ScreenRgb(listDc, 2 + belowX, 2 + belowY), Blend(FrameRgb(kX + 2 + belowX, kY + 2 + belowY), kWhiteRgb, 160)))
      << "the tinted skin below the items";
  ReleaseDC(list, listDc);

  RECT text{};
  std::memcpy(&text, &leaf, sizeof leaf);  // the item goes in through the rectangle
  ASSERT_TRUE(SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text)));
  HDC treeDc = GetDC(tree);
  const int fx = 300 + 2 + text.left + 1, fy = kY + 2 + text.top + 1;
  EXPECT_TRUE(NearRgb(ScreenRgb(treeDc, text.left + 1, text.top + 1), Blend(FrameRgb(fx, fy), DibRgb(0xFF8800), 120)))
      << "the caret row's fill";
  ReleaseDC(tree, treeDc);
}

TEST_F(ShownListTest, AnIpAddressShowsTheTintedSkinAroundItsFields) {
  skin::TransparencyMode = 1;
  TestWindow ip = MakeChild(frame, kX, kY, 160, 24, WC_IPADDRESSA, WS_CHILD | WS_VISIBLE);
  SendMessageA(ip, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 20));
  skin::SkinListControls(windowIndex, frame);
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();

  RECT window{};
  GetWindowRect(ip, &window);
  const HWND first = FindWindowExA(ip, nullptr, "Edit", nullptr);
  const HWND second = FindWindowExA(ip, first, "Edit", nullptr);
  ASSERT_NE(second, nullptr);
  RECT left{}, right{};
  GetWindowRect(first, &left);
  GetWindowRect(second, &right);
  ASSERT_GT(left.left - window.left, 2);
  ASSERT_GT(right.left, left.right + 1);
  // Beside the first field and between the first two, clear of the
  // control's edge and of the dots near the middle and the bottom.
  const POINT inside[] = {{left.left - window.left - 1, 12}, {left.right - window.left + 1, 5},
                          {right.left - window.left - 1, 5}};
  HDC dc = GetWindowDC(ip);
  for (POINT p : inside) {
    SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
    EXPECT_TRUE(NearRgb(ScreenRgb(dc, p.x, p.y), Blend(FrameRgb(kX + p.x, kY + p.y), kWhiteRgb, 160)));
  }
  ReleaseDC(ip, dc);
}

// Grey font smoothing switched on for the session (not stored), and put
// back as found.
class FontSmoothing {
 public:
  FontSmoothing() {
    SystemParametersInfoA(SPI_GETFONTSMOOTHING, 0, &on_, 0);
    SystemParametersInfoA(SPI_GETFONTSMOOTHINGTYPE, 0, &type_, 0);
    SystemParametersInfoA(SPI_SETFONTSMOOTHING, TRUE, nullptr, 0);
    SystemParametersInfoA(SPI_SETFONTSMOOTHINGTYPE, 0, reinterpret_cast<void*>(FE_FONTSMOOTHINGSTANDARD), 0);
  }
  ~FontSmoothing() {
    SystemParametersInfoA(SPI_SETFONTSMOOTHING, on_, nullptr, 0);
    SystemParametersInfoA(SPI_SETFONTSMOOTHINGTYPE, 0, reinterpret_cast<void*>(static_cast<UINT_PTR>(type_)), 0);
  }
  FontSmoothing(const FontSmoothing&) = delete;
  FontSmoothing& operator=(const FontSmoothing&) = delete;

 private:
  BOOL on_ = FALSE;
  UINT type_ = 0;
};

int Channel(std::uint32_t rgb, int shift) { return static_cast<int>((rgb >> shift) & 0xFF); }

// How far a pixel leans toward magenta (red and blue above green) beyond
// what its ground does.
int MagentaLean(std::uint32_t pixel, std::uint32_t ground) {
  const auto lean = [](std::uint32_t c) { return std::min(Channel(c, 16), Channel(c, 0)) - Channel(c, 8); };
  return lean(pixel) - std::max(0, lean(ground));
}

int Sum(std::uint32_t rgb) { return Channel(rgb, 0) + Channel(rgb, 8) + Channel(rgb, 16); }

// Black text smoothed over a ground darkens it evenly: the largest
// distance of a channel from the ground scaled to the pixel's brightness.
int OffTheGroundsShade(std::uint32_t pixel, std::uint32_t ground) {
  int worst = 0;
  for (int shift : {0, 8, 16}) {
    const int scaled = Channel(ground, shift) * Sum(pixel) / std::max(1, Sum(ground));
    worst = std::max(worst, std::abs(Channel(pixel, shift) - scaled));
  }
  return worst;
}

TEST_F(ShownListTest, ItemTextsReachTheTintWithoutTheColourKey) {
  skin::TransparencyMode = 1;
  const FontSmoothing smoothing;
  const std::uint32_t highlight = DibRgb(GetSysColor(COLOR_HIGHLIGHT));
  const std::uint32_t highlightText = DibRgb(GetSysColor(COLOR_HIGHLIGHTTEXT));
  struct Case {
    const char* name;
    bool simpleCombo;
    bool smoothed;  // else the font is never smoothed
  };
  const Case cases[] = {{"list box, smoothed", false, true},
                        {"simple-combo list, smoothed", true, true},
                        {"list box, crisp", false, false},
                        {"simple-combo list, crisp", true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const rt::UniqueFont font(CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                          c.smoothed ? ANTIALIASED_QUALITY : NONANTIALIASED_QUALITY, DEFAULT_PITCH,
                                          "Tahoma"));
    ASSERT_TRUE(font.get());
    Record().listControls = skin::ControlList<skin::ListControlRecord>();
    TestWindow owner;
    HWND list = nullptr;
    if (c.simpleCombo) {
      owner = MakeChild(frame, kX, kY, 200, 150, "ComboBox", WS_CHILD | WS_VISIBLE | CBS_SIMPLE);
      list = FindWindowExA(owner, nullptr, "ComboLBox", nullptr);
      ASSERT_NE(list, nullptr);
    } else {
      owner = MakeChild(frame, kX, kY, 200, 150, "ListBox", WS_CHILD | WS_VISIBLE | WS_VSCROLL, WS_EX_CLIENTEDGE);
      list = owner;
    }
    SendMessageA(owner, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    for (const char* text : {"item Wg 1", "item Wg 2", "item Wg 3"})
      SendMessageA(owner, c.simpleCombo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageA(owner, c.simpleCombo ? CB_SETCURSEL : LB_SETCURSEL, 1, 0);
    skin::SkinListControls(windowIndex, frame);
    ASSERT_GE(Record().listControls.Find(list), 1);
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();

    RECT selected{};
    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&selected));
    const int rows = 3 * (selected.bottom - selected.top);
    int edges = 0, fringes = 0, lean = 0, offShade = 0, strays = 0;
    for (int y = 0; y < rows; ++y) {
      for (int x = 0; x < 90; ++x) {
        POINT at{x, y};
        MapWindowPoints(list, frame, &at, 1);
        const bool inSelection = y >= selected.top && y < selected.bottom;
        const std::uint32_t ground = inSelection ? highlight : Blend(FrameRgb(at.x, at.y), kWhiteRgb, 160);
        ClientToScreen(frame, &at);
        const std::uint32_t pixel = quillora_test::WindowSurfaceRgb(frame, at.x, at.y);
        lean = std::max(lean, MagentaLean(pixel, ground));
        fringes += MagentaLean(pixel, ground) > 24 ? 1 : 0;
        if (!c.smoothed) {
          // Text or ground, nothing between.
          const bool text = pixel == (inSelection ? highlightText : 0u);
          strays += text || (inSelection ? pixel == highlight : static_cast<bool>(NearRgb(pixel, ground))) ? 0 : 1;
        } else if (!inSelection && Sum(pixel) > Sum(ground) / 5 && Sum(pixel) < Sum(ground) * 4 / 5) {
          ++edges;
          offShade = std::max(offShade, OffTheGroundsShade(pixel, ground));
        }
      }
    }
    EXPECT_EQ(fringes, 0) << "pixels leaning toward the key, the most by " << lean;
    if (c.smoothed) {
      EXPECT_GT(edges, 20) << "the texts are smoothed";
      EXPECT_LE(offShade, 12) << "edges are the tint darkened";
    } else {
      EXPECT_EQ(strays, 0) << "pixels neither text nor ground";
    }
  }
}

}  // namespace
