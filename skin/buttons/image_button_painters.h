// The image-button and image-check-box painters.
#pragma once

#include <windows.h>

#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "skin/buttons/button_look.h"
#include "skin/core/decoded_picture.h"
#include "skin/core/nine_grid_image.h"

namespace skin {

// Paints an image button into dc (the caller's, left for the caller to
// release) and into the host's composition image: a flat face on hover, on
// focus and when disabled (also at rest with the record's highlight), the
// record's image beside or above the caption. ODS_SELECTED changes
// nothing. A window that is not a listed button is not painted.
void PaintImageButton(HWND window, HDC dc, int state, const RECT* rectangle);

// What an image button shows besides its state.
struct ImageButtonLook {
  ButtonCaption caption;
  NineGridImage* face = nullptr;         // the record's loaded face; none: the drawn face
  bool highlight = false;                // the focus face also at rest
  bool imageBesideCaption = false;       // else above it
  const rt::ByteArray* image = nullptr;  // the record's normal image
  RECT client{};                         // the window's client area, which a caption beside the image fills
  const DecodedPicture* decoded = nullptr;  // where the image is kept decoded; none: decoded for the paint
};

// Draws the image button's face into `area`, then its image and caption,
// for the item-state bits in `state`.
void DrawImageButton(gdip::GdipGraphics& graphics, const RECT& area, int state, const ImageButtonLook& look);

// Paints an image check box through its own window DC: the pressed image
// when checked, else the normal one, under a grey veil when disabled. A
// window that is not a listed button is not painted.
void PaintImageCheckBox(HWND window, int itemState);

}  // namespace skin
