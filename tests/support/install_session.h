// One run of the real installer as a user drives it through an
// installation: launch, folder, options, agreement, start, finish; and the
// clean-up of everything an installation leaves in the prefix, so tests
// that follow start from a machine without the product.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "tests/support/installer_driver.h"

namespace qtest {

inline constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillora";
inline constexpr char kInstallerCaption[] = "Quillora安装程序";

// Captions of the option boxes.
inline constexpr char kDesktopShortcutBox[] = "创建快捷方式";
inline constexpr char kStartMenuShortcutBox[] = "创建开始菜单快捷方式";
inline constexpr char kMaterialsBox[] = "安装写作素材资料";
inline constexpr char kRunAfterInstallBox[] = "安装后运行Quillora";
inline constexpr char kJoinGroupBox[] = "加入Quillora官方群";
inline constexpr char kAgreementBox[] = "已阅读并同意Quillora";

class InstallerSession {
 public:
  // Starts the installer and waits until its window is ready for input
  // (the disk-space label filled); false when it did not get there.
  bool Launch();

  ProcessUnderTest& process() { return installer_; }
  HWND window() const { return window_; }

  // Controls found at launch, kept while their captions change.
  HWND folderBox() const { return folderBox_; }
  HWND startButton() const { return startButton_; }
  HWND statusLabel() const { return statusLabel_; }
  HWND progressBar() const { return progressBar_; }
  HWND Control(std::string_view className, std::string_view caption) const;
  HWND Button(std::string_view caption) const { return Control("Button", caption); }

  void TypeFolder(const std::string& folder) const;
  // Clicks the box and waits until it shows the ticked state.
  bool Tick(std::string_view boxCaption) const;
  // Ticks the agreement and waits for the start button to be enabled.
  bool AcceptAgreement() const;
  void ClickStart() const { Click(startButton_); }
  // Waits until the run has shown the enabled finish button.
  bool WaitForFinishButton(DWORD timeoutMs = 120000) const;

  int BarPosition() const;
  // The control with the keyboard focus in the installer's thread.
  HWND FocusedControl() const;

 private:
  ProcessUnderTest installer_;
  HWND window_ = nullptr;
  HWND folderBox_ = nullptr;
  HWND startButton_ = nullptr;
  HWND statusLabel_ = nullptr;
  HWND progressBar_ = nullptr;
};

// The shortcut files an installation may create.
std::string DesktopShortcut();
std::string StartMenuShortcut();
std::string QuickLaunchFolder();
std::string QuickLaunchShortcut();

// Removes the uninstall entry and the shortcuts, and ends any stand-in
// product program still running.
void RemoveInstallationTraces();

// The installed product's window (the stand-in's), once it shows.
HWND WaitForProductWindow(DWORD timeoutMs = kDefaultTimeoutMs);

}  // namespace qtest
