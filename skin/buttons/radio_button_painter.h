// The radio-button painter, for auto radio buttons.
#pragma once

#include <windows.h>

#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "skin/buttons/check_box_painter.h"

namespace skin {

// Paints a skinned auto radio button through its own window DC, over the
// skin background, and puts the image into the host's composition image.
// itemState: ODS_DISABLED, ODS_HOTLIGHT and ODS_SELECTED count (pressed
// only with hover). A window that is not a listed button is not painted.
void PaintRadioButton(HWND window, int itemState);

// The radio look into the control rectangle (left, top, width, height): a
// white shaded circle, an accent glow on hover and an accent dot when
// checked; or, with useStateImages, the eight state images (the same set a
// check box has). Then the caption. clipRect, when given, replaces the clip
// {left, top, left + width + 1, top + height + 1}.
void DrawRadioButton(gdip::GdipGraphics& graphics, int left, int top, int width, int height,
                     const rt::Text& caption, bool hover, bool checked, bool pressed, bool disabled,
                     bool useStateImages, const CheckBoxImages& images, const rt::Text& fontFace, int fontSize,
                     int fontStyle, COLORREF textColour, bool useEffect, COLORREF effectColour,
                     const RECT* clipRect = nullptr, int effectFactor = 4);

}  // namespace skin
