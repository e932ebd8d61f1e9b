#include "app/install_text.h"

#include <windows.h>

#include "runtime/path_text.h"

namespace app {
namespace {

// The full-width space of code page 936.
constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

}  // namespace

bool IsBlankText(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(text[i]))) {
      if (text.substr(i, 2) != kFullWidthSpace) return false;
      ++i;  // a two-byte character: never split, so a trail byte is not mistaken for a space
    } else if (text[i] != ' ') {
      return false;
    }
  }
  return true;
}

rt::Text JoinPath(std::string_view folder, std::string_view name) {
  rt::Text path = rt::WithTrailingSeparator(folder);
  path += name;
  return path;
}

}  // namespace app
