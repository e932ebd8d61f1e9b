// The engine's colour rule: settings and records hold COLORREF (red in the
// low byte); GDI+ takes ARGB (blue in the low byte, alpha on top). Every
// painter converts at the moment it draws, through these two routines.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace skin {

// Colours the painters share.
inline constexpr COLORREF kWhite = 0xFFFFFF;
inline constexpr COLORREF kBlack = 0x000000;
inline constexpr COLORREF kRed = 0x0000FF;

// GDI+ ARGB of a COLORREF. The colour's own top byte is dropped, so -1
// gives white; alpha keeps only its low byte and is 255 when not given.
std::uint32_t ToArgb(COLORREF colour, std::optional<int> alpha = std::nullopt);

// COLORREF of a GDI+ pixel value; its alpha byte goes to `alpha`.
COLORREF PixelToColor(std::uint32_t argb, std::uint8_t& alpha);

// The 16-bit halves of a message parameter. HighWord keeps the sign, as
// mouse coordinates need.
int LowWord(std::int32_t value);
int HighWord(std::int32_t value);

}  // namespace skin
