// The combo box's whole face, painted by the skin: a plate over the host's
// background with the child windows' areas keyed out, a border, the drop
// button and, for a drop-down list, the current text.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/core/control_records.h"

namespace skin {

// Key colour of the areas a painter leaves to the windows on top of them.
inline constexpr COLORREF kComboKeyColour = 0xFF00FF;

// Draws the face of `record`'s combo box (window size width x height) over
// what `dc` holds.
void DrawComboFace(HDC dc, int width, int height, const ComboRecord& record, int hover, int focused);

// Paints combo box `comboIndex` of window `windowIndex` onto its window DC
// and into the host's composition image, its keyed areas untouched. Both
// indices must be in range. An omitted focus comes from the record.
void PaintComboBox(int windowIndex, int comboIndex, std::optional<int> hover = std::nullopt,
                   std::optional<int> focused = std::nullopt);

}  // namespace skin
