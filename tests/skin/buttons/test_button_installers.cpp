// The button style tests and the two installers over a frame holding one
// button of every type that matters.
#include <gtest/gtest.h>

#include <windows.h>

#include "runtime/gdi_object.h"
#include "skin/buttons/button_installers.h"
#include "skin/buttons/button_proc.h"
#include "skin/buttons/button_records.h"
#include "skin/core/control_font.h"
#include "tests/skin/buttons/button_test_env.h"
#include "tests/skin/core/composed_frame.h"

namespace {

using quillora_test::MakeChild;
using quillora_test::TestWindow;
using skin::ButtonKind;

struct TypeCase {
  LONG type;
  bool push, checkBox, autoRadio, ownerDraw;
  int takenAs;  // ButtonKind value, or -1 when no installer takes it
};

constexpr TypeCase kTypes[] = {
    {BS_PUSHBUTTON, true, false, false, false, 0},   {BS_DEFPUSHBUTTON, true, false, false, false, 0},
    {BS_CHECKBOX, false, true, false, false, 5},     {BS_AUTOCHECKBOX, false, true, false, false, 5},
    {BS_RADIOBUTTON, false, false, false, false, -1}, {BS_3STATE, false, false, false, false, -1},
    {BS_AUTO3STATE, false, false, false, false, -1}, {BS_GROUPBOX, false, false, false, false, -1},
    {BS_USERBUTTON, true, false, false, false, 0},   {BS_AUTORADIOBUTTON, false, false, true, false, 4},
    {BS_PUSHBOX, false, true, false, false, 5},      {BS_OWNERDRAW, false, true, false, true, -1},
    {0xC, false, false, false, false, -1},           {0xD, false, false, false, false, -1},
    {0xE, false, false, false, false, -1},           {0xF, false, false, false, true, -1},
};

class ButtonInstallerTest : public quillora_test::ComposedFrameTest {
 protected:
  TestWindow Button(LONG type, const char* caption, int y) {
    TestWindow button = MakeChild(frame, 10, y, 80, 22, "Button", WS_CHILD | WS_VISIBLE | type);
    SetWindowTextA(button, caption);
    return button;
  }
  skin::ButtonRecord& At(int index) { return Record().buttons.At(index); }
};

TEST_F(ButtonInstallerTest, EveryButtonTypeIsTestedAndTakenByItsKind) {
  for (const TypeCase& c : kTypes) {
    SCOPED_TRACE(c.type);
    skin::SkinWindowTable.At(windowIndex).buttons = {};
    TestWindow button = Button(c.type, "x", 10);
    EXPECT_EQ(skin::IsPushButtonStyle(button), c.push);
    EXPECT_EQ(skin::IsCheckBoxStyle(button), c.checkBox);
    EXPECT_EQ(skin::IsAutoRadioStyle(button), c.autoRadio);
    EXPECT_EQ(skin::IsOwnerDrawStyle(button), c.ownerDraw);
    skin::SkinPushButtons(windowIndex, frame);
    skin::SkinCheckButtons(windowIndex, frame);
    const int index = skin::FindButtonRecord(windowIndex, button);
    if (c.takenAs < 0) {
      EXPECT_EQ(index, 0);
      EXPECT_EQ(skin::prop::Read(button, skin::prop::kOldProc), 0);
    } else {
      ASSERT_EQ(index, 1);
      EXPECT_EQ(static_cast<int>(At(1).kind), c.takenAs);
    }
  }
}

TEST_F(ButtonInstallerTest, InstallersFillRecordsPropertiesAndProcedures) {
  TestWindow push = Button(BS_PUSHBUTTON, "确定", 0);
  TestWindow defPush = Button(BS_DEFPUSHBUTTON | WS_TABSTOP, "", 25);
  TestWindow check = Button(BS_AUTOCHECKBOX, "选项", 50);
  TestWindow pushBox = Button(BS_PUSHBOX, "box", 75);
  TestWindow radio = Button(BS_AUTORADIOBUTTON, "radio", 100);
  TestWindow threeState = Button(BS_3STATE, "three", 125);
  TestWindow plainRadio = Button(BS_RADIOBUTTON, "plain", 150);
  TestWindow ownerDraw = Button(BS_OWNERDRAW, "owner", 175);
  TestWindow group = Button(BS_GROUPBOX, "group", 200);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  // A font as small as GDI gives: its em size truncates to 0 on systems
  // that report fractional sizes (Wine reports 1).
  rt::UniqueFont tiny(CreateFontA(1, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "宋体"));
  SendMessageA(defPush, WM_SETFONT, reinterpret_cast<WPARAM>(tiny.get()), 0);
  SendMessageA(pushBox, WM_SETFONT, reinterpret_cast<WPARAM>(tiny.get()), 0);
  const skin::FontSpec tinySpec = skin::GetControlFont(pushBox);
  const int tinyPushSize = tinySpec.size != 0 ? tinySpec.size : 12;
  const WNDPROC nativeProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(push, GWLP_WNDPROC));

  skin::SkinPushButtons(windowIndex, frame);
  skin::SkinCheckButtons(windowIndex, frame);

  ASSERT_EQ(Record().buttons.Count(), 5);  // slot 1 reused, then appended
  struct Expected {
    HWND hwnd;
    ButtonKind kind;
    const char* caption;
    int fontSize;
    LONG type;  // after install
    int animation;
  };
  const Expected expected[] = {
      {push, ButtonKind::Push, "确定", 12, BS_OWNERDRAW, 0},
      {defPush, ButtonKind::Push, "", tinyPushSize, BS_OWNERDRAW, 0},
      {check, ButtonKind::CheckBox, "选项", 12, BS_AUTOCHECKBOX, 1},
      {pushBox, ButtonKind::CheckBox, "box", tinySpec.size, BS_PUSHBOX, 1},
      {radio, ButtonKind::AutoRadio, "radio", 12, BS_AUTORADIOBUTTON, 0},
  };
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    const Expected& e = expected[i];
    const skin::ButtonRecord& r = At(i + 1);
    EXPECT_EQ(r.hwnd, e.hwnd);
    EXPECT_EQ(r.kind, e.kind);
    EXPECT_EQ(r.caption, e.caption);
    EXPECT_EQ(r.font.size, e.fontSize);
    EXPECT_EQ(static_cast<int>(r.textEffect), -1);
    EXPECT_FALSE(skin::HasTextEffect(r));
    EXPECT_EQ(GetWindowLongA(e.hwnd, GWL_STYLE) & BS_TYPEMASK, e.type);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(e.hwnd, GWLP_WNDPROC)), &skin::ButtonSkinProc);
    EXPECT_EQ(r.oldProc, nativeProc);
    EXPECT_EQ(skin::prop::ReadHandle<WNDPROC>(e.hwnd, skin::prop::kOldProc), nativeProc);
    EXPECT_EQ(skin::prop::Read(e.hwnd, skin::prop::kIndex), i + 1);
    EXPECT_EQ(skin::prop::Read(e.hwnd, skin::prop::kHostIndex), windowIndex);
    EXPECT_EQ(skin::prop::Read(e.hwnd, skin::prop::kDisabledTextColour), 0x606060);
    EXPECT_EQ(skin::prop::Read(e.hwnd, skin::prop::kClickAnimation), e.animation);
  }
  EXPECT_EQ(At(1).font.face, "宋体");
  EXPECT_EQ(At(1).font.style, 0);
  EXPECT_EQ(At(2).font.style, tinySpec.style);  // the control's own font
  EXPECT_EQ(At(2).font.face, tinySpec.face);
  EXPECT_NE(GetWindowLongA(defPush, GWL_STYLE) & WS_TABSTOP, 0);  // other style bits kept
  EXPECT_EQ(At(3).checkedAtInstall, 1);
  EXPECT_EQ(At(3).parent, frame.get());
  EXPECT_EQ(At(5).checkedAtInstall, 0);
  for (HWND untouched : {threeState.get(), plainRadio.get(), ownerDraw.get(), group.get()}) {
    EXPECT_EQ(skin::FindButtonRecord(windowIndex, untouched), 0);
    EXPECT_EQ(skin::prop::Read(untouched, skin::prop::kOldProc), 0);
  }

  // A second run takes nobody again; the previous procedures stay native.
  skin::SkinPushButtons(windowIndex, frame);
  skin::SkinCheckButtons(windowIndex, frame);
  EXPECT_EQ(Record().buttons.Count(), 5);
  for (HWND taken : {check.get(), radio.get()})
    EXPECT_EQ(skin::prop::ReadHandle<WNDPROC>(taken, skin::prop::kOldProc), nativeProc);
}

TEST_F(ButtonInstallerTest, NothingIsTakenWhileChildControlsAreOff) {
  TestWindow push = Button(BS_PUSHBUTTON, "a", 0);
  TestWindow check = Button(BS_AUTOCHECKBOX, "b", 30);
  const int before = skin::SkinChildControls;
  skin::SkinChildControls = 0;
  skin::SkinPushButtons(windowIndex, frame);
  skin::SkinCheckButtons(windowIndex, frame);
  skin::SkinChildControls = before;
  EXPECT_EQ(Record().buttons.Count(), 1);
  EXPECT_EQ(At(1).hwnd, nullptr);
  EXPECT_EQ(GetWindowLongA(push, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(skin::prop::Read(check, skin::prop::kOldProc), 0);
}

}  // namespace
