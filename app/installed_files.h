// Names of what the installation leaves in its folder and in the registry,
// shared by the start-up checks, the installation run, the finish and the
// "About" box.
#pragma once

#include <string_view>

namespace app {

inline constexpr std::string_view kProgramName = "Quillora.exe";
inline constexpr std::string_view kVersionFile = "系统配置.ini";
inline constexpr std::string_view kVersionSection = "系统配置";
inline constexpr std::string_view kVersionKey = "版本号";
inline constexpr std::string_view kProductVersion = "03.41.50";

// The uninstall entry (under HKEY_LOCAL_MACHINE); its value
// kInstallFolderValue holds the installation folder, read back at start.
inline constexpr std::string_view kUninstallKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillora";
inline constexpr std::string_view kInstallFolderValue = "softURL";

}  // namespace app
