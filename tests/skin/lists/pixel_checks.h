// Expected colours of translucent drawing: a colour at an alpha laid over
// what was there, checked channel by channel with a small tolerance
// (GDI+ rounds, and Wine's GDI+ keeps premultiplied values).
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>

namespace quillora_test {

// DIB pixel value (0x00RRGGBB) of a COLORREF.
constexpr std::uint32_t DibRgb(COLORREF colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// `over` (a DIB colour) at `alpha` over `under`.
constexpr std::uint32_t Blend(std::uint32_t under, std::uint32_t over, int alpha) {
  std::uint32_t result = 0;
  for (int shift : {0, 8, 16}) {
    const int u = static_cast<int>((under >> shift) & 0xFF);
    const int o = static_cast<int>((over >> shift) & 0xFF);
    result |= static_cast<std::uint32_t>((o * alpha + u * (255 - alpha) + 127) / 255) << shift;
  }
  return result;
}

inline ::testing::AssertionResult NearRgb(std::uint32_t actual, std::uint32_t expected, int tolerance = 3) {
  for (int shift : {0, 8, 16}) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) {
      return ::testing::AssertionFailure() << std::hex << "pixel 0x" << (actual & 0xFFFFFF) << ", expected 0x"
                                           << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace quillora_test

#include "skin/core/engine_globals.h"

namespace quillora_test {

// Sets the engine's settings as the skin's start-up leaves them and puts
// the values found back when the test ends.
struct EngineDefaults {
  explicit EngineDefaults(int transparency = 0)
      : childControls(skin::SkinChildControls),
        mode(skin::TransparencyMode),
        alpha(skin::GlobalAlpha),
        accent(skin::AccentColour) {
    skin::SkinChildControls = 1;
    skin::TransparencyMode = transparency;
    skin::GlobalAlpha = 160;
    skin::AccentColour = 0xDDCA22;
  }
  ~EngineDefaults() {
    skin::SkinChildControls = childControls;
    skin::TransparencyMode = mode;
    skin::GlobalAlpha = alpha;
    skin::AccentColour = accent;
  }
  EngineDefaults(const EngineDefaults&) = delete;
  EngineDefaults& operator=(const EngineDefaults&) = delete;

  int childControls, mode, alpha;
  COLORREF accent;
};

}  // namespace quillora_test
