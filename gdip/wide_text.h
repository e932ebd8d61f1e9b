// Texts handed to and read from GDI+: the program's ANSI-code-page texts
// against GDI+'s zero-terminated UTF-16 strings.
#pragma once

#include <vector>

#include "gdip/gdiplus_api.h"
#include "runtime/byte_array.h"

namespace gdip {

// The text in UTF-16LE with one zero unit after it; an empty text gives an
// empty array.
rt::ByteArray ToWideBytes(const rt::Text& text);

// A zero-terminated UTF-16 string back in the ANSI code page; a null or
// empty string gives the empty text.
rt::Text FromWideBytes(const WCHAR* wide);

// A string argument of one flat call, as GDI+ takes it: null with length 0
// for an empty text, else the units up to the first zero and their count.
class WideArg {
 public:
  // A program text, converted with ToWideBytes.
  static WideArg Ansi(const rt::Text& text);
  // A UTF-16 byte array passed as it is; it must end with a zero unit.
  static WideArg Utf16(const rt::ByteArray& wideBytes);

  // False for a byte array without its terminating zero unit: such an
  // argument is refused before any flat call.
  bool valid() const { return valid_; }
  const WCHAR* text() const { return units_.empty() ? nullptr : units_.data(); }
  INT length() const { return length_; }

 private:
  std::vector<WCHAR> units_;
  INT length_ = 0;
  bool valid_ = true;
};

}  // namespace gdip
