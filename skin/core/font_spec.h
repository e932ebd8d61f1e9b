// A control's font as the GDI+ painters use it.
#pragma once

#include "runtime/byte_array.h"

namespace skin {

struct FontSpec {
  rt::Text face;  // family name
  int size = 0;   // em size in whole pixels
  int style = 0;  // GDI+ style bits: 1 bold, 2 italic, 4 underline, 8 strikeout
};

}  // namespace skin
