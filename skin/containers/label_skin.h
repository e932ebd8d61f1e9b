// The label skin: a label's text drawn with GDI+ over the skinned window's
// background, in the font, colour, alignment and halo the caller chose.
// While its record is clean the label shows its last image again, copied
// from the host's composition image.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/byte_array.h"
#include "skin/core/control_records.h"

namespace skin {

// Skins one label of a skinned window (or of a window inside one). Omitted:
// "宋体" 12, style 0, black, no halo, left, centred vertically, one line.
// Returns 1 when the label is skinned (also when it was already), 0 when it
// lies in no skinned window or another skin has subclassed it; nothing
// changes then. Runs whatever SkinChildControls says.
int SkinLabel(HWND label, std::optional<rt::Text> face = std::nullopt,
              std::optional<int> size = std::nullopt, int style = 0,
              std::optional<COLORREF> colour = std::nullopt,
              std::optional<COLORREF> haloColour = std::nullopt,
              std::optional<int> alignment = std::nullopt,
              std::optional<int> lineAlignment = std::nullopt, int wrap = 0);

// Window procedure of a skinned label.
LRESULT CALLBACK LabelSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the label now with `text`, or its window text when none is given,
// into the host's composition image and onto the label; the record is
// clean afterwards.
void PaintLabel(HWND label, std::optional<rt::Text> text = std::nullopt);

// Draws `text` as the record says into `dc`, which holds the background of
// the label's client area `area` (from 0, 0).
void DrawLabel(HDC dc, const RECT& area, const LabelRecord& record, const rt::Text& text);

}  // namespace skin
