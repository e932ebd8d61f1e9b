// What a shown window presents, read from the window's own surface instead
// of the screen: the screen shows it only once the display has mapped and
// flushed it, on its own time, and any other window standing over it
// changes what is read there.
#pragma once

#include <windows.h>

#include <cstdint>

#include "runtime/gdi_object.h"

namespace quillora_test {

// Pixel of `topLevel`'s window surface (frame and children included) at a
// screen point, as a DIB colour (0x00RRGGBB); 0xFF000000 outside it.
inline std::uint32_t WindowSurfaceRgb(HWND topLevel, int screenX, int screenY) {
  RECT window{};
  GetWindowRect(topLevel, &window);
  // A window DC without DCX_CLIPCHILDREN covers the children too.
  const rt::WindowDc dc(topLevel, GetDCEx(topLevel, nullptr, DCX_WINDOW | DCX_CACHE));
  const COLORREF c = GetPixel(dc.get(), screenX - window.left, screenY - window.top);
  if (c == CLR_INVALID) return 0xFF000000u;
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

}  // namespace quillora_test
