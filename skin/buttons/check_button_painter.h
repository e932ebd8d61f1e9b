// What check boxes, radio buttons and image check boxes share: their state
// and look, the one paint every kind of them goes through, and the caption
// beside the box or circle.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

#include "gdip/gdip_graphics.h"
#include "runtime/byte_array.h"
#include "skin/buttons/button_look.h"
#include "skin/core/control_image.h"
#include "skin/core/control_records.h"
#include "skin/core/decoded_picture.h"
#include "skin/core/skin_geometry.h"

namespace skin {

// What a check box or radio button is showing.
struct CheckButtonState {
  bool hover = false;
  bool checked = false;
  bool pressed = false;  // only with hover
  bool disabled = false;
  std::optional<int> animationFrame;  // a frame of the check box's click animation
};

// The eight state images, in the record's field names, and where they are
// kept decoded (slots in this order); without it each is decoded for the
// paint.
struct CheckBoxImages {
  const rt::ByteArray* checked = nullptr;
  const rt::ByteArray* checkedHover = nullptr;
  const rt::ByteArray* checkedPressed = nullptr;
  const rt::ByteArray* checkedDisabled = nullptr;
  const rt::ByteArray* unchecked = nullptr;
  const rt::ByteArray* uncheckedHover = nullptr;
  const rt::ByteArray* uncheckedPressed = nullptr;
  const rt::ByteArray* uncheckedDisabled = nullptr;
  const std::array<DecodedPicture, 8>* decoded = nullptr;
};

// What a check box or radio button shows besides its state.
struct CheckButtonLook {
  ButtonCaption caption;
  bool useStateImages = false;  // the state images in place of the drawn box or circle
  CheckBoxImages images;        // point into the record
};

CheckButtonLook CheckButtonLookOf(HWND window, const ButtonRecord& record);

// Draws the button's look on its composed background; `client` is its
// client rectangle.
using CheckButtonDraw = std::function<void(gdip::GdipGraphics& graphics, const RECT& client,
                                           const CheckButtonState& state, const ButtonRecord& record)>;

// Paints a check box, radio button or image check box through its own
// window DC, over the skin background, and puts the image into the host's
// composition image.
// itemState: ODS_DISABLED, ODS_HOTLIGHT and ODS_SELECTED count (pressed
// only with hover); the checked state is asked of the window. A window
// that is not a listed button is not painted.
void PaintCheckButton(HWND window, int itemState, std::optional<int> animationFrame, const CheckButtonDraw& draw);

// Everything the drawing reads besides the state and the background, for
// the record's kept finished image; none: drawn each time.
using CheckButtonKey = std::function<std::optional<LookKey>(const CheckButtonState& state, const ButtonRecord& record)>;

// The same, copying the record's kept finished image when the background
// and the key are those it was drawn for.
void PaintCheckButton(HWND window, int itemState, std::optional<int> animationFrame, const CheckButtonDraw& draw,
                      const CheckButtonKey& key);

// Adds the state (with the client size) to a key.
void AddCheckButtonStateKey(LookKey& key, const CheckButtonState& state, const RECT& client);

// Clips `graphics` to `bounds` and one pixel more to the right and bottom.
void ClipToCheckButton(gdip::GdipGraphics& graphics, const RECT& bounds);

// The state images in place of the drawn box or circle, at the left of
// `bounds` and centred vertically, each at its own size: the hover one,
// then the pressed one, then, when not hovered, the resting one. Gives the
// width of the last one drawn (0 when it does not load or none is).
int DrawCheckButtonStateImages(gdip::GdipGraphics& graphics, const RECT& bounds, const CheckButtonState& state,
                               const CheckBoxImages& images);

// The caption beside the box or circle: plain text in `plainColour`, left
// aligned and centred vertically on one line in `plain`, or with the halo
// in `haloed`.
void DrawCheckButtonCaption(gdip::GdipGraphics& graphics, const ButtonCaption& caption, const RectF& plain,
                            const RectF& haloed, COLORREF plainColour);

}  // namespace skin
