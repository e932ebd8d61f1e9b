// The folder dialog (driven from a helper thread, as a user would) and
// started programs.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
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

// Polls `condition` every 20 ms for up to `ms` milliseconds.
template <class Condition>
bool WaitFor(Condition condition, DWORD ms) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= ms) return false;
    Sleep(20);
  }
  return true;
}

// Waits for the dialog on `thread`, notes what the test asks, then ends it.
struct DialogDriver {
  DWORD thread;
  HWND other;            // a window of ours that must be disabled meanwhile
  bool accept;           // OK, or Cancel
  std::atomic<bool> otherWasDisabled{false};
  std::atomic<bool> hadEditField{false};
  std::atomic<bool> treeFilled{false};
  std::atomic<HWND> owner{nullptr};

  void Run() {
    HWND dialog = nullptr;
    if (!WaitFor([&] { return (dialog = FindDialogOf(thread)) != nullptr; }, 15000)) {
      // The test thread sits in a call that shows nothing: end the program
      // with the reason rather than leave it to the run's time-out.
      std::fprintf(stderr, "the folder dialog did not appear within 15 s\n");
      std::fflush(stderr);
      std::_Exit(1);
    }
    // The tree is filled once it shows a selected folder.
    HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
    treeFilled = tree != nullptr &&
                 WaitFor([&] { return SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0) != 0; }, 10000);
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
  EXPECT_TRUE(driver.treeFilled) << "the folder tree showed no selected folder within 10 s";
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
  EXPECT_TRUE(driver.treeFilled) << "the folder tree showed no selected folder within 10 s";
}

TEST(RunCommandLineTest, WaitsForTheExitCodeOnlyWhenAsked) {
  EXPECT_EQ(rt::RunCommandLine("cmd.exe /c exit 7", true), 7);
  EXPECT_EQ(rt::RunCommandLine("cmd.exe /c exit 7", false), 0);
  EXPECT_EQ(rt::RunCommandLine("C:\\没有这个程序.exe", false), -1);
}

}  // namespace
