#include "app/install_registration.h"

#include "app/install_text.h"
#include "app/installed_files.h"
#include "app/window_names.h"
#include "runtime/files.h"
#include "runtime/registry.h"
#include "runtime/shell.h"
#include "runtime/window_runtime.h"

namespace app {
namespace {

constexpr std::string_view kUninstallerName = "卸载.exe";
constexpr std::string_view kLinkName = "Quillora";
constexpr std::string_view kLinkDescription = "Quillora";
// Below the user's application-data folder; it exists only where the shell
// still has a Quick Launch bar.
constexpr std::string_view kQuickLaunchFolder = "Microsoft\\Internet Explorer\\Quick Launch";

bool IsChecked(std::string_view checkBox) {
  return rt::ReadProperty(kInstallerWindow, checkBox, rt::NumberProperty::Checked) == 1;
}

rt::Text DesktopFolder() { return rt::SpecialFolder(rt::kFolderDesktop); }

rt::Text StartMenuFolder() { return rt::SpecialFolder(rt::kFolderStartMenu); }

rt::Text QuickLaunchFolder() {
  const rt::Text appData = rt::SpecialFolder(rt::kFolderAppData);
  if (appData.empty()) return {};
  rt::Text folder = JoinPath(appData, kQuickLaunchFolder);
  return rt::FileExists(folder) ? folder : rt::Text();
}

// One shortcut: the box that asks for it, the folder it goes into ("" when
// there is none), and whether it carries the description and working folder.
struct ShortcutPlace {
  std::string_view checkBox;
  rt::Text (*folder)();
  bool described;
};

constexpr ShortcutPlace kShortcuts[] = {
    {kDesktopShortcutCheck, DesktopFolder, true},
    {kStartMenuShortcutCheck, StartMenuFolder, true},
    {kStartMenuShortcutCheck, QuickLaunchFolder, false},
};

}  // namespace

void WriteUninstallEntry(std::string_view folder) {
  const struct {
    std::string_view name;
    rt::Text data;
  } values[] = {
      {kInstallFolderValue, rt::Text(folder)},
      {"DisplayIcon", JoinPath(folder, kProgramName)},
      {"DisplayName", "Quillora"},
      {"DisplayVersion", ""},
      {"Publisher", "Lumenfall制作"},
      {"UninstallString", JoinPath(folder, kUninstallerName)},
  };
  for (const auto& value : values) {
    rt::WriteRegistryValue(rt::kRootLocalMachine, JoinPath(kUninstallKey, value.name), value.data);
  }
}

void CreateShortcuts(std::string_view folder) {
  const rt::Text target = JoinPath(folder, kProgramName);
  for (const ShortcutPlace& place : kShortcuts) {
    if (!IsChecked(place.checkBox)) continue;
    const rt::Text linkFolder = place.folder();
    if (linkFolder.empty()) continue;
    const rt::Text link = JoinPath(linkFolder, kLinkName);
    if (place.described) {
      rt::CreateShortcut(link, target, kLinkDescription, std::nullopt, folder);
    } else {
      rt::CreateShortcut(link, target);
    }
  }
}

}  // namespace app
