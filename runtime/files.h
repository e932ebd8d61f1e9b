// Plain file services; failures show only in the results.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "runtime/byte_array.h"

namespace rt {

// True when the path names an existing file or folder.
bool FileExists(std::string_view path);

// Deletes the file (a read-only one too).
bool RemoveFile(std::string_view path);

// Creates one folder level; true when it exists afterwards.
bool MakeDirectory(std::string_view path);

// Creates every missing level of the folder path.
bool MakeDirectories(std::string_view path);

// Creates or truncates the file and writes the bytes (none give an empty
// file). A text contributes its characters, no terminating zero.
bool WriteBytesToFile(std::string_view path, std::span<const std::uint8_t> bytes);
bool WriteBytesToFile(std::string_view path, std::string_view text);

// The whole content of a file; empty when it cannot be read.
ByteArray ReadFileBytes(std::string_view path);

}  // namespace rt
