// The skinned host window the paint benchmarks stage their controls in: a
// record with a white background picture and an empty composition picture.
#pragma once

#include <windows.h>

#include <utility>

#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_window_table.h"
#include "skin/core/window_properties.h"

namespace bench {

// Registers `frame` as a skinned window of width x height; its index.
inline int AddWhiteSkinWindow(HWND frame, int width, int height, bool active = false) {
  auto record = skin::MakeSkinWindowRecord(frame);
  record->width = width;
  record->height = height;
  if (active) record->active = 1;
  record->backgroundDc = skin::CreateDibDc({0, 0, width, height});
  record->compositionDc = skin::CreateDibDc({0, 0, width, height});
  PatBlt(record->backgroundDc.get(), 0, 0, width, height, WHITENESS);
  const int index = skin::SkinWindowTable.Append(std::move(record));
  skin::prop::Write(frame, skin::prop::kIndex, index);
  return index;
}

}  // namespace bench
