// Owned, length-counted byte buffers and the program's texts.
//
// Texts are zero-terminated 8-bit strings in code page 936; std::string
// holds them with their byte length. Every embedded picture, archive and
// sound is a ByteArray.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rt {

using ByteArray = std::vector<std::uint8_t>;
using Text = std::string;

}  // namespace rt
