// The four chevrons of the painted scroll bars, embedded as 14 x 14 RGBA
// PNG pictures. The bar, combo-box, up-down and control painters take the
// size from the decoded picture.
#pragma once

#include <windows.h>

#include "runtime/byte_array.h"
#include "skin/core/control_picture.h"

namespace skin {

rt::ByteArray ScrollArrowUp();
rt::ByteArray ScrollArrowDown();
rt::ByteArray ScrollArrowLeft();
rt::ByteArray ScrollArrowRight();

enum class Chevron { Up = 0, Down = 1, Left = 2, Right = 3 };

// A chevron ready to draw for a control, kept decoded in the record of the
// control's skinned window (see ControlPicture).
class ChevronPicture : public ControlPicture {
 public:
  ChevronPicture(HWND control, Chevron which);
};

}  // namespace skin
