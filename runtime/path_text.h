// Byte-level helpers for CP936 path texts: a "\" byte that trails a lead
// byte belongs to a two-byte character and is never a separator.
#pragma once

#include <string>
#include <string_view>

#include "runtime/byte_array.h"

namespace rt {

// True when the last character of the text is "\" or "/".
bool EndsWithSeparator(std::string_view path);

// The folder text followed by one "\" (none added when it already ends in
// a separator).
Text WithTrailingSeparator(std::string_view folder);

// Offset of the last "\" or "/" character, npos when there is none.
std::size_t LastSeparator(std::string_view path);

// UTF-16 copy of an ANSI text, for the few calls that take only wide texts.
std::wstring WideFromAnsi(std::string_view text);

}  // namespace rt
