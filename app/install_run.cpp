#include "app/install_run.h"

#include <windows.h>

#include <cstdint>
#include <span>

#include "app/background_music.h"
#include "app/install_archives.h"
#include "app/install_registration.h"
#include "app/install_text.h"
#include "app/installed_files.h"
#include "app/installer_variables.h"
#include "app/message_flags.h"
#include "app/window_names.h"
#include "runtime/archive.h"
#include "runtime/files.h"
#include "runtime/ini_file.h"
#include "runtime/process.h"
#include "runtime/window_runtime.h"
#include "skin/frames/message_box.h"

namespace app {
namespace {

constexpr std::string_view kProgramArchiveFile = "Quillora.zip";
constexpr std::string_view kDataPackageFile = "数据安装包.zip";
constexpr std::string_view kMaterialsArchiveFile = "写作素材包.zip";
constexpr int kAnswerYes = IDYES - 1;

// The controls whose values the run reads; they stay locked from the start
// of a run, so messages pumped during an extraction cannot change them.
constexpr std::string_view kRunInputs[] = {kFolderBox, kChangePathButton, kDesktopShortcutCheck,
                                           kStartMenuShortcutCheck, kMaterialsCheck};

void SetVisible(std::string_view control, bool visible) {
  rt::WriteProperty(kInstallerWindow, control, rt::NumberProperty::Visible, visible ? 1 : 0);
}

void SetEnabled(std::string_view control, bool enabled) {
  rt::WriteProperty(kInstallerWindow, control, rt::NumberProperty::Disabled, enabled ? 0 : 1);
}

bool IsChecked(std::string_view checkBox) {
  return rt::ReadProperty(kInstallerWindow, checkBox, rt::NumberProperty::Checked) == 1;
}

int ShowMessage(std::string_view text, unsigned flags, std::string_view caption) {
  return skin::ShowSkinnedMessageBox(rt::WindowHandleOf(kInstallerWindow), text, flags, caption);
}

bool ConfirmOverwrite() {
  return ShowMessage("检测到您已安装Quillora,是否继续安装！\r\n点击‘是’继续安装\r\n点击‘否’取消安装",
                     kOverwriteQuestionFlags, "安装向导") == kAnswerYes;
}

// The user declined to overwrite: the process ends, taking its temporary
// music file with it.
[[noreturn]] void EndWithoutInstalling() {
  DiscardMusicFile();
  rt::ExitProgram(0);
}

// From here on the run owns the window: no second start, no close button,
// no agreement any more, and none of the values it reads may change.
void LockWindowForRun() {
  SetEnabled(kStartButton, false);
  SetVisible(kCloseButton, true);
  SetEnabled(kCloseButton, false);
  SetVisible(kAgreementCheck, false);
  SetVisible(kLicenceLabel, false);
  for (std::string_view control : kRunInputs) SetEnabled(control, false);
}

// After a failure the user may change the folder or the options and try
// again, or close.
void UnlockWindowAfterFailure() {
  for (std::string_view control : kRunInputs) SetEnabled(control, true);
  SetEnabled(kStartButton, true);
  SetEnabled(kCloseButton, true);
}

void ReportFailure(std::string_view path) {
  rt::Text text = "安装失败,无法写入文件:\r\n";
  text += path;
  rt::WriteProperty(kInstallerWindow, kStatusLabel, rt::TextProperty::Caption, text);
  ShowMessage(text, kNoticeFlags, "安装提示");
  UnlockWindowAfterFailure();
}

// Writes the archive next to its target as a temporary ZIP file, extracts
// it with progress and deletes it. False, after reporting, when the file
// could not be written or the extraction failed.
bool InstallArchive(std::string_view folder, std::string_view zipName, std::span<const std::uint8_t> archive) {
  const rt::Text zipPath = JoinPath(folder, zipName);
  if (!rt::WriteBytesToFile(zipPath, archive)) {
    rt::RemoveFile(zipPath);
    ReportFailure(zipPath);
    return false;
  }
  const int result = rt::ExtractArchive(kInstallerWindow, kArchiveControl, zipPath, folder);
  rt::RemoveFile(zipPath);
  if (result != rt::kExtractDone) {
    ReportFailure(zipPath);
    return false;
  }
  return true;
}

// The data package ships empty; an empty one is no archive and is skipped.
bool InstallDataPackage(std::string_view folder) {
  if (SkipDataPackage != 0) return true;
  const std::span<const std::uint8_t> package = DataPackage();
  return package.empty() || InstallArchive(folder, kDataPackageFile, package);
}

void ShowFinishButtons() {
  SetVisible(kStartButton, false);
  SetVisible(kFinishButton, true);
  SetEnabled(kFinishButton, true);
  SetVisible(kCloseButton, true);
  SetEnabled(kCloseButton, true);
}

}  // namespace

void StartInstallClick() {
  if (IsBlankText(rt::ReadProperty(kInstallerWindow, kFolderBox, rt::TextProperty::Text))) {
    rt::FocusControl(kInstallerWindow, kFolderBox);
    return;
  }
  RunInstall();
}

void RunInstall() {
  const rt::Text folder = rt::ReadProperty(kInstallerWindow, kFolderBox, rt::TextProperty::Text);
  rt::MakeDirectories(folder);

  const rt::Text program = JoinPath(folder, kProgramName);
  if (rt::FileExists(program)) {
    if (!ConfirmOverwrite()) EndWithoutInstalling();
    LockWindowForRun();
    rt::RemoveFile(program);
  }
  LockWindowForRun();

  if (!InstallArchive(folder, kProgramArchiveFile, MainProgramArchive())) return;
  rt::WriteIniText(JoinPath(folder, kVersionFile), kVersionSection, kVersionKey, kProductVersion);
  WriteUninstallEntry(folder);
  rt::SleepMs(150);

  if (!InstallDataPackage(folder)) return;
  rt::SleepMs(240);

  CreateShortcuts(folder);
  if (IsChecked(kMaterialsCheck) && !InstallArchive(folder, kMaterialsArchiveFile, MaterialsArchive())) return;

  DiscardMusicFile();
  ShowFinishButtons();
}

}  // namespace app
