#include "skin/buttons/check_button_painter.h"

#include "gdip/gdip_font.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "skin/buttons/button_records.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_image.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_text.h"

namespace skin {

namespace {

// Draws a PNG at its natural size at x, centred vertically in the control;
// returns its natural width (0 when it does not load).
int DrawStateImage(gdip::GdipGraphics& g, const rt::ByteArray* png, int x, int top, int height) {
  gdip::GdipImage image;
  if (png == nullptr || png->empty() || !image.LoadFromStream(*png)) return 0;
  const double w = image.GetWidth(), h = image.GetHeight();
  g.DrawImageRect(image, float(x), float(top + (height - h) / 2), float(w), float(h));
  return static_cast<int>(w);
}

}  // namespace

CheckButtonLook CheckButtonLookOf(HWND window, const ButtonRecord& record) {
  return CheckButtonLook{CaptionOf(window, record), record.useStateImages != 0,
                         CheckBoxImages{&record.checkedImage, &record.checkedHoverImage, &record.checkedPressedImage,
                                        &record.checkedDisabledImage, &record.uncheckedImage,
                                        &record.uncheckedHoverImage, &record.uncheckedPressedImage,
                                        &record.uncheckedDisabledImage}};
}

void PaintCheckButton(HWND window, int itemState, std::optional<int> animationFrame, const CheckButtonDraw& draw) {
  if (!FindListedButton(window)) return;
  CheckButtonState state;
  state.checked = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
  state.disabled = (itemState & ODS_DISABLED) != 0;
  state.hover = (itemState & ODS_HOTLIGHT) != 0 && !state.disabled;
  state.pressed = state.hover && (itemState & ODS_SELECTED) != 0;
  state.animationFrame = animationFrame;

  RECT client{};
  GetClientRect(window, &client);
  PresentControlImage(window, client, [&](gdip::GdipGraphics& graphics) {
    // Looked up again: sending BM_GETCHECK ran the window's procedure.
    const ListedButton listed = FindListedButton(window);
    if (!listed) return false;
    draw(graphics, client, state, *listed.record);
    return true;
  });
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
    width = DrawStateImage(graphics, checked ? images.checkedHover : images.uncheckedHover, left, top, height);
  }
  if (state.pressed && !state.disabled) {
    width = DrawStateImage(graphics, checked ? images.checkedPressed : images.uncheckedPressed, left, top, height);
  }
  if (!state.hover) {
    const rt::ByteArray* resting = checked ? (state.disabled ? images.checkedDisabled : images.checked)
                                           : (state.disabled ? images.uncheckedDisabled : images.unchecked);
    width = DrawStateImage(graphics, resting, left, top, height);
  }
  return width;
}

void DrawCheckButtonCaption(gdip::GdipGraphics& graphics, const ButtonCaption& caption, const RectF& plain,
                            const RectF& haloed, COLORREF plainColour) {
  if (caption.halo) {
    DrawSkinText(graphics, caption.text, haloed, caption.colour, *caption.halo, 4, caption.font.face,
                 caption.font.style, float(caption.font.size), 0, 1);
    return;
  }
  gdip::GdipSolidBrush brush;
  brush.Create(ToArgb(plainColour, 254));
  gdip::GdipFont font;
  font.CreateFromName(caption.font.face, float(caption.font.size), gdip::FontStyle{caption.font.style},
                      gdip::Unit::Pixel);
  gdip::GdipStringFormat format;
  format.Create(gdip::StringFormatFlags::NoWrap);
  format.SetAlign(gdip::StringAlignment::Near);
  format.SetLineAlign(gdip::StringAlignment::Center);
  graphics.DrawString(caption.text, font, brush, plain, format);
}

}  // namespace skin
