// A control's font as the GDI+ painters use it.
#pragma once

#include "runtime/byte_array.h"

namespace skin {

// The font of a control that has none, and of texts drawn without a face.
inline constexpr char kDefaultFontFace[] = "宋体";
inline constexpr int kDefaultFontSize = 12;

struct FontSpec {
  rt::Text face;  // family name
  int size = 0;   // em size in whole pixels
  int style = 0;  // GDI+ style bits: 1 bold, 2 italic, 4 underline, 8 strikeout
};

}  // namespace skin
