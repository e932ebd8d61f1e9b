#include "runtime/path_text.h"

#include <windows.h>

namespace rt {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

}  // namespace

std::size_t LastSeparator(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
      ++i;
    } else if (IsSeparator(path[i])) {
      last = i;
    }
  }
  return last;
}

bool EndsWithSeparator(std::string_view path) {
  return !path.empty() && LastSeparator(path) == path.size() - 1;
}

Text WithTrailingSeparator(std::string_view folder) {
  Text text(folder);
  if (!EndsWithSeparator(text)) text += '\\';
  return text;
}

std::wstring WideFromAnsi(std::string_view text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace rt
