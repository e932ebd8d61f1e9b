// The marks of the painted tree views, embedded as RGBA PNG pictures: the
// check-box tick (13 x 12), the partial square (6 x 6) and the expand
// triangle (7 x 5, pointing down; the toolbar draws it as its drop arrow).
// Painters decode them for each paint.
#pragma once

#include "runtime/byte_array.h"

namespace skin {

rt::ByteArray TreeCheckImage();
rt::ByteArray TreePartialImage();
rt::ByteArray TreeExpandImage();

}  // namespace skin
