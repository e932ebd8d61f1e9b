#include "skin/core/colour_convert.h"

namespace skin {

std::uint32_t ToArgb(COLORREF colour, std::optional<int> alpha) {
  const std::uint32_t a = alpha ? static_cast<std::uint32_t>(*alpha) & 0xFF : 0xFF;
  const std::uint32_t r = colour & 0xFF;
  const std::uint32_t g = (colour >> 8) & 0xFF;
  const std::uint32_t b = (colour >> 16) & 0xFF;
  return (a << 24) | (r << 16) | (g << 8) | b;
}

COLORREF PixelToColor(std::uint32_t argb, std::uint8_t& alpha) {
  alpha = static_cast<std::uint8_t>(argb >> 24);
  return (argb & 0xFF00) | ((argb >> 16) & 0xFF) | ((argb & 0xFF) << 16);
}

int LowWord(std::int32_t value) { return value & 0xFFFF; }

int HighWord(std::int32_t value) { return value >> 16; }

}  // namespace skin
