// Texts kept in INI files (GetPrivateProfileStringA / WritePrivateProfileStringA).
#pragma once

#include <string_view>

#include "runtime/byte_array.h"

namespace rt {

// The key's value, or `fallback` when the file, section or key is missing.
Text ReadIniText(std::string_view file, std::string_view section, std::string_view key,
                 std::string_view fallback = {});

// Writes the value, creating the file and section as needed.
bool WriteIniText(std::string_view file, std::string_view section, std::string_view key,
                  std::string_view value);

}  // namespace rt
