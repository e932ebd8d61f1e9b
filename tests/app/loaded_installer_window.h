// Test fixtures that build the installer's windows inside the test
// process, and a helper that answers the message boxes it shows.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/background_music.h"
#include "app/installer_skinning.h"
#include "app/installer_variables.h"
#include "app/installer_window.h"
#include "app/window_names.h"
#include "runtime/window_runtime.h"
#include "tests/support/installer_driver.h"

namespace apptest {

inline constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillora";

// A temporary folder of this test program's own for as long as it lives,
// so test programs running side by side do not share the music file.
class PrivateTempFolder {
 public:
  PrivateTempFolder()
      : previous_(qtest::TempFolder()),
        folder_(previous_ + "quillora-unit-" + std::to_string(GetCurrentProcessId()) + "\\") {
    CreateDirectoryA(folder_.c_str(), nullptr);
    SetEnvironmentVariableA("TMP", folder_.c_str());
    SetEnvironmentVariableA("TEMP", folder_.c_str());
  }
  PrivateTempFolder(const PrivateTempFolder&) = delete;
  PrivateTempFolder& operator=(const PrivateTempFolder&) = delete;
  ~PrivateTempFolder() {
    SetEnvironmentVariableA("TMP", previous_.c_str());
    SetEnvironmentVariableA("TEMP", previous_.c_str());
    RemoveDirectoryA(folder_.c_str());
  }

 private:
  std::string previous_;
  std::string folder_;
};

// Starts the skin engine once per test program, as a run starts it once.
inline void StartSkinEngineOnce() {
  static const bool started = (app::StartSkinEngine(), true);
  (void)started;
}

// InstallerWindow loaded as at start-up, on a machine without a previous
// installation; destroyed again after each test.
class LoadedInstallerWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { StartSkinEngineOnce(); }

  void SetUp() override {
    app::InitInstallerVariables();
    window_ = rt::LoadWindow(app::InstallerWindowTemplate());
    ASSERT_NE(window_, nullptr);
  }

  void TearDown() override {
    if (IsWindow(window_)) DestroyWindow(window_);  // its side windows go with it
    rt::ProcessPendingMessages();
    app::DiscardMusicFile();
  }

  HWND Control(std::string_view name) const { return rt::WindowHandleOf(app::kInstallerWindow, name); }

  PrivateTempFolder temp_;
  qtest::ScopedRegistryAbsence noPreviousInstallation_{HKEY_LOCAL_MACHINE, kUninstallKey, "softURL"};
  HWND window_ = nullptr;
};

// Answers the next message box of this process from another thread with
// the button `id`, and keeps what the box showed.
class MessageBoxAnswerer {
 public:
  // With `hook`, also records the value it holds while the box is up.
  explicit MessageBoxAnswerer(int id, const HHOOK* hook = nullptr)
      : hook_(hook), thread_([this, id] {
          seen_ = qtest::WaitForMessageBox(GetCurrentProcessId());
          if (!seen_) return;
          if (hook_) hookWhileShown_ = *hook_;
          qtest::PressButton(seen_->dialog, id);
        }) {}

  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
  ~MessageBoxAnswerer() { Join(); }

  // What the box showed; waits for the answer first.
  const std::optional<qtest::MessageBoxView>& Seen() {
    Join();
    return seen_;
  }

  HHOOK HookWhileShown() {
    Join();
    return hookWhileShown_;
  }

 private:
  void Join() {
    if (thread_.joinable()) thread_.join();
  }

  const HHOOK* hook_;
  std::optional<qtest::MessageBoxView> seen_;
  HHOOK hookWhileShown_ = nullptr;
  std::thread thread_;
};

struct PopupSeen {
  RECT rect{};
  std::vector<std::string> items;  // "-" for a separator
};

// Watches for the popup menu of this process, reads it, then sends the keys.
class PopupMenuDriver {
 public:
  explicit PopupMenuDriver(std::vector<WPARAM> keys)
      : thread_([this, keys] {
          HWND menu = nullptr;
          if (!qtest::WaitUntil([&] {
                menu = qtest::FindTopLevelWindow(GetCurrentProcessId(), "#32768");
                return menu && qtest::IsShown(menu);
              }))
            return;
          seen_.rect = qtest::WindowRectOf(menu);
          HMENU items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
          for (int i = 0; i < GetMenuItemCount(items); ++i) {
            char text[64] = {};
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            GetMenuItemInfoA(items, i, TRUE, &info);
            GetMenuStringA(items, i, text, sizeof text, MF_BYPOSITION);
            seen_.items.push_back((info.fType & MFT_SEPARATOR) ? "-" : text);
          }
          for (WPARAM key : keys) {
            PostMessageA(menu, WM_KEYDOWN, key, 0);
            Sleep(50);
          }
        }) {}
  PopupMenuDriver(const PopupMenuDriver&) = delete;
  PopupMenuDriver& operator=(const PopupMenuDriver&) = delete;
  ~PopupMenuDriver() { Join(); }

  const PopupSeen& Seen() {
    Join();
    return seen_;
  }

 private:
  void Join() {
    if (thread_.joinable()) thread_.join();
  }
  PopupSeen seen_;
  std::thread thread_;
};

}  // namespace apptest
