// The check-box painters: the glyph look every check box of the program
// shows (pieces of GlyphStrip, or a frame of the click animation), the
// drawn vector look, and the accent-tinted check mark.
#pragma once

#include <windows.h>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "skin/core/decoded_picture.h"

namespace skin {

// Paints a skinned check box through its own window DC, over the skin
// background, and puts the image into the host's composition image.
// itemState: ODS_DISABLED, ODS_HOTLIGHT and ODS_SELECTED count (pressed
// only with hover). With animate, `frame` picks a click-animation frame. A
// window that is not a listed button is not painted.
void PaintCheckBox(HWND window, int itemState, int animate = 0, int frame = 0);

// The glyph look into the control rectangle (left, top, width, height).
// clipRect, when given, replaces the clip {left, top, left + width + 1,
// top + height + 1}.
void DrawCheckBoxFrames(gdip::GdipGraphics& graphics, int left, int top, int width, int height,
                        const rt::Text& caption, bool hover, bool checked, bool pressed, bool disabled, int animate,
                        int frame, const rt::Text& fontFace, int fontSize, int fontStyle, COLORREF textColour,
                        bool useEffect, COLORREF effectColour, const RECT* clipRect = nullptr,
                        int effectFactor = 4);

// The eight state images of the vector look, in the record's field names.
struct CheckBoxImages {
  const rt::ByteArray* checked = nullptr;
  const rt::ByteArray* checkedHover = nullptr;
  const rt::ByteArray* checkedPressed = nullptr;
  const rt::ByteArray* checkedDisabled = nullptr;
  const rt::ByteArray* unchecked = nullptr;
  const rt::ByteArray* uncheckedHover = nullptr;
  const rt::ByteArray* uncheckedPressed = nullptr;
  const rt::ByteArray* uncheckedDisabled = nullptr;
};

// The vector look: a white box with a gradient and frame, an accent glow
// on hover and the tinted check mark; or, with useStateImages, the state
// images. `tintedMark` is the tinted check mark to draw (one is made for
// this drawing when it is null).
void DrawCheckBox(gdip::GdipGraphics& graphics, int left, int top, int width, int height, const rt::Text& caption,
                  bool hover, bool checked, bool pressed, bool disabled, bool useStateImages,
                  const CheckBoxImages& images, const rt::Text& fontFace, int fontSize, int fontStyle,
                  COLORREF textColour, bool useEffect, COLORREF effectColour, const RECT* clipRect = nullptr,
                  gdip::GdipImage* tintedMark = nullptr);

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
