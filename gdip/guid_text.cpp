#include "gdip/guid_text.h"

#include <cstring>

#include "gdip/wide_text.h"

namespace gdip {

rt::Text GuidToText(const GUID& guid) {
  WCHAR text[39] = {};
  if (StringFromGUID2(guid, text, 39) == 0) return {};
  return FromWideBytes(text);
}

rt::Text GuidToText(const rt::ByteArray& bytes) {
  if (bytes.size() != sizeof(GUID)) return {};
  GUID guid;
  std::memcpy(&guid, bytes.data(), sizeof guid);
  return GuidToText(guid);
}

GUID GuidFromText(const rt::Text& text) {
  GUID guid{};
  const WideArg wide = WideArg::Ansi(text);
  if (wide.text() == nullptr) return guid;
  // CLSIDFromString takes a writable string in older headers.
  std::vector<WCHAR> units(wide.text(), wide.text() + wide.length() + 1);
  if (FAILED(CLSIDFromString(units.data(), &guid))) guid = GUID{};
  return guid;
}

rt::ByteArray TextToGuid(const rt::Text& text) {
  const GUID guid = GuidFromText(text);
  rt::ByteArray bytes(sizeof guid);
  std::memcpy(bytes.data(), &guid, sizeof guid);
  return bytes;
}

}  // namespace gdip
