// Small text rules of the installation run, byte-exact in code page 936.
#pragma once

#include <string_view>

#include "runtime/byte_array.h"

namespace app {

// True when nothing is left of the text after removing half-width (" ")
// and full-width ("　") spaces.
bool IsBlankText(std::string_view text);

// The folder and the name joined by exactly one "\", whether or not the
// folder already ends in one.
rt::Text JoinPath(std::string_view folder, std::string_view name);

}  // namespace app
