#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "skin/core/colour_convert.h"

namespace {

struct ArgbCase {
  COLORREF colour;
  std::optional<int> alpha;
  std::uint32_t argb;
};

TEST(ToArgb, SwapsRedAndBlueAndPutsTheAlphaOnTop) {
  const ArgbCase cases[] = {
      {0xDDCA22, std::nullopt, 0xFF22CADD},  // opaque unless an alpha is given
      {0xDDCA22, 128, 0x8022CADD},
      {0xDDCA22, 300, 0x2C22CADD},           // only the alpha's low byte counts
      {0xDDCA22, 0, 0x0022CADD},
      {static_cast<COLORREF>(-1), std::nullopt, 0xFFFFFFFF},  // "no colour" is white
      {static_cast<COLORREF>(-1), 60, 0x3CFFFFFF},
      {0x7F0000FF, std::nullopt, 0xFFFF0000},  // the colour's top byte is dropped
      {0x000000, std::nullopt, 0xFF000000},
  };
  for (const ArgbCase& c : cases) {
    EXPECT_EQ(skin::ToArgb(c.colour, c.alpha), c.argb)
        << std::hex << "colour " << c.colour << " alpha " << c.alpha.value_or(-1);
  }
}

TEST(PixelToColor, UndoesToArgbAndHandsOutTheAlpha) {
  const struct {
    std::uint32_t argb;
    COLORREF colour;
    std::uint8_t alpha;
  } cases[] = {
      {0xFF22CADD, 0xDDCA22, 0xFF},
      {0x80123456, 0x563412, 0x80},
      {0x00000000, 0x000000, 0x00},
      {0xFFFFFFFF, 0xFFFFFF, 0xFF},
  };
  for (const auto& c : cases) {
    std::uint8_t alpha = 0x5A;
    EXPECT_EQ(skin::PixelToColor(c.argb, alpha), c.colour) << std::hex << c.argb;
    EXPECT_EQ(alpha, c.alpha) << std::hex << c.argb;
    EXPECT_EQ(skin::ToArgb(c.colour, alpha), c.argb);
  }
}

TEST(WordHalves, HighWordKeepsTheSignLowWordDoesNot) {
  const struct {
    std::int32_t value;
    int low, high;
  } cases[] = {
      {static_cast<std::int32_t>(0xFFFF0005), 5, -1},
      {static_cast<std::int32_t>(0x8000FFFF), 0xFFFF, -32768},
      {0x7FFF1234, 0x1234, 0x7FFF},
      {0x00010000, 0, 1},
      {0, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(skin::LowWord(c.value), c.low) << std::hex << c.value;
    EXPECT_EQ(skin::HighWord(c.value), c.high) << std::hex << c.value;
  }
}

}  // namespace
