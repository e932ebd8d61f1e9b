#include "runtime/ini_file.h"

#include <windows.h>

namespace rt {
namespace {

// Passed as the system call's default, so a missing key is told from an
// empty value and the caller's default keeps its blanks.
constexpr char kMissing[] = "\x7F<missing>\x7F";

}  // namespace

Text ReadIniText(std::string_view file, std::string_view section, std::string_view key,
                 std::string_view fallback) {
  const Text path(file), sectionName(section), keyName(key);
  Text buffer(256, '\0');
  for (;;) {
    const DWORD length = GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(), kMissing, buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), path.c_str());
    if (length + 1 < buffer.size()) {
      buffer.resize(length);
      break;
    }
    buffer.assign(buffer.size() * 2, '\0');  // truncated: try again with more room
  }
  if (buffer == kMissing) return Text(fallback);
  return buffer;
}

bool WriteIniText(std::string_view file, std::string_view section, std::string_view key,
                  std::string_view value) {
  const Text path(file), sectionName(section), keyName(key), text(value);
  return WritePrivateProfileStringA(sectionName.c_str(), keyName.c_str(), text.c_str(), path.c_str()) != FALSE;
}

}  // namespace rt
