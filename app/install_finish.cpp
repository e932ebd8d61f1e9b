// The two ways out of the finished (or not yet started) installation.
#include <windows.h>

#include "app/background_music.h"
#include "app/install_run.h"
#include "app/install_text.h"
#include "app/installed_files.h"
#include "app/window_names.h"
#include "runtime/process.h"
#include "runtime/shell.h"
#include "runtime/window_runtime.h"

namespace app {
namespace {

// The join page of the product's community group.
constexpr std::string_view kCommunityPage =
    "http://qun.lumenfall-quillora.cn/wpa/qunwpa?idkey="
    "def68b9bd40819d416fa59cb60e9477d6b03ddf1071caa06b9fd176d2ff2822c";

bool IsChecked(std::string_view checkBox) {
  return rt::ReadProperty(kInstallerWindow, checkBox, rt::NumberProperty::Checked) == 1;
}

// Makes a folder the process's current one for its lifetime; a program
// started meanwhile inherits it as its working folder.
class ScopedCurrentDirectory {
 public:
  explicit ScopedCurrentDirectory(const rt::Text& folder) {
    char previous[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, previous);
    if (length == 0 || length >= MAX_PATH) return;
    if (SetCurrentDirectoryA(folder.c_str())) previous_.assign(previous, length);
  }
  ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
  ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;
  ~ScopedCurrentDirectory() {
    if (!previous_.empty()) SetCurrentDirectoryA(previous_.c_str());
  }

 private:
  rt::Text previous_;
};

// The program path is quoted, since installation folders often hold spaces.
void StartInstalledProgram(const rt::Text& folder) {
  rt::Text commandLine = "\"";
  commandLine += JoinPath(folder, kProgramName);
  commandLine += '"';
  const ScopedCurrentDirectory workingFolder(folder);
  rt::RunCommandLine(commandLine, false);
}

}  // namespace

void FinishClick() {
  const rt::Text folder = rt::ReadProperty(kInstallerWindow, kFolderBox, rt::TextProperty::Text);
  if (IsChecked(kRunAfterInstallCheck)) StartInstalledProgram(folder);
  if (IsChecked(kJoinGroupCheck)) rt::OpenWebAddress(kCommunityPage);
  rt::DestroyWindowNow(kInstallerWindow);
}

void CloseClick() {
  const int position = rt::ReadProperty(kInstallerWindow, kProgressBar, rt::NumberProperty::Position);
  if (position >= 1 && position <= 99) return;  // an extraction is under way
  DiscardMusicFile();
  rt::DestroyWindowNow(kInstallerWindow);
}

}  // namespace app
