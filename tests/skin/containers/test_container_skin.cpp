// The container skin: installing and removing containers, and what the
// container procedure does with its own and its children's messages.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "skin/containers/container_skin.h"
#include "skin/containers/control_skin.h"
#include "skin/core/control_brush.h"
#include "skin/core/control_font.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/engine/control_skin_calls.h"
#include "tests/skin/buttons/button_test_env.h"
#include "tests/skin/core/composed_frame.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::MakeChild;
using quillora_test::MakePopup;
using quillora_test::TestWindow;

constexpr LRESULT kPassedOn = 0x5A5A;

LONG_PTR ProcOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWLP_WNDPROC); }

template <class Proc>
LONG_PTR AsLong(Proc proc) {
  return reinterpret_cast<LONG_PTR>(proc);
}

INT_PTR Prop(HWND hwnd, const char* name) { return skin::prop::Read(hwnd, name); }

// The "native" procedure of the windows under test: it notes every
// message it gets and answers those a container passes on with a marker.
std::vector<UINT> g_seen;
WNDPROC g_static = nullptr;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  g_seen.push_back(message);
  switch (message) {
    case WM_PAINT:
    case WM_DRAWITEM:
    case WM_NOTIFY:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (message == WM_PAINT) ValidateRect(hwnd, nullptr);
      return kPassedOn;
    default:
      return CallWindowProcA(g_static, hwnd, message, wParam, lParam);
  }
}

int Seen(UINT message) { return static_cast<int>(std::count(g_seen.begin(), g_seen.end(), message)); }

// A "Static" whose own procedure is RecordingProc.
TestWindow MakeRecordingChild(HWND parent, int x, int y, int w, int h) {
  TestWindow window = MakeChild(parent, x, y, w, h);
  g_static = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, AsLong(&RecordingProc)));
  return window;
}

class ContainerSkinTest : public ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    g_seen.clear();
    savedTransparency = skin::TransparencyMode;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
  }
  void TearDown() override {
    skin::TransparencyMode = savedTransparency;
    skin::SkinChildControls = 1;
    ComposedFrameTest::TearDown();
  }

  skin::ContainerRecord& Container(HWND hwnd) {
    return Record().containers.At(static_cast<int>(Prop(hwnd, skin::prop::kIndex)));
  }

  int savedTransparency = 0;
};

TEST_F(ContainerSkinTest, GroupBoxGivenToSkinControlIsAPaintedContainerAboveTheControlSkin) {
  TestWindow group = MakeChild(frame, 20, 30, 213, 224, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  TestWindow first = MakeChild(group, 12, 24, 150, 20, "Button", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX);
  TestWindow second = MakeChild(group, 12, 54, 150, 20, "Button", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX);
  const LONG_PTR native = ProcOf(group);

  skin::SkinControl(group);

  EXPECT_EQ(ProcOf(group), AsLong(skin::ContainerSkinProc));
  EXPECT_EQ(Prop(group, skin::prop::kOldProc), AsLong(skin::ControlSkinProc))
      << "messages pass the container, then the control skin";
  EXPECT_EQ(Prop(group, skin::prop::kControlOldProc), native);
  ASSERT_EQ(Record().containers.Count(), 1);
  const skin::ContainerRecord& record = Record().containers.At(1);
  EXPECT_EQ(record.hwnd, group.get());
  EXPECT_EQ(record.kind, skin::ContainerKind::GroupBox);
  EXPECT_EQ(record.paintMode, 1) << "forced although the control call passes 0";
  EXPECT_EQ(record.redraw, 1);
  EXPECT_EQ(record.alpha, 0) << "the control call's tint alpha";
  EXPECT_EQ(record.width, 213);
  EXPECT_EQ(record.height, 224);
  const skin::FontSpec font = skin::GetControlFont(group);
  EXPECT_EQ(record.font.face, font.face);
  EXPECT_EQ(record.font.size, font.size);
  EXPECT_EQ(record.font.style, font.style);
  EXPECT_EQ(Prop(group, skin::prop::kIndex), 1);
  EXPECT_EQ(Prop(group, skin::prop::kHostIndex), windowIndex);
  EXPECT_EQ(Prop(group, skin::prop::kPanelAncestor), 0);

  for (HWND box : {first.get(), second.get()}) {
    const int index = Record().buttons.Find(box);
    ASSERT_GT(index, 0) << "the group box's check boxes are in the host's list";
    EXPECT_EQ(Record().buttons.At(index).kind, skin::ButtonKind::CheckBox);
    EXPECT_EQ(Prop(box, skin::prop::kHostIndex), windowIndex);
  }
}

TEST_F(ContainerSkinTest, KindAndPaintModeFollowTheClassAndStyle) {
  struct Case {
    const char* className;
    DWORD style;
    std::optional<int> paintMode;
    skin::ContainerKind kind;
    int expectedMode;
  };
  const Case cases[] = {
      {"Button", BS_GROUPBOX, 0, skin::ContainerKind::GroupBox, 1},
      {"Button", BS_RADIOBUTTON, 0, skin::ContainerKind::GroupBox, 1},
      {"Button", BS_AUTO3STATE, std::nullopt, skin::ContainerKind::GroupBox, 1},
      {"Button", BS_PUSHBUTTON, 0, skin::ContainerKind::Plain, 0},
      {WC_TABCONTROLA, 0, 0, skin::ContainerKind::TabControl, 1},
      {"Static", 0, 0, skin::ContainerKind::Plain, 0},
      {"Static", 0, std::nullopt, skin::ContainerKind::Plain, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.className) + " style " + std::to_string(c.style));
    TestWindow container = MakeChild(frame, 10, 10, 200, 150, c.className, WS_CHILD | WS_VISIBLE | c.style);
    TestWindow inner = MakeChild(container, 5, 20, 50, 20);
    skin::InstallContainerSkin(container, c.paintMode, 0x123456, 300, 1);
    const skin::ContainerRecord& record = Container(container);
    EXPECT_EQ(record.kind, c.kind);
    EXPECT_EQ(record.paintMode, c.expectedMode);
    EXPECT_EQ(record.tintColour, 0x123456u);
    EXPECT_EQ(record.alpha, 300 & 0xFF);
    EXPECT_EQ(record.border, 1);
    EXPECT_EQ(record.font.face.empty(), c.kind == skin::ContainerKind::Plain);
  }
  EXPECT_TRUE(skin::IsGroupBox(MakeChild(frame, 0, 0, 9, 9, "Button", WS_CHILD | BS_3STATE)));
  EXPECT_FALSE(skin::IsGroupBox(MakeChild(frame, 0, 0, 9, 9, "Button", WS_CHILD | BS_CHECKBOX)));
  EXPECT_FALSE(skin::IsGroupBox(MakeChild(frame, 0, 0, 9, 9, "Static", WS_CHILD | BS_GROUPBOX)));
}

TEST_F(ContainerSkinTest, PlainContainerOfTheControlCallLeavesItsPaintingToItsOwnProcedure) {
  TestWindow plain = MakeRecordingChild(frame, 10, 10, 200, 150);
  TestWindow inner = MakeChild(plain, 5, 5, 50, 20);
  skin::SkinControl(plain);
  ASSERT_EQ(Container(plain).paintMode, 0);
  EXPECT_EQ(Container(plain).kind, skin::ContainerKind::Plain);
  EXPECT_EQ(SendMessageA(plain, WM_PAINT, 0, 0), kPassedOn);
  EXPECT_EQ(Seen(WM_PAINT), 1);

  // The erase is the skin's in either paint mode.
  const HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SendMessageA(plain, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  TestWindow group = MakeChild(frame, 220, 10, 200, 150, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  skin::InstallContainerSkin(group);
  SetBkMode(dc, OPAQUE);
  EXPECT_EQ(SendMessageA(group, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  DeleteDC(dc);
}

TEST_F(ContainerSkinTest, InstallingTwiceOrOutsideASkinnedWindowAddsNothing) {
  TestWindow group = MakeChild(frame, 10, 10, 200, 150, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  skin::InstallContainerSkin(group);
  skin::InstallContainerSkin(group, 0, 0xFF);
  EXPECT_EQ(Record().containers.Count(), 1);
  EXPECT_NE(Prop(group, skin::prop::kOldProc), AsLong(skin::ContainerSkinProc))
      << "a second subclassing would make the procedure call itself";

  TestWindow loose = MakePopup(0, 0, 100, 100, nullptr, WS_POPUP);
  TestWindow outside = MakeChild(loose, 0, 0, 50, 50, "Button", WS_CHILD | BS_GROUPBOX);
  const LONG_PTR native = ProcOf(outside);
  skin::InstallContainerSkin(outside);
  EXPECT_EQ(ProcOf(outside), native);
  EXPECT_EQ(Prop(outside, skin::prop::kIndex), 0);
}

TEST_F(ContainerSkinTest, RemovalRenumbersAndAnEmptiedListTakesTheNextContainerAtOne) {
  TestWindow a = MakeChild(frame, 10, 10, 100, 80, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  TestWindow b = MakeChild(frame, 120, 10, 100, 80, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  TestWindow c = MakeChild(frame, 230, 10, 100, 80, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  const LONG_PTR nativeB = ProcOf(b);
  for (HWND w : {a.get(), b.get(), c.get()}) skin::InstallContainerSkin(w);
  ASSERT_EQ(Prop(c, skin::prop::kIndex), 3);

  skin::RemoveContainerRecord(windowIndex, 2);
  EXPECT_EQ(ProcOf(b), nativeB) << "the removed container has its procedure back";
  ASSERT_EQ(Record().containers.Count(), 2);
  EXPECT_EQ(Record().containers.At(2).hwnd, c.get());
  EXPECT_EQ(Prop(a, skin::prop::kIndex), 1);
  EXPECT_EQ(Prop(c, skin::prop::kIndex), 2);

  skin::RemoveContainerRecord(windowIndex, 5);  // outside the list: nothing
  skin::RemoveContainerRecord(windowIndex + 3, 1);
  EXPECT_EQ(Record().containers.Count(), 2);

  // A destroyed container removes its own record.
  c = TestWindow();
  ASSERT_EQ(Record().containers.Count(), 1);
  skin::RemoveContainerRecord(windowIndex, 1);
  EXPECT_EQ(Record().containers.Count(), 0);
  TestWindow d = MakeChild(frame, 10, 100, 100, 80, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  skin::InstallContainerSkin(d);
  ASSERT_EQ(Record().containers.Count(), 1);
  EXPECT_EQ(Prop(d, skin::prop::kIndex), 1);
  EXPECT_EQ(skin::IsContainerOf(windowIndex, d), 1);
  EXPECT_EQ(skin::IsContainerOf(windowIndex, a), 0);
}

TEST_F(ContainerSkinTest, RedrawFlagsFollowTheContainersAndTheHostsState) {
  TestWindow group = MakeChild(frame, 10, 10, 213, 224, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  TestWindow box = MakeChild(group, 12, 24, 150, 20, "Button", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX);
  TestWindow tab = MakeChild(frame, 240, 10, 200, 150, WC_TABCONTROLA, WS_CHILD | WS_VISIBLE);
  TestWindow arrows = MakeChild(tab, 150, 2, 30, 18);
  TestWindow strayTab = MakeChild(frame, 240, 200, 200, 150, WC_TABCONTROLA, WS_CHILD | WS_VISIBLE);
  skin::InstallContainerSkin(group);
  skin::InstallContainerSkin(tab);
  const HDC dc = CreateCompatibleDC(nullptr);
  const auto send = [](HWND to, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return [=] { SendMessageA(to, message, wParam, lParam); };
  };
  const auto notify = [&group](HWND from, UINT code) {
    return [&group, from, code] {
      NMHDR header{from, 0, code};
      SendMessageA(group, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
    };
  };

  struct Row {
    const char* what;
    int moving, sizing, active;  // the host's state
    int startRedraw;
    std::function<void()> act;
    HWND watched;
    int redraw, childChanged;
  };
  const Row rows[] = {
      {"shown", 0, 0, 0, 0, send(group, WM_SHOWWINDOW, 1), group, 1, 0},
      {"hidden", 0, 0, 0, 0, send(group, WM_SHOWWINDOW, 0), group, 0, 0},
      {"moved", 0, 0, 0, 0, send(group, WM_MOVE), group, 1, 1},
      {"sized", 0, 0, 0, 0, send(group, WM_SIZE), group, 1, 0},
      {"erased in an active host", 0, 0, 1, 0, send(group, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), group, 1, 0},
      {"erased in an inactive host", 0, 0, 0, 0, send(group, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), group, 0, 0},
      {"erased while the host is dragged", 1, 0, 1, 0, send(group, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), group, 0, 0},
      {"erased while the host is sized", 1, 1, 0, 0, send(group, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), group, 0, 0},
      {"erase keeps a dirty container dirty", 0, 0, 0, 1, send(group, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)), group, 1, 0},
      {"tab selection changing", 0, 0, 0, 0, notify(tab, TCN_SELCHANGING), tab, 1, 0},
      {"tab scroll arrows", 0, 0, 0, 0, notify(arrows, UDN_DELTAPOS), tab, 1, 0},
      {"child moved", 0, 0, 0, 0, [&box] { SetWindowPos(box, nullptr, 14, 26, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }, group, 0, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    for (skin::ContainerRecord& record : Record().containers) {
      record.redraw = row.startRedraw;
      record.childChanged = 0;
    }
    Record().moving = row.moving;
    Record().sizing = row.sizing;
    Record().active = row.active;
    row.act();
    EXPECT_EQ(Container(row.watched).redraw, row.redraw);
    EXPECT_EQ(Container(row.watched).childChanged, row.childChanged);
  }
  // A tab control that is no registered container changes nothing.
  for (skin::ContainerRecord& record : Record().containers) record.redraw = 0;
  notify(strayTab, TCN_SELCHANGING)();
  for (const skin::ContainerRecord& record : Record().containers) EXPECT_EQ(record.redraw, 0);
  DeleteDC(dc);
}

TEST_F(ContainerSkinTest, SizingReLaysOutOnlyAnchoredChildren) {
  TestWindow group = MakeChild(frame, 10, 10, 300, 200, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  TestWindow wide = MakeChild(group, 50, 40, 20, 20);
  TestWindow inset = MakeChild(group, 50, 80, 20, 20);
  TestWindow loose = MakeChild(group, 50, 120, 20, 20);
  skin::InstallContainerSkin(group);
  SendMessageA(group, WM_SIZE, 0, MAKELPARAM(300, 200));
  const auto placedAt = [](HWND child, RECT expected) {
    const RECT r = skin::GetRectInParentClient(child);
    return EqualRect(&r, &expected) != FALSE;
  };
  EXPECT_TRUE(placedAt(wide, {50, 40, 70, 60})) << "the one empty anchor moves nothing";

  auto& anchors = Container(group).anchors;
  anchors.push_back({wide, 30, 0, 1});
  anchors.push_back({inset, 60, 8, 0});
  SendMessageA(group, WM_SIZE, 0, MAKELPARAM(300, 200));
  EXPECT_TRUE(placedAt(wide, {2, 30, 298, 200})) << "full width";
  EXPECT_TRUE(placedAt(inset, {8, 60, 298, 198}));
  EXPECT_TRUE(placedAt(loose, {50, 120, 70, 140}));
}

TEST_F(ContainerSkinTest, DrawItemGoesToTheRouterOnlyForSkinnedControls) {
  TestWindow group = MakeRecordingChild(frame, 10, 10, 213, 224);
  TestWindow push = MakeChild(group, 20, 20, 82, 26, "Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
  skin::InstallContainerSkin(group);
  ASSERT_GT(Record().buttons.Find(push), 0);
  TestWindow unlisted = MakeChild(group, 20, 60, 82, 26, "Button", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);

  skin::CachedDc image = skin::CreateDibDc({0, 0, 82, 26});
  quillora_test::Fill(image.get(), 82, 26, 0x123456);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = push;
  item.hDC = image.get();
  item.rcItem = {0, 0, 82, 26};
  EXPECT_EQ(SendMessageA(group, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), 1);
  EXPECT_EQ(Seen(WM_DRAWITEM), 0);
  EXPECT_NE(quillora_test::Rgb(image.get(), 41, 13), 0x123456u) << "the push-button painter drew";

  item.hwndItem = unlisted;
  EXPECT_EQ(SendMessageA(group, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), kPassedOn);
  EXPECT_EQ(Seen(WM_DRAWITEM), 1);
}

TEST_F(ContainerSkinTest, ColourMessagesGetPatternBrushesOnlyWhereTheSkinShows) {
  TestWindow group = MakeRecordingChild(frame, 10, 10, 300, 250);
  TestWindow edit = MakeChild(group, 10, 10, 120, 24, "Edit", WS_CHILD | WS_VISIBLE);
  TestWindow label = MakeChild(group, 10, 40, 120, 20);
  TestWindow list = MakeChild(group, 10, 70, 120, 60, "ListBox", WS_CHILD | WS_VISIBLE);
  TestWindow button = MakeChild(group, 10, 140, 120, 24, "Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
  TestWindow combo = MakeChild(group, 150, 10, 120, 200, "ComboBox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN);
  skin::InstallContainerSkin(group);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  skin::prop::Write(label, skin::prop::kTextColour, 0x0000FF);
  skin::prop::Write(label, skin::prop::kDisabledTextColour, 0x606060);

  const HDC dc = CreateCompatibleDC(nullptr);
  const auto ask = [&](UINT message, HWND control) {
    return SendMessageA(group, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  };

  skin::TransparencyMode = 1;
  const LRESULT first = ask(WM_CTLCOLORSTATIC, label);
  ASSERT_NE(first, kPassedOn);
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(Prop(label, skin::prop::kCtlColourBrush), first);
  const auto firstBitmap = reinterpret_cast<HGDIOBJ>(Prop(label, skin::prop::kCtlColourBitmap));
  EXPECT_EQ(GetObjectType(firstBitmap), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(GetTextColor(dc), 0x0000FFu);
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  EnableWindow(label, FALSE);
  const LRESULT second = ask(WM_CTLCOLORSTATIC, label);
  EXPECT_EQ(GetTextColor(dc), 0x606060u) << "a disabled control's text colour";
  EXPECT_EQ(Prop(label, skin::prop::kCtlColourBrush), second);
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), 0u) << "the previous brush is deleted";
  EXPECT_EQ(GetObjectType(firstBitmap), 0u) << "and its bitmap";

  EXPECT_NE(ask(WM_CTLCOLOREDIT, edit), kPassedOn);
  EXPECT_EQ(ask(WM_CTLCOLOREDIT, info.hwndItem), kPassedOn) << "a combo box's edit field";
  const LRESULT listBrush = ask(WM_CTLCOLORLISTBOX, list);
  EXPECT_EQ(Prop(list, skin::prop::kCtlColourBrush), listBrush);
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(listBrush)), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(Prop(list, skin::prop::kCtlColourBitmap), 0) << "a list's bitmap goes with its brush made";
  // A list asks on every paint of its items.
  const LRESULT nextListBrush = ask(WM_CTLCOLORLISTBOX, list);
  EXPECT_EQ(Prop(list, skin::prop::kCtlColourBrush), nextListBrush);
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(listBrush)), 0u) << "the list's previous brush is deleted";
  EXPECT_EQ(ask(WM_CTLCOLORBTN, button), reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));

  skin::TransparencyMode = 0;
  for (auto [message, control] : {std::pair{WM_CTLCOLOREDIT, edit.get()}, std::pair{WM_CTLCOLORSTATIC, label.get()},
                                  std::pair{WM_CTLCOLORBTN, button.get()}}) {
    EXPECT_EQ(ask(message, control), kPassedOn) << message;
  }
  EXPECT_NE(ask(WM_CTLCOLORLISTBOX, list), kPassedOn) << "list boxes are brushed in any mode";

  skin::TransparencyMode = 1;
  skin::SkinChildControls = 0;
  EXPECT_EQ(ask(WM_CTLCOLORSTATIC, label), kPassedOn);
  skin::SkinChildControls = 1;
  skin::DeleteControlBrush(label);
  skin::DeleteControlBrush(edit);
  skin::DeleteControlBrush(list);
  DeleteDC(dc);
}

TEST_F(ContainerSkinTest, DroppedComboListIsMadeTranslucentAndListedOnce) {
  TestWindow group = MakeRecordingChild(frame, 10, 10, 300, 250);
  TestWindow combo = MakeChild(group, 10, 10, 120, 200, "ComboBox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST);
  skin::InstallContainerSkin(group);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  ASSERT_EQ(GetAncestor(info.hwndList, GA_PARENT), GetDesktopWindow());
  skin::TransparencyMode = 1;
  const std::size_t owners = skin::BrushOwners.size();
  const HDC dc = CreateCompatibleDC(nullptr);
  for (int i = 0; i < 5; ++i)
    SendMessageA(group, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(info.hwndList));
  EXPECT_EQ(skin::BrushOwners.size(), owners + 1) << "the list is listed once, not once per paint";
  EXPECT_TRUE(GetWindowLongPtrA(info.hwndList, GWL_EXSTYLE) & WS_EX_LAYERED);
  skin::BrushOwners.erase(std::remove(skin::BrushOwners.begin(), skin::BrushOwners.end(), info.hwndList),
                          skin::BrushOwners.end());
  skin::DeleteControlBrush(info.hwndList);
  DeleteDC(dc);
}

TEST_F(ContainerSkinTest, AWindowWhosePropertiesNameNoRecordOfItIsPassedOn) {
  TestWindow group = MakeChild(frame, 10, 10, 213, 224, "Button", WS_CHILD | WS_VISIBLE | BS_GROUPBOX);
  skin::InstallContainerSkin(group);
  Container(group).redraw = 0;
  for (INT_PTR listIndex : {INT_PTR{1}, INT_PTR{7}}) {
    TestWindow impostor = MakeRecordingChild(frame, 300, 10, 100, 100);
    skin::prop::Write(impostor, skin::prop::kOldProc, ProcOf(impostor));
    skin::prop::Write(impostor, skin::prop::kHostIndex, windowIndex);
    skin::prop::Write(impostor, skin::prop::kIndex, listIndex);
    SetWindowLongPtrA(impostor, GWLP_WNDPROC, AsLong(skin::ContainerSkinProc));
    g_seen.clear();
    EXPECT_EQ(SendMessageA(impostor, WM_PAINT, 0, 0), kPassedOn);
    SendMessageA(impostor, WM_SIZE, 0, 0);
    SendMessageA(impostor, WM_SHOWWINDOW, 1, 0);
    EXPECT_EQ(Seen(WM_PAINT), 1);
    EXPECT_EQ(Seen(WM_SIZE), 1);
    EXPECT_EQ(Seen(WM_SHOWWINDOW), 1);
    EXPECT_EQ(Container(group).redraw, 0) << "another window's record is left alone";
  }
}

}  // namespace
