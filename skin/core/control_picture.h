// One of the engine's embedded pictures, ready to draw for a control.
#pragma once

#include <windows.h>

#include <cstdint>

#include "gdip/gdip_image.h"
#include "runtime/byte_array.h"
#include "skin/core/decoded_picture.h"
#include "skin/core/kept_picture_slots.h"

namespace skin {

// The picture kept decoded in the record of the control's skinned window
// (decoded there the first time), or, for a control outside any skinned
// window, one decoded for this paint and let go with this object.
// `prepare` and `variant` as for DecodedPicture::Get.
class ControlPicture {
 public:
  ControlPicture(HWND control, KeptPicture slot, const rt::ByteArray& bytes,
                 void (*prepare)(gdip::GdipBitmap&) = nullptr, std::uint32_t variant = 0);
  ControlPicture(const ControlPicture&) = delete;
  ControlPicture& operator=(const ControlPicture&) = delete;

  // nullptr when the picture does not decode.
  gdip::GdipImage* get() const { return image_; }

 private:
  DecodedPicture own_;
  gdip::GdipImage* image_ = nullptr;
};

}  // namespace skin
