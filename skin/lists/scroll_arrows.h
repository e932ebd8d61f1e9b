// The four chevrons of the painted scroll bars, embedded as 14 x 14 RGBA
// PNG pictures. The bar, combo-box, up-down and control painters decode
// them for each paint and take the size from the decoded picture.
#pragma once

#include "runtime/byte_array.h"

namespace skin {

rt::ByteArray ScrollArrowUp();
rt::ByteArray ScrollArrowDown();
rt::ByteArray ScrollArrowLeft();
rt::ByteArray ScrollArrowRight();

}  // namespace skin
