// Records the image wrappers fill and read: encoder parameters, property
// items, palettes, dimensions and locked pixel data.
#pragma once

#include <vector>

#include "gdip/gdiplus_api.h"
#include "runtime/byte_array.h"

namespace gdip {

// One encoder parameter: its GUID text, the number and GDI+ type of its
// values, and the value bytes.
struct EncoderParameterRecord {
  rt::Text id;
  int numberOfValues = 0;
  int type = 0;
  rt::ByteArray value;
};

// count must equal parameters.size().
struct EncoderParametersRecord {
  int count = 0;
  std::vector<EncoderParameterRecord> parameters;
};

// length is the number of value bytes.
struct PropertyItemRecord {
  int id = 0;
  int length = 0;
  int type = 0;
  rt::ByteArray value;
};

// count must not exceed entries.size().
struct PaletteRecord {
  int flags = 0;
  int count = 0;
  std::vector<ARGB> entries;
};

struct ImageDimension {
  REAL width = 0;
  REAL height = 0;
};

// What GdipBitmap::LockBits fills and UnlockBits takes back.
using BitmapData = Gdiplus::BitmapData;

// Number of bytes of one value of an encoder parameter type; 0 for a type
// whose size is unknown.
int EncoderValueSize(int type);

}  // namespace gdip
