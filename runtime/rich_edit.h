// Default character format of a rich edit control.
#pragma once

#include <cstdint>
#include <string_view>

#include "runtime/byte_array.h"

namespace rt {

// Effect bits of a CharFormat.
enum CharEffect : int {
  kEffectBold = 1,
  kEffectItalic = 2,
  kEffectUnderline = 4,
  kEffectStrikeOut = 8,
  kEffectProtected = 16,
};

inline constexpr std::uint32_t kAutomaticColour = 0xFF000000;

struct CharFormat {
  Text face;
  int sizePoints = 9;
  int offsetPoints = 0;   // baseline offset; positive raises the text
  int effects = 0;        // CharEffect bits
  std::uint32_t colour = kAutomaticColour;  // COLORREF, or kAutomaticColour
};

// The rich edit's default character format becomes the face, size x 20
// twips, offset x 20 twips, the effects and the colour.
bool SetRichEditDefaultFormat(std::string_view window, std::string_view richEdit, const CharFormat& format);

}  // namespace rt
