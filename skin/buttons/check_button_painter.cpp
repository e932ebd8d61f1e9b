#include "skin/buttons/check_button_painter.h"

#include "gdip/gdip_image.h"
#include "gdip/gdip_solid_brush.h"
#include "skin/buttons/button_records.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_image.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_text.h"

namespace skin {

namespace {

// Draws a PNG at its natural size at x, centred vertically in the control;
// returns its natural width (0 when it does not load). Decoded in `kept`
// when given.
int DrawStateImage(gdip::GdipGraphics& g, const rt::ByteArray* png, const DecodedPicture* kept, int x, int top,
                   int height) {
  if (png == nullptr || png->empty()) return 0;
  gdip::GdipImage own;
  gdip::GdipImage* decoded = kept != nullptr ? kept->Get(*png) : (own.LoadFromStream(*png) ? &own : nullptr);
  if (decoded == nullptr) return 0;
  gdip::GdipImage& image = *decoded;
  const double w = image.GetWidth(), h = image.GetHeight();
  g.DrawImageRect(image, float(x), float(top + (height - h) / 2), float(w), float(h));
  return static_cast<int>(w);
}

// The kept decoding of a state image; the slots follow CheckBoxImages'
// fields.
const DecodedPicture* Slot(const CheckBoxImages& images, int slot) {
  return images.decoded != nullptr ? &(*images.decoded)[static_cast<std::size_t>(slot)] : nullptr;
}

CheckButtonState StateOf(HWND window, int itemState, std::optional<int> animationFrame) {
  CheckButtonState state;
  state.checked = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
  state.disabled = (itemState & ODS_DISABLED) != 0;
  state.hover = (itemState & ODS_HOTLIGHT) != 0 && !state.disabled;
  state.pressed = state.hover && (itemState & ODS_SELECTED) != 0;
  state.animationFrame = animationFrame;
  return state;
}

}  // namespace

CheckButtonLook CheckButtonLookOf(HWND window, const ButtonRecord& record) {
  return CheckButtonLook{CaptionOf(window, record), record.useStateImages != 0,
                         CheckBoxImages{&record.checkedImage, &record.checkedHoverImage, &record.checkedPressedImage,
                                        &record.checkedDisabledImage, &record.uncheckedImage,
                                        &record.uncheckedHoverImage, &record.uncheckedPressedImage,
                                        &record.uncheckedDisabledImage, &record.statePictures}};
}

void PaintCheckButton(HWND window, int itemState, std::optional<int> animationFrame, const CheckButtonDraw& draw) {
  PaintCheckButton(window, itemState, animationFrame, draw, nullptr);
}

void PaintCheckButton(HWND window, int itemState, std::optional<int> animationFrame, const CheckButtonDraw& draw,
                      const CheckButtonKey& key) {
  if (!FindListedButton(window)) return;
  const CheckButtonState state = StateOf(window, itemState, animationFrame);

  RECT client{};
  GetClientRect(window, &client);
  const ControlDraw drawn = [&](gdip::GdipGraphics& graphics) {
    // Looked up again: sending BM_GETCHECK ran the window's procedure.
    const ListedButton listed = FindListedButton(window);
    if (!listed) return false;
    draw(graphics, client, state, *listed.record);
    return true;
  };
  if (key) {
    const ListedButton listed = FindListedButton(window);
    if (!listed) return;
    if (const std::optional<LookKey> look = key(state, *listed.record)) {
      LookKey full = *look;
      AddCheckButtonStateKey(full, state, client);
      PresentControlImage(window, client, drawn, listed.record->finished, full);
      return;
    }
  }
  PresentControlImage(window, client, drawn);
}

void AddCheckButtonStateKey(LookKey& key, const CheckButtonState& state, const RECT& client) {
  key.Add(client).Add(state.hover).Add(state.checked).Add(state.pressed).Add(state.disabled);
  key.Add(state.animationFrame.has_value()).Add(state.animationFrame.value_or(0));
}

void ClipToCheckButton(gdip::GdipGraphics& graphics, const RECT& bounds) {
  ClipToRect(graphics, RECT{bounds.left, bounds.top, bounds.right + 1, bounds.bottom + 1});
}

int DrawCheckButtonStateImages(gdip::GdipGraphics& graphics, const RECT& bounds, const CheckButtonState& state,
                               const CheckBoxImages& images) {
  const int left = bounds.left, top = bounds.top, height = bounds.bottom - bounds.top;
  const bool checked = state.checked;
  int width = 0;
  if (state.hover && !state.disabled) {
    width = DrawStateImage(graphics, checked ? images.checkedHover : images.uncheckedHover,
                           Slot(images, checked ? 1 : 5), left, top, height);
  }
  if (state.pressed && !state.disabled) {
    width = DrawStateImage(graphics, checked ? images.checkedPressed : images.uncheckedPressed,
                           Slot(images, checked ? 2 : 6), left, top, height);
  }
  if (!state.hover) {
    const rt::ByteArray* resting = checked ? (state.disabled ? images.checkedDisabled : images.checked)
                                           : (state.disabled ? images.uncheckedDisabled : images.unchecked);
    const int slot = checked ? (state.disabled ? 3 : 0) : (state.disabled ? 7 : 4);
    width = DrawStateImage(graphics, resting, Slot(images, slot), left, top, height);
  }
  return width;
}

void DrawCheckButtonCaption(gdip::GdipGraphics& graphics, const ButtonCaption& caption, const RectF& plain,
                            const RectF& haloed, COLORREF plainColour) {
  if (caption.halo) {
    DrawSkinText(graphics, caption.text, haloed, caption.colour, *caption.halo, 4, caption.font.face,
                 caption.font.style, float(caption.font.size), 0, 1, std::nullopt, 0, nullptr,
                 caption.kit != nullptr ? &caption.kit->font : nullptr);
    return;
  }
  TextLayout layout;
  layout.flags = gdip::StringFormatFlags::NoWrap;
  layout.lineAlign = gdip::StringAlignment::Center;
  DrawPlainText(graphics, caption.text, caption.font, gdip::Unit::Pixel, layout, ToArgb(plainColour, 254), plain,
                caption.kit);
}

}  // namespace skin
