// A control's font as the GDI+ painters use it, and text widths in a font.
#pragma once

#include <windows.h>

#include "runtime/byte_array.h"
#include "skin/core/font_spec.h"

namespace skin {

// The face, whole em size and GDI+ style of the window's WM_GETFONT font;
// "宋体", 12, regular when it has none (or GDI+ cannot say).
FontSpec GetControlFont(HWND window);

// The laid-out width of the text in that font on the screen, in whole
// pixels plus one.
int MeasureTextWidth(const rt::Text& text, const rt::Text& face, int size, int style);

}  // namespace skin
