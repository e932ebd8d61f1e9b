// The process-wide theme behind every skinned window, and the title style
// of one main frame.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/byte_array.h"

namespace skin {

// Sets the theme and recomposes every visible skinned window. A picture is
// present when the file name or the bytes are not empty (the file wins).
// The theme colour defaults to the picture's average colour, the mode to 4;
// an accent of -1 follows the theme colour, an omitted one resets the
// accent to its default. Without a picture and a theme colour only the
// accent changes.
void SetSkinTheme(const rt::Text& imageFile, const rt::ByteArray& imageBytes,
                  std::optional<COLORREF> themeColour = std::nullopt,
                  std::optional<COLORREF> accentColour = std::nullopt,
                  std::optional<int> mode = std::nullopt);

// Changes the title font and colours of a skinned window (what is not
// given keeps its value) and redraws its title. False, changing nothing,
// for a window that is not skinned.
bool SetFrameTitleStyle(HWND window, std::optional<rt::Text> face = std::nullopt,
                        std::optional<int> size = std::nullopt,
                        std::optional<COLORREF> colour = std::nullopt,
                        std::optional<COLORREF> colour2 = std::nullopt,
                        std::optional<int> style = std::nullopt,
                        std::optional<int> effect = std::nullopt);

}  // namespace skin
