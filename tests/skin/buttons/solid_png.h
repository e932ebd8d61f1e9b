// Small one-colour PNG pictures for the painters that draw a record's
// images, and the bounding box of where such a colour shows.
#pragma once

#include <windows.h>

#include "gdip/gdip_bitmap.h"
#include "runtime/byte_array.h"

namespace quillora_test {

// An opaque width x height PNG of one colour (a COLORREF).
inline rt::ByteArray SolidPng(int width, int height, COLORREF colour) {
  gdip::GdipBitmap bitmap;
  if (!bitmap.Create(width, height)) return {};
  const gdip::ARGB argb =
      0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | static_cast<gdip::ARGB>(GetBValue(colour));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, argb);
  return bitmap.SaveToStream(rt::Text("{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}"));
}

}  // namespace quillora_test
