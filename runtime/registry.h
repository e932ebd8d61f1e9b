// Registry texts. A path is the key path and the value name joined by "\",
// split at its last "\" ("SOFTWARE\X\Y\Name": key "SOFTWARE\X\Y", value "Name").
#pragma once

#include <string_view>

#include "runtime/byte_array.h"

namespace rt {

enum RegistryRoot : int {
  kRootClassesRoot = 1,
  kRootCurrentConfig = 2,
  kRootCurrentUser = 3,
  kRootLocalMachine = 4,
  kRootUsers = 5,
};

// The value as text (REG_SZ / REG_EXPAND_SZ); "" when the key or value is
// absent, or the root unknown.
Text ReadRegistryText(int root, std::string_view path);

// Writes the text as REG_SZ, creating the key as needed.
bool WriteRegistryValue(int root, std::string_view path, std::string_view value);

// Removes the value (tests clean up with it).
bool DeleteRegistryValue(int root, std::string_view path);

}  // namespace rt
