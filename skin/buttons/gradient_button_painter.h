// The gradient-button painter: picture buttons with a face image per state.
#pragma once

#include <windows.h>

#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "skin/buttons/button_look.h"

namespace skin {

// Paints a gradient button into dc (the caller's, left for the caller to
// release) and into the host's composition image. The state's own image
// when it has one; otherwise the normal image, over a rounded frame and a
// gradient that mark the state. Hover wins over pressed; focus has no look
// of its own. A window that is not a listed button is not painted.
void PaintGradientButton(HWND window, HDC dc, int state, const RECT* rectangle);

// What a gradient button shows besides its state. The images point into
// the record.
struct GradientButtonLook {
  ButtonCaption caption;
  const rt::ByteArray* normalImage = nullptr;
  const rt::ByteArray* hoverImage = nullptr;
  const rt::ByteArray* pressedImage = nullptr;
  const rt::ByteArray* disabledImage = nullptr;
  bool stretchImages = false;  // drawn at the button's size less one pixel, not their own
};

// Draws the gradient button for the item-state bits in `state`: of
// `area` only its size counts, the drawing starts at the image's corner.
void DrawGradientButton(gdip::GdipGraphics& graphics, const RECT& area, int state, const GradientButtonLook& look);

}  // namespace skin
