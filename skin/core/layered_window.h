// Switching windows to layered painting and feeding them per-pixel alpha.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Adds WS_EX_LAYERED unless the window has it. With `transparent`, adds
// WS_EX_LAYERED and WS_EX_TRANSPARENT together, and nothing when either is
// there already.
void MakeLayered(HWND window, bool transparent = false);

// Makes the window layered with a constant alpha and a colour key
// (0xFF00FF unless given).
void SetWindowAlpha(HWND window, int alpha, std::optional<COLORREF> colourKey = std::nullopt);

// UpdateLayeredWindow with per-pixel alpha. Whatever is not given takes
// the window's own value: its current position and size, alpha 255, and
// its skin record's backgroundDc as the source (nothing happens when the
// window has no valid skin record).
void UpdateLayeredFromBuffer(HWND window, std::optional<HDC> source = std::nullopt,
                             std::optional<int> alpha = std::nullopt,
                             std::optional<int> x = std::nullopt, std::optional<int> y = std::nullopt,
                             std::optional<int> width = std::nullopt,
                             std::optional<int> height = std::nullopt, int sourceX = 0,
                             int sourceY = 0);

}  // namespace skin
