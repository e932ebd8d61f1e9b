// The folder dialog (driven from a helper thread, as a user would) and
// started programs.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "runtime/process.h"
#include "runtime/shell.h"
#include "runtime/window_runtime.h"

namespace {

constexpr char kFirst[] = "浏览测试窗口一";
constexpr char kSecond[] = "浏览测试窗口二";

rt::WindowTemplate Plain(const char* name) {
  rt::WindowTemplate window;
  window.name = name;
  window.caption = name;
  window.place = {0, 0, 200, 120};
  window.visible = false;
  return window;
}

// Enumeration procedures are stdcall on 32-bit: a plain lambda does not fit.
BOOL CALLBACK NoteVisibleDialog(HWND window, LPARAM out) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(out) = window;
  return FALSE;
}

HWND FindDialogOf(DWORD thread) {
  HWND found = nullptr;
  EnumThreadWindows(thread, NoteVisibleDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Waits for the dialog on `thread`, notes what the test asks, then ends it.
struct DialogDriver {
  DWORD thread;
  HWND other;            // a window of ours that must be disabled meanwhile
  bool accept;           // OK, or Cancel
  std::atomic<bool> otherWasDisabled{false};
  std::atomic<bool> hadEditField{false};
  std::atomic<HWND> owner{nullptr};

  void Run() {
    HWND dialog = nullptr;
    for (int i = 0; i < 200 && !dialog; ++i) {
      Sleep(50);
      dialog = FindDialogOf(thread);
    }
    if (!dialog) return;
    Sleep(200);  // let it finish filling its tree
    otherWasDisabled = !IsWindowEnabled(other);
    owner = GetWindow(dialog, GW_OWNER);
    HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
    hadEditField = edit != nullptr;
    PostMessageA(dialog, WM_COMMAND, accept ? IDOK : IDCANCEL, 0);
  }
};

class BrowseForFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    first_ = rt::LoadWindow(Plain(kFirst));
    second_ = rt::LoadWindow(Plain(kSecond));
    ASSERT_TRUE(first_ && second_);
    ShowWindow(first_, SW_SHOW);
    ShowWindow(second_, SW_SHOW);
    SetActiveWindow(first_);
  }
  void TearDown() override {
    rt::DestroyWindowNow(kFirst);
    rt::DestroyWindowNow(kSecond);
    rt::ProcessPendingMessages();
  }

  std::string Browse(DialogDriver& driver) {
    std::thread helper([&driver] { driver.Run(); });
    std::string chosen = rt::BrowseForFolder("请选择‘Quillora’的安装目录：");
    helper.join();
    return chosen;
  }

  HWND first_ = nullptr;
  HWND second_ = nullptr;
};

TEST_F(BrowseForFolderTest, CancelGivesEmptyAndOtherWindowsAreDisabledMeanwhile) {
  DialogDriver driver{GetCurrentThreadId(), second_, false};
  EXPECT_EQ(Browse(driver), "");
  EXPECT_EQ(driver.owner.load(), first_);
  EXPECT_TRUE(driver.otherWasDisabled);
  EXPECT_TRUE(driver.hadEditField);
  EXPECT_TRUE(IsWindowEnabled(first_));
  EXPECT_TRUE(IsWindowEnabled(second_));
}

// The dialog opens on the desktop folder; OK takes it. (Wine's dialog does
// not take a full path typed into its edit field, so none is typed here.)
TEST_F(BrowseForFolderTest, OkGivesTheSelectedFolderWithoutSeparator) {
  DialogDriver driver{GetCurrentThreadId(), second_, true};
  std::string desktop = rt::SpecialFolder(rt::kFolderDesktop);
  desktop.pop_back();
  EXPECT_STRCASEEQ(Browse(driver).c_str(), desktop.c_str());
}

TEST(RunCommandLineTest, WaitsForTheExitCodeOnlyWhenAsked) {
  EXPECT_EQ(rt::RunCommandLine("cmd.exe /c exit 7", true), 7);
  EXPECT_EQ(rt::RunCommandLine("cmd.exe /c exit 7", false), 0);
  EXPECT_EQ(rt::RunCommandLine("C:\\没有这个程序.exe", false), -1);
}

}  // namespace
