#include "runtime/registry.h"

#include <windows.h>

#include <utility>

namespace rt {
namespace {

class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(RegistryKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}
  RegistryKey& operator=(RegistryKey&&) = delete;
  RegistryKey(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY get() const { return key_; }
  HKEY* out() { return &key_; }
  explicit operator bool() const { return key_ != nullptr; }

 private:
  HKEY key_ = nullptr;
};

HKEY RootKey(int root) {
  switch (root) {
    case kRootClassesRoot: return HKEY_CLASSES_ROOT;
    case kRootCurrentConfig: return HKEY_CURRENT_CONFIG;
    case kRootCurrentUser: return HKEY_CURRENT_USER;
    case kRootLocalMachine: return HKEY_LOCAL_MACHINE;
    case kRootUsers: return HKEY_USERS;
    default: return nullptr;
  }
}

struct KeyAndValue {
  Text key;
  Text value;
};

// Splits at the last "\" (a trail byte of a two-byte character is not one).
KeyAndValue SplitPath(std::string_view path) {
  std::size_t cut = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
      ++i;
    } else if (path[i] == '\\') {
      cut = i;
    }
  }
  if (cut == std::string_view::npos) return {Text(), Text(path)};
  return {Text(path.substr(0, cut)), Text(path.substr(cut + 1))};
}

}  // namespace

Text ReadRegistryText(int root, std::string_view path) {
  const HKEY rootKey = RootKey(root);
  if (!rootKey) return {};
  const KeyAndValue parts = SplitPath(path);
  RegistryKey key;
  if (RegOpenKeyExA(rootKey, parts.key.c_str(), 0, KEY_QUERY_VALUE, key.out()) != ERROR_SUCCESS) return {};
  DWORD type = 0, size = 0;
  if (RegQueryValueExA(key.get(), parts.value.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
  Text text(size, '\0');
  if (size > 0 && RegQueryValueExA(key.get(), parts.value.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
    return {};
  text.resize(size);
  while (!text.empty() && text.back() == '\0') text.pop_back();
  return text;
}

bool WriteRegistryValue(int root, std::string_view path, std::string_view value) {
  const HKEY rootKey = RootKey(root);
  if (!rootKey) return false;
  const KeyAndValue parts = SplitPath(path);
  RegistryKey key;
  if (RegCreateKeyExA(rootKey, parts.key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                      key.out(), nullptr) != ERROR_SUCCESS)
    return false;
  const Text data(value);
  return RegSetValueExA(key.get(), parts.value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool DeleteRegistryValue(int root, std::string_view path) {
  const HKEY rootKey = RootKey(root);
  if (!rootKey) return false;
  const KeyAndValue parts = SplitPath(path);
  RegistryKey key;
  if (RegOpenKeyExA(rootKey, parts.key.c_str(), 0, KEY_SET_VALUE, key.out()) != ERROR_SUCCESS) return false;
  return RegDeleteValueA(key.get(), parts.value.c_str()) == ERROR_SUCCESS;
}

}  // namespace rt
