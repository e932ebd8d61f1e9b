// The check-box painters: the glyph look every check box of the program
// shows (pieces of GlyphStrip, or a frame of the click animation), the
// drawn vector look, and the accent-tinted check mark.
#pragma once

#include <windows.h>

#include <optional>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "skin/buttons/check_button_painter.h"
#include "skin/core/decoded_picture.h"

namespace skin {

// Paints a skinned check box through its own window DC, over the skin
// background, and puts the image into the host's composition image.
// itemState: ODS_DISABLED, ODS_HOTLIGHT and ODS_SELECTED count (pressed
// only with hover). With `animationFrame` a frame of the click animation
// is shown. A window that is not a listed button is not painted.
void PaintCheckBox(HWND window, int itemState, std::optional<int> animationFrame = std::nullopt);

// The glyph look into the control rectangle `bounds`, clipped to it and
// one pixel more to the right and bottom.
void DrawCheckBoxFrames(gdip::GdipGraphics& graphics, const RECT& bounds, const CheckButtonState& state,
                        const CheckButtonLook& look);

// The vector look: a white box with a gradient and frame, an accent glow
// on hover and the tinted check mark; or, with useStateImages, the state
// images. `tintedMark` is the tinted check mark to draw (one is made for
// this drawing when it is null). Clipped as the glyph look.
void DrawCheckBox(gdip::GdipGraphics& graphics, const RECT& bounds, const CheckButtonState& state,
                  const CheckButtonLook& look, gdip::GdipImage* tintedMark = nullptr);

// Recolours the check mark's pixels with AccentColour: each channel scales
// the accent's, the alpha follows the pixel's darkness, and pure white
// stays as it is.
void TintCheckMark(gdip::GdipBitmap& bitmap);

// The embedded check mark so recoloured, as PNG bytes. Built anew on every
// call.
rt::ByteArray MakeTintedCheckMark();

// The tinted check mark kept decoded in `kept`, tinted again when
// AccentColour has changed since.
gdip::GdipImage* KeptTintedCheckMark(const DecodedPicture& kept);

}  // namespace skin
