// The four chevrons of the painted scroll bars, embedded as 14 x 14 RGBA
// PNG pictures. The bar, combo-box, up-down and control painters take the
// size from the decoded picture.
#pragma once

#include <windows.h>

#include "gdip/gdip_image.h"
#include "runtime/byte_array.h"
#include "skin/core/decoded_picture.h"

namespace skin {

rt::ByteArray ScrollArrowUp();
rt::ByteArray ScrollArrowDown();
rt::ByteArray ScrollArrowLeft();
rt::ByteArray ScrollArrowRight();

enum class Chevron { Up = 0, Down = 1, Left = 2, Right = 3 };

// A chevron ready to draw for a control: the picture kept decoded in the
// record of the control's skinned window, or, for a control outside any
// skinned window, one decoded for this paint and let go with this object.
class ChevronPicture {
 public:
  ChevronPicture(HWND control, Chevron which);
  ChevronPicture(const ChevronPicture&) = delete;
  ChevronPicture& operator=(const ChevronPicture&) = delete;

  // nullptr when the picture does not decode.
  gdip::GdipImage* get() const { return image_; }

 private:
  DecodedPicture own_;
  gdip::GdipImage* image_ = nullptr;
};

}  // namespace skin
