#include "runtime/embedded_resource.h"

#include <windows.h>

namespace rt {

std::span<const std::uint8_t> EmbeddedBytesView(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  if (!info) return {};
  HGLOBAL loaded = LoadResource(module, info);  // not freed: module resources live with the module
  const DWORD size = SizeofResource(module, info);
  const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
  if (!data || size == 0) return {};
  return {data, size};
}

ByteArray LoadEmbeddedBytes(int id) {
  const std::span<const std::uint8_t> bytes = EmbeddedBytesView(id);
  return ByteArray(bytes.begin(), bytes.end());
}

}  // namespace rt
