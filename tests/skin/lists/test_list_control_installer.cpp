// The list-control installer: which children it takes and in what order,
// their records, overlays and properties, the tree-view fields, the
// IP-address fields as edits, a second run, and the border strip of a
// simple combo box's list.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/edit_skin.h"
#include "skin/lists/list_control_installer.h"
#include "skin/lists/list_control_skin.h"
#include "tests/skin/lists/pixel_checks.h"
#include "tests/support/gdip_test_env.h"
#include "tests/support/skin_test_windows.h"

namespace {

using quillora_test::AddSkinWindow;
using quillora_test::MakeChild;
using quillora_test::TestWindow;

INT_PTR Prop(HWND hwnd, const char* name) { return skin::prop::Read(hwnd, name); }
LONG_PTR ProcOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWLP_WNDPROC); }
template <class Proc>
LONG_PTR AsLong(Proc proc) {
  return reinterpret_cast<LONG_PTR>(proc);
}
LONG_PTR StyleOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_STYLE); }
LONG_PTR ExStyleOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_EXSTYLE); }

std::vector<HWND> Listed(const skin::ControlList<skin::ListControlRecord>& list) {
  std::vector<HWND> windows;
  for (const skin::ListControlRecord& r : list) windows.push_back(r.hwnd);
  return windows;
}

WNDPROC treeProc = nullptr;
LRESULT CALLBACK NoFontProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETFONT) return 0;
  return CallWindowProcA(treeProc, hwnd, message, wParam, lParam);
}

class ListInstallerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&init);
    frame = TestWindow(CreateWindowExA(0, "Static", "", WS_POPUP | WS_CLIPCHILDREN, 100, 100, 560, 440, nullptr,
                                       nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_EQ(AddSkinWindow(frame), 1);
  }
  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }
  TestWindow Child(const char* cls, DWORD style, int y, DWORD exStyle = 0) {
    return MakeChild(frame, 10, y, 150, 60, cls, WS_CHILD | WS_VISIBLE | style, exStyle);
  }
  HWND ListOf(HWND combo) { return FindWindowExA(combo, nullptr, "ComboLBox", nullptr); }

  quillora_test::SkinTableGuard guard;
  quillora_test::EngineDefaults settings;
  TestWindow frame;
};

TEST_F(ListInstallerTest, KindsAreTakenInSearchOrderWithTheirOverlaysAndProperties) {
  // Made in the reverse of the search order: the order comes from the
  // classes, not from the children's places.
  TestWindow picker = Child(DATETIMEPICK_CLASSA, 0, 0);
  TestWindow ip = Child(WC_IPADDRESSA, 0, 20);
  TestWindow tree = Child(WC_TREEVIEWA, WS_VSCROLL, 40);
  TestWindow later = Child(WC_LISTVIEWA, LVS_REPORT, 60);
  TestWindow sorted = Child(WC_LISTVIEWA, LVS_REPORT | LVS_SORTASCENDING, 80);
  TestWindow dropDown = Child("ComboBox", CBS_DROPDOWN, 100);
  TestWindow variable = Child("ComboBox", CBS_SIMPLE | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS, 200);
  TestWindow fixed = Child("ComboBox", CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 300);
  TestWindow list = Child("ListBox", WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 380);
  ASSERT_NE(ListOf(variable), nullptr);
  ASSERT_NE(ListOf(fixed), nullptr);
  const LONG_PTR sortedProc = ProcOf(sorted);
  const LONG_PTR listProc = ProcOf(list);

  skin::SkinListControls(1, frame);

  const std::vector<HWND> order = {list, ListOf(variable), later, tree, ip, picker};
  ASSERT_EQ(Listed(Record().listControls), order);
  EXPECT_EQ(ProcOf(sorted), sortedProc) << "a sorted list view keeps its native look";
  EXPECT_EQ(Prop(ListOf(fixed), skin::prop::kIndex), 0) << "a fixed owner-draw simple list is left alone";
  EXPECT_EQ(Prop(dropDown, skin::prop::kIndex), 0);

  struct Case {
    const char* name;
    HWND hwnd;
    bool overlays;
  };
  const Case cases[] = {{"list box", list, true},        {"simple list", ListOf(variable), false},
                        {"list view", later, true},      {"tree view", tree, true},
                        {"IP address", ip, false},       {"date-time picker", picker, false}};
  for (int i = 1; i <= 6; ++i) {
    const Case& c = cases[i - 1];
    SCOPED_TRACE(c.name);
    const skin::ListControlRecord& r = Record().listControls.At(i);
    EXPECT_EQ(r.dirty, 1);
    EXPECT_EQ(ProcOf(c.hwnd), AsLong(skin::ListControlSkinProc));
    EXPECT_EQ(Prop(c.hwnd, skin::prop::kIndex), i);
    EXPECT_EQ(Prop(c.hwnd, skin::prop::kHostIndex), 1);
    EXPECT_EQ(Prop(c.hwnd, skin::prop::kOldProc), AsLong(r.oldProc));
    EXPECT_NE(AsLong(r.oldProc), AsLong(skin::ListControlSkinProc));
    EXPECT_EQ(r.vScrollOverlay != nullptr, c.overlays);
    EXPECT_EQ(r.hScrollOverlay != nullptr, c.overlays);
    if (c.overlays) {
      EXPECT_EQ(Prop(r.vScrollOverlay, skin::prop::kOverlayTarget), reinterpret_cast<INT_PTR>(c.hwnd));
    }
  }
  EXPECT_EQ(AsLong(Record().listControls.At(1).oldProc), listProc);
  // Bars shown only where the style asks for them.
  EXPECT_NE(StyleOf(Record().listControls.At(1).vScrollOverlay) & WS_VISIBLE, 0);
  EXPECT_EQ(StyleOf(Record().listControls.At(1).hScrollOverlay) & WS_VISIBLE, 0);
}

TEST_F(ListInstallerTest, ASimpleComboListLosesItsBorderAndGetsNoOverlays) {
  TestWindow combo = Child("ComboBox", CBS_SIMPLE, 10);
  const HWND list = ListOf(combo);
  ASSERT_NE(list, nullptr);
  SetWindowLongPtrA(list, GWL_STYLE, StyleOf(list) | WS_BORDER);
  SetWindowLongPtrA(list, GWL_EXSTYLE,
                    ExStyleOf(list) | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW);

  skin::SkinListControls(1, frame);

  ASSERT_EQ(Record().listControls.Count(), 1);
  const skin::ListControlRecord& r = Record().listControls.At(1);
  EXPECT_EQ(r.hwnd, list) << "the list, not the combo box";
  EXPECT_EQ(r.vScrollOverlay, nullptr);
  EXPECT_EQ(r.hScrollOverlay, nullptr);
  EXPECT_EQ(StyleOf(list) & WS_BORDER, 0);
  EXPECT_EQ(ExStyleOf(list) & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME), 0);
  EXPECT_NE(ExStyleOf(list) & WS_EX_TOOLWINDOW, 0);
}

TEST_F(ListInstallerTest, HiddenAndBarlessListBoxesGetParkedHiddenOverlays) {
  TestWindow hidden = MakeChild(frame, 10, 10, 150, 80, "ListBox", WS_CHILD | WS_VSCROLL | WS_HSCROLL);
  TestWindow barless = Child("ListBox", 0, 100);

  skin::SkinListControls(1, frame);

  for (int i : {1, 2}) {
    SCOPED_TRACE(i);
    const skin::ListControlRecord& r = Record().listControls.At(i);
    for (HWND overlay : {r.vScrollOverlay, r.hScrollOverlay}) {
      ASSERT_NE(overlay, nullptr);
      EXPECT_FALSE(IsWindowVisible(overlay));
      RECT place{};
      GetWindowRect(overlay, &place);
      EXPECT_EQ(place.right - place.left, 10);
      EXPECT_EQ(place.bottom - place.top, 10);
    }
  }
}

TEST_F(ListInstallerTest, ATreeViewGetsItsFillsFontAndColours) {
  TestWindow tree = Child(WC_TREEVIEWA, TVS_HASLINES, 10);
  SendMessageA(tree, TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(CLR_NONE));  // the default colour
  // A tree that answers no font (this system's trees always have one).
  treeProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(tree, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoFontProc)));
  skin::SkinListControls(1, frame);

  const skin::ListControlRecord& r = Record().listControls.At(1);
  EXPECT_EQ(r.selectionFill, 0xFF8800u);
  EXPECT_EQ(r.hoverFill, 0xFF8800u);
  EXPECT_EQ(r.font.face, "宋体") << "a tree without a font";
  EXPECT_EQ(r.font.size, 12);
  EXPECT_EQ(r.font.style, 0);
  EXPECT_EQ(r.textColour, 0xFFFFFFFFu) << "the default text colour, as the tree answers it";
  EXPECT_EQ(r.selectedTextColour, 0xFFFFFFu);
  EXPECT_EQ(SendMessageA(tree, TVM_GETLINECOLOR, 0, 0), 0x808080);
  // Nothing of the tree's looks is set for the other kinds.
  TestWindow list = Child("ListBox", 0, 100);
  skin::SkinListControls(1, frame);
  EXPECT_EQ(Record().listControls.At(2).selectionFill, 0u);
  EXPECT_EQ(Record().listControls.At(2).selectedTextColour, 0u);
}

TEST_F(ListInstallerTest, IpFieldsBecomeEditsOnlyInTransparencyMode) {
  for (int mode : {0, 1}) {
    SCOPED_TRACE(mode);
    skin::SkinWindowTable.Clear();
    ASSERT_EQ(AddSkinWindow(frame), 1);
    skin::TransparencyMode = mode;
    TestWindow ip = Child(WC_IPADDRESSA, 0, 10);
    std::vector<HWND> fields;
    for (HWND f = FindWindowExA(ip, nullptr, "Edit", nullptr); f; f = FindWindowExA(ip, f, "Edit", nullptr))
      fields.push_back(f);
    ASSERT_EQ(fields.size(), 4u);
    const LONG_PTR native = ProcOf(fields[0]);

    skin::SkinListControls(1, frame);

    ASSERT_EQ(Record().listControls.At(1).hwnd, ip.get());
    if (mode == 0) {
      EXPECT_EQ(Record().edits.At(1).hwnd, nullptr);
      EXPECT_EQ(ProcOf(fields[0]), native);
      continue;
    }
    ASSERT_EQ(Record().edits.Count(), 4);
    for (int i = 1; i <= 4; ++i) {
      const HWND field = fields[static_cast<std::size_t>(i - 1)];
      const skin::EditRecord& e = Record().edits.At(i);
      EXPECT_EQ(e.hwnd, field);
      EXPECT_EQ(AsLong(e.oldProc), native);
      EXPECT_EQ(e.vScrollOverlay, nullptr);
      EXPECT_EQ(ProcOf(field), AsLong(skin::EditSkinProc));
      EXPECT_EQ(Prop(field, skin::prop::kIndex), i);
      EXPECT_EQ(Prop(field, skin::prop::kHostIndex), 1);
      EXPECT_EQ(Prop(field, skin::prop::kTextColour), 0);
      EXPECT_EQ(Prop(field, skin::prop::kDisabledTextColour), 0x606060);
      EXPECT_EQ(Prop(field, skin::prop::kOldProc), native);
    }
  }
}

TEST_F(ListInstallerTest, ASecondRunAddsNothingAndNoControlCallsItself) {
  TestWindow list = Child("ListBox", WS_VSCROLL, 10);
  TestWindow tree = Child(WC_TREEVIEWA, 0, 100);
  TestWindow combo = Child("ComboBox", CBS_SIMPLE, 200);
  skin::TransparencyMode = 1;
  TestWindow ip = Child(WC_IPADDRESSA, 0, 300);
  skin::SkinListControls(1, frame);
  const int lists = Record().listControls.Count();
  const int edits = Record().edits.Count();
  const HWND overlay = Record().listControls.At(1).vScrollOverlay;

  skin::SkinListControls(1, frame);

  EXPECT_EQ(Record().listControls.Count(), lists);
  EXPECT_EQ(Record().edits.Count(), edits);
  EXPECT_EQ(Record().listControls.At(1).vScrollOverlay, overlay);
  for (const skin::ListControlRecord& r : Record().listControls) {
    EXPECT_NE(Prop(r.hwnd, skin::prop::kOldProc), AsLong(skin::ListControlSkinProc));
  }
  for (const skin::EditRecord& e : Record().edits) {
    EXPECT_NE(Prop(e.hwnd, skin::prop::kOldProc), AsLong(skin::EditSkinProc));
  }
  // Messages still reach the native list.
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
}

TEST_F(ListInstallerTest, NothingIsTouchedWhileChildControlsAreOff) {
  skin::SkinChildControls = 0;
  TestWindow list = Child("ListBox", WS_VSCROLL, 10);
  const LONG_PTR native = ProcOf(list);
  skin::SkinListControls(1, frame);
  EXPECT_EQ(Record().listControls.Count(), 1);
  EXPECT_EQ(Record().listControls.At(1).hwnd, nullptr);
  EXPECT_EQ(ProcOf(list), native);
}

TEST(StripBorderStylesTest, ClearsTheBorderAndTheEdgesAndKeepsTheRest) {
  struct Case {
    DWORD style, exStyle;
  };
  const DWORD base = WS_CHILD | WS_VISIBLE;
  const Case cases[] = {
      {base | WS_BORDER, 0},
      {base, WS_EX_CLIENTEDGE},
      {base, WS_EX_WINDOWEDGE},
      {base, WS_EX_DLGMODALFRAME},
      {base, WS_EX_OVERLAPPEDWINDOW},
      {base | WS_BORDER, WS_EX_PALETTEWINDOW},
      {base, WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE},
      {base | WS_VSCROLL, WS_EX_NOPARENTNOTIFY | WS_EX_STATICEDGE},
  };
  const DWORD edges = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
  TestWindow parent = quillora_test::MakePopup(0, 0, 200, 200, nullptr, WS_POPUP);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.style << " " << c.exStyle);
    TestWindow w = MakeChild(parent, 0, 0, 50, 50, "Static", c.style);
    SetWindowLongPtrA(w, GWL_EXSTYLE, c.exStyle);
    // What the system kept of the extended style (it may refuse some bits).
    const auto before = static_cast<DWORD>(ExStyleOf(w));
    skin::StripBorderStyles(w);
    EXPECT_EQ(static_cast<DWORD>(StyleOf(w)), (c.style & ~WS_BORDER) | (static_cast<DWORD>(StyleOf(w)) & 0xFFFFu));
    EXPECT_EQ(static_cast<DWORD>(ExStyleOf(w)), before & ~edges);
    if (c.exStyle & WS_EX_TOOLWINDOW) {
      EXPECT_NE(ExStyleOf(w) & WS_EX_TOOLWINDOW, 0);
    }
  }
}

}  // namespace
