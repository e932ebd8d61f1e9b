// The radio-button painter, for auto radio buttons.
#pragma once

#include <windows.h>

#include "gdip/gdip_graphics.h"
#include "skin/buttons/check_button_painter.h"

namespace skin {

// Paints a skinned auto radio button through its own window DC, over the
// skin background, and puts the image into the host's composition image.
// itemState: ODS_DISABLED, ODS_HOTLIGHT and ODS_SELECTED count (pressed
// only with hover). A window that is not a listed button is not painted.
void PaintRadioButton(HWND window, int itemState);

// The radio look into the control rectangle `bounds`, clipped to it and
// one pixel more to the right and bottom: a white shaded circle, an accent
// glow on hover and an accent dot when checked; or, with useStateImages,
// the eight state images (the same set a check box has). Then the caption.
void DrawRadioButton(gdip::GdipGraphics& graphics, const RECT& bounds, const CheckButtonState& state,
                     const CheckButtonLook& look);

}  // namespace skin
