// The edit and combo installer: records and their slots, the properties
// and their order, the overlays it makes, the combo box's text reset, the
// inner edit in TransparencyMode, and a second run over the same parent.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/lists/combo_skin.h"
#include "skin/lists/edit_installers.h"
#include "skin/lists/edit_skin.h"
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

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  GetClassNameA(hwnd, name, sizeof name);
  return name;
}

std::string TextOf(HWND hwnd) {
  char text[64] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

RECT RectInParent(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

BOOL CALLBACK CollectSkinProp(HWND, LPSTR name, HANDLE, ULONG_PTR data) {
  if (IS_INTRESOURCE(name)) return TRUE;
  const std::string text(name);
  if (text.rfind("Hw_", 0) == 0 || text.rfind("Kj_", 0) == 0)
    reinterpret_cast<std::vector<std::string>*>(data)->push_back(text);
  return TRUE;
}

// The skin's own properties of a window, in the order the system lists them.
std::vector<std::string> SkinProps(HWND hwnd) {
  std::vector<std::string> names;
  EnumPropsExA(hwnd, CollectSkinProp, reinterpret_cast<LPARAM>(&names));
  return names;
}

TestWindow MakeCombo(HWND parent, int x, int y, DWORD style, std::vector<const char*> items = {"alpha", "beta"}) {
  TestWindow combo = MakeChild(parent, x, y, 150, 200, "ComboBox", WS_CHILD | WS_VISIBLE | style);
  for (const char* item : items) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  return combo;
}

// A hidden skinned frame (window index 1).
class EditInstallerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = TestWindow(CreateWindowExA(0, "Static", "", WS_POPUP | WS_CLIPCHILDREN, 100, 100, 500, 400, nullptr,
                                       nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_EQ(AddSkinWindow(frame), 1);
  }
  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }

  quillora_test::SkinTableGuard guard;
  quillora_test::EngineDefaults settings;
  TestWindow frame;
};

TEST_F(EditInstallerTest, EditsTakeSlotsInOrderAndCarryTheirProperties) {
  TestWindow first = MakeChild(frame, 10, 10, 120, 24, "Edit", WS_CHILD | WS_VISIBLE | WS_BORDER);
  TestWindow second = MakeChild(frame, 10, 40, 120, 24, "Edit", WS_CHILD | WS_VISIBLE);
  const LONG_PTR original = ProcOf(first);

  skin::SkinEditControls(1, frame);

  ASSERT_EQ(Record().edits.Count(), 2) << "the first edit reuses the free record";
  const skin::EditRecord& record = Record().edits.At(1);
  EXPECT_EQ(record.hwnd, first.get());
  EXPECT_EQ(AsLong(record.oldProc), original);
  EXPECT_EQ(ProcOf(first), AsLong(skin::EditSkinProc));
  EXPECT_EQ(record.vScrollOverlay, nullptr) << "no bar style, no overlay";
  EXPECT_EQ(record.hScrollOverlay, nullptr);
  EXPECT_EQ(Record().edits.At(2).hwnd, second.get());

  EXPECT_EQ(Prop(first, skin::prop::kIndex), 1);
  EXPECT_EQ(Prop(second, skin::prop::kIndex), 2);
  EXPECT_EQ(Prop(first, skin::prop::kHostIndex), 1);
  EXPECT_EQ(Prop(first, skin::prop::kTextColour), 0);
  EXPECT_EQ(Prop(first, skin::prop::kDisabledTextColour), 0x606060);
  EXPECT_EQ(Prop(first, skin::prop::kOldProc), original);
  const std::vector<std::string> order = {"Hw_lbID", "Hw_FuID", "Kj_Ztys", "Kj_Jzzts", "Hw_hProc"};
  std::vector<std::string> listed = SkinProps(first);
  std::vector<std::string> reversed(order.rbegin(), order.rend());
  EXPECT_TRUE(listed == order || listed == reversed) << "properties are set in one fixed order";
}

TEST_F(EditInstallerTest, BarStylesGetOverlaysShownOverTheBarOrParkedHidden) {
  TestWindow shown = MakeChild(frame, 10, 10, 200, 100, "Edit",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE);
  TestWindow hidden = MakeChild(frame, 10, 150, 200, 100, "Edit", WS_CHILD | WS_VSCROLL | ES_MULTILINE);
  const LONG_PTR staticProc = ProcOf(MakeChild(frame, 0, 0, 5, 5));

  skin::SkinEditControls(1, frame);

  const skin::EditRecord& a = Record().edits.At(1);
  ASSERT_NE(a.vScrollOverlay, nullptr);
  ASSERT_NE(a.hScrollOverlay, nullptr);
  for (HWND overlay : {a.vScrollOverlay, a.hScrollOverlay}) {
    EXPECT_EQ(ClassOf(overlay), "Static");
    EXPECT_EQ(GetParent(overlay), frame.get());
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(overlay, GWL_STYLE)),
              static_cast<DWORD>(WS_CHILD | WS_CLIPCHILDREN | WS_DISABLED | WS_VISIBLE));
    EXPECT_EQ(GetWindowLongPtrA(overlay, GWL_EXSTYLE), 0);
    EXPECT_EQ(Prop(overlay, skin::prop::kOverlayTarget), reinterpret_cast<INT_PTR>(shown.get()));
    EXPECT_EQ(Prop(overlay, skin::prop::kHostIndex), 1);
    EXPECT_EQ(Prop(overlay, skin::prop::kOldProc), staticProc);
    bool aboveTheEdit = false;
    for (HWND below = GetWindow(overlay, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT))
      aboveTheEdit = aboveTheEdit || below == shown.get();
    EXPECT_TRUE(aboveTheEdit) << "the overlay lies above its edit";
  }
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  GetScrollBarInfo(shown, OBJID_VSCROLL, &bar);
  MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&bar.rcScrollBar), 2);
  const RECT vPlace = RectInParent(a.vScrollOverlay);
  EXPECT_TRUE(EqualRect(&bar.rcScrollBar, &vPlace));

  const skin::EditRecord& b = Record().edits.At(2);
  ASSERT_NE(b.vScrollOverlay, nullptr);
  EXPECT_EQ(b.hScrollOverlay, nullptr);
  EXPECT_FALSE(IsWindowVisible(b.vScrollOverlay));
  const RECT parked = RectInParent(b.vScrollOverlay);
  const RECT expected{0, 0, 10, 10};
  EXPECT_TRUE(EqualRect(&parked, &expected));
}

TEST_F(EditInstallerTest, ComboBoxesGetRecordsAndTheTextOfTheirSelection) {
  TestWindow selected = MakeCombo(frame, 10, 10, CBS_DROPDOWN);
  TestWindow unselected = MakeCombo(frame, 10, 50, CBS_DROPDOWN);
  TestWindow list = MakeCombo(frame, 10, 90, CBS_DROPDOWNLIST);
  SendMessageA(selected, CB_SETCURSEL, 1, 0);
  SetWindowTextA(FindWindowExA(selected, nullptr, "Edit", nullptr), "typed");
  SetWindowTextA(FindWindowExA(unselected, nullptr, "Edit", nullptr), "typed");
  ASSERT_EQ(TextOf(selected), "typed");
  const LONG_PTR original = ProcOf(selected);

  skin::SkinEditControls(1, frame);

  EXPECT_EQ(TextOf(selected), "beta") << "the text is set again from the selected item";
  EXPECT_EQ(TextOf(unselected), "typed") << "without a selection the text stays";
  ASSERT_EQ(Record().combos.Count(), 3);
  const skin::ComboRecord& record = Record().combos.At(1);
  EXPECT_EQ(record.hwnd, selected.get());
  EXPECT_EQ(AsLong(record.oldProc), original);
  EXPECT_EQ(ProcOf(selected), AsLong(skin::ComboSkinProc));
  EXPECT_EQ(Prop(selected, skin::prop::kIndex), 1);
  EXPECT_EQ(Prop(list, skin::prop::kIndex), 3);
  EXPECT_EQ(Prop(selected, skin::prop::kHostIndex), 1);
  EXPECT_EQ(Prop(selected, skin::prop::kOldProc), original);
  EXPECT_EQ(Prop(selected, skin::prop::kDisabledTextColour), 0) << "combo boxes carry no text colours";
  EXPECT_EQ(Record().edits.At(1).hwnd, nullptr) << "outside TransparencyMode inner edits stay unskinned";
  EXPECT_NE(ProcOf(FindWindowExA(selected, nullptr, "Edit", nullptr)), AsLong(skin::EditSkinProc));
}

TEST_F(EditInstallerTest, InTransparencyModeTheInnerEditFollowsTheEditsFoundBefore) {
  skin::TransparencyMode = 1;
  TestWindow edit = MakeChild(frame, 10, 10, 120, 24, "Edit", WS_CHILD | WS_VISIBLE);
  TestWindow combo = MakeCombo(frame, 10, 50, CBS_DROPDOWN | WS_VSCROLL);
  TestWindow list = MakeCombo(frame, 10, 90, CBS_DROPDOWNLIST);
  const HWND inner = FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(inner, nullptr);
  SetWindowLongPtrA(inner, GWL_STYLE, GetWindowLongPtrA(inner, GWL_STYLE) | WS_VSCROLL);

  skin::SkinEditControls(1, frame);

  ASSERT_EQ(Record().edits.Count(), 2) << "the drop-down list has no edit field";
  const skin::EditRecord& record = Record().edits.At(2);
  EXPECT_EQ(record.hwnd, inner);
  EXPECT_EQ(record.vScrollOverlay, nullptr) << "an inner edit gets no overlays, whatever its style";
  EXPECT_EQ(ProcOf(inner), AsLong(skin::EditSkinProc));
  EXPECT_EQ(Prop(inner, skin::prop::kIndex), 2);
  EXPECT_EQ(Prop(inner, skin::prop::kHostIndex), 1);
  EXPECT_EQ(Prop(inner, skin::prop::kTextColour), 0);
  EXPECT_EQ(Prop(inner, skin::prop::kDisabledTextColour), 0x606060);
  EXPECT_EQ(Record().combos.Count(), 2);
}

TEST_F(EditInstallerTest, ASecondRunOverTheSameParentAddsNothing) {
  skin::TransparencyMode = 1;
  TestWindow edit = MakeChild(frame, 10, 10, 120, 24, "Edit", WS_CHILD | WS_VISIBLE);
  TestWindow combo = MakeCombo(frame, 10, 50, CBS_DROPDOWN);
  skin::SkinEditControls(1, frame);
  const LONG_PTR editOld = Prop(edit, skin::prop::kOldProc);
  const LONG_PTR comboOld = Prop(combo, skin::prop::kOldProc);

  skin::SkinEditControls(1, frame);

  EXPECT_EQ(Record().edits.Count(), 2);
  EXPECT_EQ(Record().combos.Count(), 1) << "a combo box taken twice would call itself";
  EXPECT_EQ(Prop(edit, skin::prop::kOldProc), editOld);
  EXPECT_EQ(Prop(combo, skin::prop::kOldProc), comboOld);
  EXPECT_NE(comboOld, AsLong(skin::ComboSkinProc));
  // The skinned combo box still answers through its native procedure.
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
}

TEST_F(EditInstallerTest, NothingIsSkinnedWhileChildControlsAreOff) {
  skin::SkinChildControls = 0;
  TestWindow edit = MakeChild(frame, 10, 10, 120, 24, "Edit", WS_CHILD | WS_VISIBLE | WS_VSCROLL);
  TestWindow combo = MakeCombo(frame, 10, 50, CBS_DROPDOWNLIST);
  skin::SkinEditControls(1, frame);
  EXPECT_EQ(Record().edits.At(1).hwnd, nullptr);
  EXPECT_EQ(Record().combos.At(1).hwnd, nullptr);
  EXPECT_EQ(Prop(edit, skin::prop::kOldProc), 0);
  EXPECT_EQ(FindWindowExA(frame, nullptr, "Static", nullptr), nullptr) << "no overlay";
}

TEST_F(EditInstallerTest, FindEditRecordGivesTheFirstMatchOrZero) {
  TestWindow edit = MakeChild(frame, 10, 10, 120, 24, "Edit");
  TestWindow other = MakeChild(frame, 10, 40, 120, 24, "Edit");
  EXPECT_EQ(skin::FindEditRecord(1, edit), 0);
  Record().edits.Take(other);
  Record().edits.Take(edit);
  Record().edits.Take(edit);
  EXPECT_EQ(skin::FindEditRecord(1, edit), 2);
  EXPECT_EQ(skin::FindEditRecord(1, frame), 0);
}

}  // namespace
