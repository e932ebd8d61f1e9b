// The push-button painter: a translucent rounded face over the window's
// skin background, one look per state, and the centred caption.
#pragma once

#include <windows.h>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_path.h"
#include "skin/buttons/button_look.h"
#include "skin/core/nine_grid_image.h"

namespace skin {

// Paints a skinned push button. `state` holds owner-draw item-state bits
// (ODS_SELECTED, ODS_DISABLED, ODS_FOCUS, ODS_HOTLIGHT); `rectangle` is its
// client rectangle. The image goes into the host's composition image and
// onto dc, except the hover look, which fades in. dc stays the caller's; an
// unusable one (no device width) is replaced by the window's own DC. A
// window that is not a listed button is not painted.
void PaintPushButton(HWND window, HDC dc, int state, const RECT* rectangle);

// What a push button shows besides its state.
struct PushButtonLook {
  ButtonCaption caption;
  COLORREF disabledColour = 0;    // "Kj_Jzzts": a plain caption's colour when disabled
  NineGridImage* face = nullptr;  // the button's loaded face, else its window's, else none
};

// Draws the push button's face and caption into `area` for the item-state
// bits in `state`.
void DrawPushButton(gdip::GdipGraphics& graphics, const RECT& area, int state, const PushButtonLook& look);

// Outlines the path `count` times with one pen of the colour, width 1, 2,
// ... count: clipped to the path, a soft line fading inwards.
void DrawGlow(gdip::GdipGraphics& graphics, const gdip::GdipPath& path, int count, COLORREF colour, int alpha);

}  // namespace skin
