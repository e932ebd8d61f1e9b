#include "app/display_path.h"

#include <windows.h>

#include "runtime/path_text.h"

namespace app {
namespace {

constexpr DWORD kShortPathBufferSize = 255;

// The system's short form, or "" when it has none or it does not fit.
rt::Text SystemShortForm(const rt::Text& path) {
  char buffer[kShortPathBufferSize];
  const DWORD length = GetShortPathNameA(path.c_str(), buffer, kShortPathBufferSize);
  // 0 is a failure; a length beyond the buffer means it did not fit.
  if (length == 0 || length >= kShortPathBufferSize) return {};
  return rt::Text(buffer, length);
}

// The name's short form inside its folder, or "" when the file is missing.
rt::Text ShortNameOf(const rt::Text& path, std::string_view name) {
  if (IsShortFileName(name)) return rt::Text(name);
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  FindClose(search);
  // A name without a short name of its own is its own short form.
  const std::string_view alternate(found.cAlternateFileName);
  return alternate.empty() ? rt::Text(name) : rt::Text(alternate);
}

}  // namespace

rt::Text ShortenPathForDisplay(std::string_view path) {
  const rt::Text full(path);
  rt::Text shortPath = SystemShortForm(full);
  return shortPath.empty() ? full : shortPath;
}

bool IsShortFileName(std::string_view name) {
  constexpr std::string_view kRefused = " \"*+,/:;<=>?[\\]|~";
  const std::size_t dot = name.find('.');
  const std::string_view base = name.substr(0, dot);
  if (base.empty() || base.size() > 8) return false;
  if (dot != std::string_view::npos) {
    const std::string_view extension = name.substr(dot + 1);
    if (extension.empty() || extension.size() > 3 || extension.find('.') != std::string_view::npos) return false;
  }
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte >= 0x80 || kRefused.find(c) != std::string_view::npos) return false;
  }
  return true;
}

rt::Text DisplayPathShortener::ShortFolder(std::string_view folder) {
  const rt::Text key(folder);
  if (const auto known = known_.find(key); known != known_.end()) return known->second;
  rt::Text shortForm;
  const std::size_t cut = rt::LastSeparator(folder);
  const auto parent = cut == std::string_view::npos ? known_.end() : known_.find(rt::Text(folder.substr(0, cut)));
  if (parent == known_.end()) {
    shortForm = SystemShortForm(key);
  } else {
    // A subfolder of a folder looked up before: only its own name is new.
    const rt::Text name = ShortNameOf(key, folder.substr(cut + 1));
    if (!name.empty()) shortForm = parent->second + folder[cut] + name;
  }
  // A folder without a short form (missing, say) is asked again next time:
  // it may exist by then.
  if (!shortForm.empty()) known_.emplace(key, shortForm);
  return shortForm;
}

rt::Text DisplayPathShortener::Shorten(std::string_view path) {
  const std::size_t cut = rt::LastSeparator(path);
  // A name in a drive's root or without a folder: the system answers directly.
  if (cut == std::string_view::npos || cut < 3) return ShortenPathForDisplay(path);
  const rt::Text shortFolder = ShortFolder(path.substr(0, cut));
  const rt::Text full(path);
  if (shortFolder.empty()) return full;
  rt::Text shortPath = shortFolder + path[cut];
  const std::string_view name = path.substr(cut + 1);
  if (!name.empty()) {
    const rt::Text shortName = ShortNameOf(full, name);
    if (shortName.empty()) return full;
    shortPath += shortName;
  }
  return shortPath.size() < kShortPathBufferSize ? shortPath : full;
}

}  // namespace app
