// What a main frame does for its direct children: colours and brushes
// with translucency on and off, owner-draw routing, menu commands, repaints
// after notifications, tab containers; and that the brushes it hands out
// all go again.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "skin/core/control_brush.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/frames/main_frame_compose.h"
#include "tests/skin/frames/frame_proc_fixture.h"
#include "tests/support/gdi_object_count.h"

namespace {

using quillora_test::ListControl;
using quillora_test::MakeChild;
using quillora_test::Recorded;
using quillora_test::RecordedMessages;
using quillora_test::TestWindow;

bool IsLive(HGDIOBJ object) { return GetObjectType(object) != 0; }

class ChildServicesTest : public quillora_test::FrameProcTest {
 protected:
  ChildServicesTest() {
    skin::SkinChildControls = 1;
    skin::TransparencyMode = 1;
    skin::BrushOwners.clear();
    skin::MenuTable.clear();
    dc_ = CreateCompatibleDC(nullptr);
  }
  ~ChildServicesTest() override {
    DeleteDC(dc_);
    skin::BrushOwners.clear();
    skin::MenuTable.clear();
    skin::SkinChildControls = 0;
    skin::TransparencyMode = 0;
  }

  LRESULT Colour(HWND frame, UINT message, HWND control) {
    return SendMessageA(frame, message, reinterpret_cast<WPARAM>(dc_), reinterpret_cast<LPARAM>(control));
  }
  static INT_PTR BrushOf(HWND control) { return skin::prop::Read(control, skin::prop::kCtlColourBrush); }

  HDC dc_ = nullptr;
};

// Translucency on: the skin brush with the control's text colour; off: the
// saved procedure answers.
TEST_F(ChildServicesTest, EditsAndStaticsGetTheSkinBrushAndTheirTextColour) {
  TestWindow frame = Frame();
  for (const char* cls : {"Edit", "Static"}) {
    const UINT message = cls[0] == 'E' ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    SCOPED_TRACE(cls);
    TestWindow control = MakeChild(frame, 20, 60, 120, 24, cls);
    skin::prop::Write(control, skin::prop::kTextColour, 0x112233);
    skin::prop::Write(control, skin::prop::kDisabledTextColour, 0x445566);
    const HBRUSH previous = CreateSolidBrush(0x0000FF);
    skin::prop::WriteHandle(control, skin::prop::kCtlColourBrush, previous);

    const LRESULT brush = Colour(frame, message, control);
    EXPECT_NE(brush, 0);
    EXPECT_EQ(brush, BrushOf(control));
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(brush)), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_FALSE(IsLive(previous)) << "the previous brush is deleted";
    EXPECT_EQ(GetTextColor(dc_), 0x112233u);
    EXPECT_EQ(GetBkMode(dc_), TRANSPARENT);
    EnableWindow(control, FALSE);
    const LRESULT next = Colour(frame, message, control);
    EXPECT_EQ(GetTextColor(dc_), 0x445566u);
    EXPECT_FALSE(IsLive(reinterpret_cast<HGDIOBJ>(brush)));
    EXPECT_TRUE(IsLive(reinterpret_cast<HGDIOBJ>(next)));
    EXPECT_TRUE(Recorded(message).empty());

    skin::TransparencyMode = 0;
    Colour(frame, message, control);
    EXPECT_EQ(Recorded(message).size(), 1u) << "without translucency the saved procedure answers";
    EXPECT_EQ(BrushOf(control), next);
    skin::TransparencyMode = 1;
    skin::DeleteControlBrush(control);
  }
}

TEST_F(ChildServicesTest, ListBoxesAreBrushedEvenWithoutTranslucency) {
  TestWindow frame = Frame();
  TestWindow list = MakeChild(frame, 20, 60, 120, 80, "ListBox", WS_CHILD | WS_VISIBLE);
  skin::prop::Write(list, skin::prop::kTextColour, 0x010203);
  skin::TransparencyMode = 0;
  EXPECT_NE(Colour(frame, WM_CTLCOLORLISTBOX, list), 0);
  EXPECT_EQ(GetTextColor(dc_), 0x010203u);
  EXPECT_TRUE(Recorded(WM_CTLCOLORLISTBOX).empty());
  skin::SkinChildControls = 0;
  Colour(frame, WM_CTLCOLORLISTBOX, list);
  EXPECT_EQ(Recorded(WM_CTLCOLORLISTBOX).size(), 1u);
  skin::DeleteControlBrush(list);
}

TEST_F(ChildServicesTest, ACombosEditAndAnUnskinnedOwnerDrawnItemGoToTheSavedProcedure) {
  TestWindow frame = Frame();
  TestWindow combo = MakeChild(frame, 20, 60, 120, 200, "ComboBox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  ASSERT_NE(info.hwndItem, nullptr);
  Colour(frame, WM_CTLCOLOREDIT, info.hwndItem);
  EXPECT_EQ(Recorded(WM_CTLCOLOREDIT).size(), 1u);
  EXPECT_EQ(BrushOf(info.hwndItem), 0);

  TestWindow button = MakeChild(frame, 200, 60, 80, 24, "Button", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = button;
  item.hDC = dc_;
  item.rcItem = {0, 0, 80, 24};
  SendMessageA(frame, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(Recorded(WM_DRAWITEM).size(), 1u);
  // Listed as a skinned control, it is routed and answered here.
  skin::prop::Write(button, skin::prop::kHostIndex, 1);
  skin::prop::Write(button, skin::prop::kIndex, 1);
  EXPECT_EQ(SendMessageA(frame, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
  EXPECT_EQ(Recorded(WM_DRAWITEM).size(), 1u);
}

// The stock brush in "Kj_dxjb" outlives any later delete.
TEST_F(ChildServicesTest, ButtonsGetTheHollowBrush) {
  TestWindow frame = Frame();
  TestWindow button = MakeChild(frame, 20, 60, 80, 24, "Button");
  const HBRUSH previous = CreateSolidBrush(0x00FF00);
  skin::prop::WriteHandle(button, skin::prop::kCtlColourBrush, previous);
  const HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
  EXPECT_EQ(Colour(frame, WM_CTLCOLORBTN, button), reinterpret_cast<LRESULT>(hollow));
  EXPECT_EQ(BrushOf(button), reinterpret_cast<INT_PTR>(hollow));
  EXPECT_FALSE(IsLive(previous));
  Colour(frame, WM_CTLCOLORBTN, button);
  EXPECT_TRUE(IsLive(hollow));
  skin::TransparencyMode = 0;
  Colour(frame, WM_CTLCOLORBTN, button);
  EXPECT_EQ(Recorded(WM_CTLCOLORBTN).size(), 1u);
}

// An open drop-down list is made translucent and listed once, however
// often it asks for its colours.
TEST_F(ChildServicesTest, ADropDownListIsMadeTranslucentAndListedOnce) {
  TestWindow frame = Frame();
  TestWindow combo = MakeChild(frame, 20, 60, 120, 200, "ComboBox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  const HWND list = info.hwndList;
  ASSERT_EQ(GetParent(list), GetDesktopWindow()) << "the drop-down list lives on the desktop";
  const LRESULT first = Colour(frame, WM_CTLCOLORLISTBOX, list);
  const LRESULT second = Colour(frame, WM_CTLCOLORLISTBOX, list);
  EXPECT_NE(second, 0);
  EXPECT_FALSE(IsLive(reinterpret_cast<HGDIOBJ>(first)));
  EXPECT_EQ(skin::BrushOwners, std::vector<HWND>{list});
  BYTE alpha = 0;
  COLORREF key = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(list, &key, &alpha, &flags));
  EXPECT_EQ(alpha, 220);
  EXPECT_EQ(key, 0xFF00FFu);
  // A theme change drops it.
  skin::DropControlBrushes(frame);
  EXPECT_FALSE(IsLive(reinterpret_cast<HGDIOBJ>(second)));
  EXPECT_TRUE(skin::BrushOwners.empty());
}

std::vector<INT_PTR> MenuCalls;
INT_PTR WINAPI MenuRoutine(INT_PTR item) {
  MenuCalls.push_back(item);
  return 0;
}

TEST_F(ChildServicesTest, MenuCommandsCallTheirMenusRoutineWithTheItem) {
  TestWindow frame = Frame();
  for (int i = 0; i < 2; ++i) skin::MenuTable.push_back(std::make_unique<skin::MenuRecord>());
  skin::MenuTable[1]->routine = reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&MenuRoutine));
  MenuCalls.clear();
  for (WPARAM command : {WPARAM{20003}, WPARAM{9999}, WPARAM{3}, WPARAM{10003}, WPARAM{30001}}) {
    SendMessageA(frame, WM_COMMAND, command, 0);
  }
  EXPECT_EQ(MenuCalls, std::vector<INT_PTR>{3}) << "menu 1 has no routine, menu 3 does not exist";
  EXPECT_EQ(Recorded(WM_COMMAND).size(), 5u);
}

bool HasUpdate(HWND window) {
  RECT r{};
  return GetUpdateRect(window, &r, FALSE) != 0;
}

TEST_F(ChildServicesTest, NotificationsRepaintTheChildWhoseLookChanged) {
  TestWindow frame = Frame();
  TestWindow edit = MakeChild(frame, 20, 60, 120, 24, "Edit");
  TestWindow list = MakeChild(frame, 20, 100, 120, 80, "ListBox");
  struct Case {
    HWND control;
    WORD code;
    bool repaints;
  };
  // The edit carries no "Hw_FuID", or one outside the table: only the
  // invalidation happens.
  skin::prop::Write(edit, skin::prop::kHostIndex, 9);
  skin::prop::Write(edit, skin::prop::kIndex, 4);
  const Case cases[] = {{edit, EN_CHANGE, true},       {edit, EN_UPDATE, true},  {edit, EN_SETFOCUS, false},
                        {list, LBN_SELCHANGE, true},   {list, LBN_SELCANCEL, true}, {list, LBN_DBLCLK, false}};
  for (const Case& c : cases) {
    ValidateRect(c.control, nullptr);
    SendMessageA(frame, WM_COMMAND, MAKEWPARAM(1, c.code), reinterpret_cast<LPARAM>(c.control));
    EXPECT_EQ(HasUpdate(c.control), c.repaints) << c.code;
  }
  skin::TransparencyMode = 0;
  ValidateRect(edit, nullptr);
  SendMessageA(frame, WM_COMMAND, MAKEWPARAM(1, EN_CHANGE), reinterpret_cast<LPARAM>(edit.get()));
  EXPECT_FALSE(HasUpdate(edit));
}

TEST_F(ChildServicesTest, ATabAboutToChangeItsPageMarksItsContainer) {
  TestWindow frame = Frame();
  TestWindow tab = MakeChild(frame, 20, 60, 300, 200, "SysTabControl32");
  TestWindow arrows = MakeChild(tab, 250, 2, 40, 20, "msctls_updown32");
  TestWindow plainTab = MakeChild(frame, 20, 280, 300, 100, "SysTabControl32");
  ASSERT_NE(tab.get(), nullptr);
  ASSERT_NE(arrows.get(), nullptr);
  skin::SkinWindowRecord& r = Record(frame);
  const int index = ListControl(r.containers, tab, 1);
  auto notify = [&](HWND from, UINT code) {
    NMHDR header{from, 0, code};
    SendMessageA(frame, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  };
  notify(tab, TCN_SELCHANGING);
  EXPECT_EQ(r.containers.At(index).redraw, 1);
  r.containers.At(index).redraw = 0;
  notify(arrows, UDN_DELTAPOS);
  EXPECT_EQ(r.containers.At(index).redraw, 1);
  r.containers.At(index).redraw = 0;
  notify(plainTab, TCN_SELCHANGING);  // not a registered container
  notify(tab, TCN_SELCHANGE);
  EXPECT_EQ(r.containers.At(index).redraw, 0);
  EXPECT_EQ(Recorded(WM_NOTIFY).size(), 4u);
  SendMessageA(frame, WM_NOTIFY, 0, 0);  // no header: passed on
  EXPECT_EQ(Recorded(WM_NOTIFY).size(), 5u);
}

// A child destroyed before its frame takes the brush and bitmap it was
// given with it, a combo box its drop-down list's: a frame that outlives
// many of its children does not keep their pairs.
TEST_F(ChildServicesTest, ChildrenDestroyedBeforeTheFrameTakeTheirBrushesWithThem) {
  TestWindow frame = Frame(WS_MINIMIZEBOX, false);
  skin::ComposeMainFrame(skin::SkinWindowTable.Count(), false);
  struct Case {
    const char* name;
    const char* cls;
    DWORD style;
  };
  const Case cases[] = {
      {"edit", "Edit", 0},
      {"label", "Static", 0},
      {"list box", "ListBox", 0},
      {"drop-down list of a combo box", "ComboBox", CBS_DROPDOWNLIST},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto round = [&] {
      TestWindow child = MakeChild(frame, 20, 60, 120, 80, c.cls, WS_CHILD | WS_VISIBLE | c.style);
      HWND asking = child;
      COMBOBOXINFO info{};
      info.cbSize = sizeof info;
      if (GetComboBoxInfo(child, &info)) asking = info.hwndList;
      // Its paint asks the frame for its colours.
      SendMessageA(asking, WM_PAINT, 0, 0);
      ASSERT_NE(BrushOf(asking), 0) << "the child asked for its colours";
    };
    round();  // first-use allocations of the system and the engine
    const DWORD before = quillora_test::GdiObjectCount();
    for (int i = 0; i < 100; ++i) {
      round();
      if (HasFatalFailure()) return;
    }
    EXPECT_EQ(quillora_test::GdiObjectCount(), before);
  }
  EXPECT_TRUE(skin::BrushOwners.empty()) << "no destroyed list is kept";
}

// Every brush and bitmap handed to the children goes by the end of the
// frame's release, drop-down lists included.
TEST_F(ChildServicesTest, SkinPaintAndDestroyRoundsLeaveTheObjectCountFlat) {
  // The children are left to go with their frame.
  auto child = [](HWND parent, const char* cls, int y, DWORD style = WS_CHILD | WS_VISIBLE) {
    return CreateWindowExA(0, cls, "", style, 20, y, 120, 24, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  };
  // Composed without presentation: a presented frame is activated, and
  // under Wine each destruction of an active window costs seconds.
  auto round = [&] {
    TestWindow frame = Frame(WS_MINIMIZEBOX, false);
    skin::ComposeMainFrame(skin::SkinWindowTable.Count(), false);
    const HWND edit = child(frame, "Edit", 60);
    const HWND label = child(frame, "Static", 90);
    const HWND list = child(frame, "ListBox", 120);
    const HWND button = child(frame, "Button", 150);
    const HWND combo = child(frame, "ComboBox", 180, WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    SendMessageA(frame, WM_PAINT, 0, 0);
    for (int i = 0; i < 2; ++i) {
      Colour(frame, WM_CTLCOLOREDIT, edit);
      Colour(frame, WM_CTLCOLORSTATIC, label);
      Colour(frame, WM_CTLCOLORLISTBOX, list);
      Colour(frame, WM_CTLCOLORBTN, button);
      Colour(frame, WM_CTLCOLORLISTBOX, info.hwndList);
    }
  };
  round();  // first-use allocations of the system and the engine
  const DWORD before = quillora_test::GdiObjectCount();
  for (int i = 0; i < 50; ++i) round();
  EXPECT_LE(quillora_test::GdiObjectCount(), before + 2);
  EXPECT_TRUE(skin::BrushOwners.empty());
  EXPECT_EQ(skin::SkinWindowTable.Count(), 0);
}

}  // namespace
