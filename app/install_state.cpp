#include "app/install_state.h"

#include <cmath>
#include <cstdio>

#include "app/embedded_payload.h"
#include "app/installed_files.h"
#include "app/installer_variables.h"
#include "app/window_names.h"
#include "runtime/files.h"
#include "runtime/ini_file.h"
#include "runtime/shell.h"
#include "runtime/window_runtime.h"

namespace app {
namespace {

using rt::NumberProperty;
using rt::TextProperty;

rt::Text FolderBoxText() { return rt::ReadProperty(kInstallerWindow, kFolderBox, TextProperty::Text); }

bool IsChecked(std::string_view control) {
  return rt::ReadProperty(kInstallerWindow, control, NumberProperty::Checked) == 1;
}

rt::Text WithoutDots(rt::Text text) {
  std::erase(text, '.');
  return text;
}

bool IsFreshInstallation() {
  return PreviousInstallDir.empty() && InstalledVersion.empty() && InstalledExePath.empty();
}

// The quotient rounded to two decimals, without trailing zeros.
rt::Text Decimal(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", std::round(value * 100.0) / 100.0);
  rt::Text result = text;
  while (result.back() == '0') result.pop_back();
  if (result.back() == '.') result.pop_back();
  return result;
}

}  // namespace

void RefreshInstallState() {
  // The box gets its folder first, so the paths below describe that folder
  // and not the root of the current drive.
  rt::WriteProperty(kInstallerWindow, kFolderBox, TextProperty::Text, PreviousInstallDir);
  ConfigIniPath = FolderBoxText() + "\\" + rt::Text(kVersionFile);
  InstalledExePath = FolderBoxText() + "\\" + rt::Text(kProgramName);
  InstalledVersion = WithoutDots(rt::ReadIniText(ConfigIniPath, kVersionSection, kVersionKey, ""));
  if (!rt::FileExists(InstalledExePath)) InstalledExePath.clear();

  rt::WriteProperty(kInstallerWindow, kAgreementCheck, NumberProperty::Disabled, 0);
  rt::WriteProperty(kInstallerWindow, kStartButton, TextProperty::Caption,
                    IsFreshInstallation() ? "开始安装" : "开始更新");
  rt::WriteProperty(kInstallerWindow, kDiskSpaceLabel, TextProperty::Caption, DiskSpaceText());
}

rt::Text FormatByteSize(std::int64_t bytes) {
  constexpr std::int64_t kKiB = 1024;
  constexpr std::int64_t kMiB = 0x100000;
  constexpr std::int64_t kGiB = 0x40000000;
  constexpr std::int64_t kTiB = kGiB * 1024;
  constexpr std::int64_t kTooLarge = 1125899906843000;
  const double count = static_cast<double>(bytes);
  if (bytes < kKiB) return std::to_string(bytes) + "B";
  if (bytes < kMiB) return Decimal(count / kKiB) + "KB";
  if (bytes < kGiB) return Decimal(count / kMiB) + "MB";
  if (bytes < kTiB) return Decimal(count / kGiB) + "GB";
  if (bytes < kTooLarge) return Decimal(count / kTiB) + "TB";
  return "-1";
}

int DiskSpaceFigure(std::uint64_t bytes) {
  const std::uint64_t mb = bytes / 1024 / 1024;
  return static_cast<int>(mb * 29 / 10);  // floor(mb x 2.9), without rounding noise
}

rt::Text DiskSpaceText() {
  std::uint64_t bytes = MainProgramArchiveSize();
  if (IsChecked(kMaterialsCheck)) bytes += MaterialsArchiveSize();
  return "至少需要大约" + std::to_string(DiskSpaceFigure(bytes)) + "MB的可用磁盘空间";
}

rt::Text InstallFolderFromChoice(std::string_view folder) {
  rt::Text result(folder);
  if (result.empty() || result.back() != '\\') result += '\\';
  return result + "Quillora\\";
}

void ChangePathClick() {
  const rt::Text folder = rt::BrowseForFolder("请选择‘Quillora’的安装目录：");
  if (!folder.empty()) {
    rt::WriteProperty(kInstallerWindow, kFolderBox, TextProperty::Text, InstallFolderFromChoice(folder));
    rt::WriteProperty(kInstallerWindow, kFolderBox, NumberProperty::SelectionStart, -1);
    PreviousInstallDir = FolderBoxText();
    rt::FocusControl(kInstallerWindow, kFolderBox);
  }
  RefreshInstallState();
}

void AgreementCheckClick() {
  rt::WriteProperty(kInstallerWindow, kStartButton, NumberProperty::Disabled, IsChecked(kAgreementCheck) ? 0 : 1);
}

void MaterialsCheckClick() {
  rt::WriteProperty(kInstallerWindow, kDiskSpaceLabel, TextProperty::Caption, DiskSpaceText());
}

}  // namespace app
