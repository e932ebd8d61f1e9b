// Every control kind goes through the one link between a window and its
// skin: no installer takes a window that another skin holds, and no skin
// procedure hands a message to itself when the saved procedure is its own.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>

#include "skin/buttons/button_installers.h"
#include "skin/buttons/button_proc.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/control_skin.h"
#include "skin/containers/label_skin.h"
#include "skin/containers/menu_skin.h"
#include "skin/containers/progress_skin.h"
#include "skin/containers/range_installers.h"
#include "skin/containers/static_skins.h"
#include "skin/containers/trackbar_skin.h"
#include "skin/containers/transparent_children.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/engine/control_skin_calls.h"
#include "skin/frames/dialog_frame_proc.h"
#include "skin/frames/main_frame_proc.h"
#include "skin/frames/main_window_skin.h"
#include "skin/lists/combo_skin.h"
#include "skin/lists/edit_installers.h"
#include "skin/lists/edit_skin.h"
#include "skin/lists/header_skin.h"
#include "skin/lists/list_control_skin.h"
#include "skin/lists/list_installers.h"
#include "skin/lists/scroll_overlay.h"
#include "skin/lists/up_down_skin.h"
#include "tests/support/gdip_test_env.h"
#include "tests/support/skin_test_windows.h"

namespace {

using quillora_test::AddSkinWindow;
using quillora_test::MakeChild;
using quillora_test::MakePopup;
using quillora_test::TestWindow;

constexpr LRESULT kForeignAnswer = 0x5EED;

// Another skin's procedure: it answers one message itself, and hands the
// rest to the procedure it saved.
WNDPROC g_foreignNext = nullptr;
LRESULT CALLBACK ForeignSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 1) return kForeignAnswer;
  return CallWindowProcA(g_foreignNext, hwnd, message, wParam, lParam);
}

int Listed(const skin::SkinWindowRecord& record, HWND window) {
  return record.buttons.Find(window) + record.edits.Find(window) + record.combos.Find(window) +
         record.listControls.Find(window) + record.upDowns.Find(window) + record.headers.Find(window) +
         record.trackbars.Find(window) + record.progressBars.Find(window) + record.statics.Find(window) +
         record.labels.Find(window) + record.containers.Find(window) + record.controls.Find(window);
}

// A hidden skinned frame (window index 1) with every control kind's
// installer ready to run over it.
class ControlLinksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    frame = TestWindow(CreateWindowExA(0, "Static", "", WS_POPUP, 100, 100, 400, 300, nullptr, nullptr,
                                       GetModuleHandleA(nullptr), nullptr));
    ASSERT_EQ(AddSkinWindow(frame), 1);
    savedChildControls = skin::SkinChildControls;
    savedTransparency = skin::TransparencyMode;
    skin::SkinChildControls = 1;
    skin::TransparencyMode = 1;
  }
  void TearDown() override {
    skin::SkinChildControls = savedChildControls;
    skin::TransparencyMode = savedTransparency;
  }
  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }

  quillora_test::SkinTableGuard guard;
  TestWindow frame;
  int savedChildControls = 0;
  int savedTransparency = 0;
};

TEST_F(ControlLinksTest, NoInstallerTakesAWindowThatAnotherSkinHolds) {
  struct Case {
    const char* name;
    const char* className;
    DWORD style;
    DWORD exStyle;
    std::function<void(HWND frame, HWND child)> install;
    const char* savedProperty;
  };
  const char* hw = skin::prop::kOldProc;
  const Case cases[] = {
      {"push button", "Button", BS_PUSHBUTTON, 0, [](HWND f, HWND) { skin::SkinPushButtons(1, f); }, hw},
      {"check box", "Button", BS_AUTOCHECKBOX, 0, [](HWND f, HWND) { skin::SkinCheckButtons(1, f); }, hw},
      {"radio button", "Button", BS_AUTORADIOBUTTON, 0, [](HWND f, HWND) { skin::SkinCheckButtons(1, f); }, hw},
      {"edit", "Edit", WS_BORDER, 0, [](HWND f, HWND) { skin::SkinEditControls(1, f); }, hw},
      {"combo box", "ComboBox", CBS_DROPDOWNLIST, 0, [](HWND f, HWND) { skin::SkinEditControls(1, f); }, hw},
      {"list box", "ListBox", 0, 0, [](HWND f, HWND) { skin::SkinListControls(1, f); }, hw},
      {"tree view", WC_TREEVIEWA, 0, 0, [](HWND f, HWND) { skin::SkinListControls(1, f); }, hw},
      {"up-down", UPDOWN_CLASSA, 0, 0, [](HWND f, HWND) { skin::SkinUpDowns(1, f); }, hw},
      {"header", WC_HEADERA, 0, 0, [](HWND f, HWND) { skin::SkinHeaders(1, f); }, hw},
      {"trackbar", TRACKBAR_CLASSA, 0, 0, [](HWND f, HWND) { skin::SkinTrackbars(1, f); }, hw},
      {"progress bar", PROGRESS_CLASSA, 0, 0, [](HWND f, HWND) { skin::SkinProgressBars(1, f); }, hw},
      {"static", "Static", SS_LEFT, 0, [](HWND f, HWND) { skin::SkinStatics(1, f, 9, 14); }, hw},
      {"transparent child", "Static", 0, WS_EX_TRANSPARENT,
       [](HWND f, HWND) { skin::SkinTransparentChildren(1, f); }, hw},
      {"label", "Static", 0, 0, [](HWND, HWND c) { skin::SkinLabel(c); }, hw},
      {"edit box", "Edit", 0, 0, [](HWND, HWND c) { skin::SkinEditBox(c); }, hw},
      {"container", "Button", BS_GROUPBOX, 0, [](HWND, HWND c) { skin::InstallContainerSkin(c); }, hw},
      {"public container", "Button", BS_GROUPBOX, 0, [](HWND, HWND c) { skin::SkinContainer(c); }, hw},
      // The control layer keeps its saved procedure in a property of its own.
      {"toolbar", TOOLBARCLASSNAMEA, 0, 0, [](HWND f, HWND) { skin::SkinToolbars(1, f); },
       skin::prop::kControlOldProc},
      {"common control", "Static", 0, 0, [](HWND, HWND c) { skin::SkinControl(c); }, skin::prop::kControlOldProc},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow child = MakeChild(frame, 10, 10, 120, 60, c.className, WS_CHILD | WS_VISIBLE | c.style, c.exStyle);
    ASSERT_NE(child.get(), nullptr);
    g_foreignNext = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignSkinProc)));
    skin::prop::WriteHandle(child, c.savedProperty, g_foreignNext);

    c.install(frame, child);

    EXPECT_EQ(Listed(Record(), child), 0) << "no record for a window another skin holds";
    EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ForeignSkinProc));
    EXPECT_EQ(skin::prop::ReadHandle<WNDPROC>(child, c.savedProperty), g_foreignNext);
    EXPECT_EQ(SendMessageA(child, WM_USER + 1, 0, 0), kForeignAnswer);
  }
}

TEST_F(ControlLinksTest, AFrameHeldByAnotherSkinIsNotSkinned) {
  TestWindow window = MakePopup(0, 0, 300, 200, nullptr, WS_POPUP);
  g_foreignNext = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignSkinProc)));
  skin::prop::WriteHandle(window, skin::prop::kOldProc, g_foreignNext);
  skin::SkinMainWindow(window);
  EXPECT_EQ(skin::SkinWindowTable.Count(), 1) << "only the fixture's frame";
  EXPECT_EQ(SendMessageA(window, WM_USER + 1, 0, 0), kForeignAnswer);
}

// A window whose saved procedure is the skin procedure itself (skinned
// twice by hand, say) must reach the default procedure, not call itself
// until the stack runs out. Its properties name no record, so each
// procedure only passes the message on.
TEST_F(ControlLinksTest, ASkinProcedureSavedAsItsOwnPredecessorEndsInTheDefaultProcedure) {
  struct Case {
    const char* name;
    WNDPROC procedure;
    const char* savedProperty = skin::prop::kOldProc;
  };
  const Case cases[] = {
      {"button", skin::ButtonSkinProc},
      {"edit", skin::EditSkinProc},
      {"combo box", skin::ComboSkinProc},
      {"list control", skin::ListControlSkinProc},
      {"up-down", skin::UpDownSkinProc},
      {"header", skin::HeaderSkinProc},
      {"vertical overlay", skin::VScrollOverlayProc},
      {"horizontal overlay", skin::HScrollOverlayProc},
      {"container", skin::ContainerSkinProc},
      {"common control", skin::ControlSkinProc, skin::prop::kControlOldProc},
      {"trackbar", skin::TrackbarSkinProc},
      {"progress bar", skin::ProgressSkinProc},
      {"static", skin::StaticSkinProc},
      {"label", skin::LabelSkinProc},
      {"transparent child", skin::TransparentChildProc},
      {"popup menu", skin::PopupMenuSkinProc},
      {"main frame", skin::MainFrameProc},
      {"dialog frame", skin::DialogFrameProc},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestWindow window(CreateWindowExA(0, "Static", "abcd", WS_CHILD, 0, 0, 40, 20, frame, nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(c.procedure));
    skin::prop::WriteHandle(window, c.savedProperty, c.procedure);
    EXPECT_EQ(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 4);
  }
}

}  // namespace
