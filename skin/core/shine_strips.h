// The progress bar's shine strips: embedded 32-bit RGBA PNG pictures, one
// per shine style, decoded by whoever draws or measures them.
#pragma once

#include "runtime/byte_array.h"
#include "skin/core/control_records.h"

namespace skin {

// The PNG bytes of the style's strip: Glow 90 x 24, Cyan 126 x 23, and the
// 161 x 28 Band for every other value.
rt::ByteArray LoadShineStrip(ShineStyle style);

}  // namespace skin
