#include "gdip/wide_text.h"

#include <cstring>

namespace gdip {

rt::ByteArray ToWideBytes(const rt::Text& text) {
  if (text.empty()) return {};
  const int units = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (units <= 0) return {};
  // The terminator's two bytes stay zero.
  std::vector<WCHAR> wide(static_cast<std::size_t>(units), 0);
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide.data(), units - 1);
  rt::ByteArray bytes(wide.size() * sizeof(WCHAR));
  std::memcpy(bytes.data(), wide.data(), bytes.size());
  return bytes;
}

rt::Text FromWideBytes(const WCHAR* wide) {
  if (wide == nullptr) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  rt::Text text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, -1, text.data(), size, nullptr, nullptr);
  text.resize(std::strlen(text.c_str()));
  return text;
}

WideArg WideArg::Ansi(const rt::Text& text) { return Utf16(ToWideBytes(text)); }

WideArg WideArg::Utf16(const rt::ByteArray& wideBytes) {
  WideArg arg;
  if (wideBytes.empty()) return arg;
  const std::size_t units = wideBytes.size() / sizeof(WCHAR);
  arg.units_.resize(units);
  std::memcpy(arg.units_.data(), wideBytes.data(), units * sizeof(WCHAR));
  std::size_t length = 0;
  while (length < units && arg.units_[length] != 0) ++length;
  if (length == units) {
    arg.units_.clear();
    arg.valid_ = false;
    return arg;
  }
  arg.length_ = static_cast<INT>(length);
  if (length == 0) arg.units_.clear();
  return arg;
}

}  // namespace gdip
