// Names of what the installation leaves in its folder, shared by the
// start-up checks, the installation run and the finish.
#pragma once

#include <string_view>

namespace app {

inline constexpr std::string_view kProgramName = "Quillora.exe";
inline constexpr std::string_view kVersionFile = "系统配置.ini";
inline constexpr std::string_view kVersionSection = "系统配置";
inline constexpr std::string_view kVersionKey = "版本号";

}  // namespace app
