// The skinned host window the paint benchmarks stage their controls in: a
// record with a white background picture and an empty composition picture.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

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

// The host's composition pixels under a window of the first skinned
// window, to compare a paint from a kept image with a fresh one.
inline std::vector<std::uint32_t> ComposedPixels(HWND window) {
  HDC composition = skin::SkinWindowTable.At(1).compositionDc.get();
  RECT place{};
  GetWindowRect(window, &place);
  MapWindowPoints(HWND_DESKTOP, skin::SkinWindowTable.At(1).hwnd, reinterpret_cast<POINT*>(&place), 2);
  std::vector<std::uint32_t> pixels;
  for (int y = place.top; y < place.bottom; ++y)
    for (int x = place.left; x < place.right; ++x) pixels.push_back(GetPixel(composition, x, y));
  return pixels;
}

}  // namespace bench
