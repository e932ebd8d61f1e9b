// The pictures a main frame derives from its background image: the colour
// of the image's right-hand strip and a copy whose edges fade into a
// colour.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/byte_array.h"

namespace skin {

// Average colour of `samples` random pixels of the image's lower right
// strip: the last `stripWidth` columns (a tenth of the width when not
// given) below row `stripHeight` from the bottom (from row 1 when it is
// below 1). A non-empty file name reads the image from that file instead of
// the bytes. 0 for a picture that does not decode or fewer than 1 sample.
COLORREF AverageImageColour(const rt::ByteArray& image, int samples,
                            std::optional<int> stripWidth = std::nullopt, int stripHeight = 0,
                            const rt::Text& fileName = {});

// The picture as PNG bytes with a band along one side (the right one by
// default) and one along the bottom fading into `colour`; both bands are
// `fadeWidth` deep (three tenths of the width when not given). A non-empty
// file name reads the picture from that file. Empty bytes for a picture
// that does not decode.
rt::ByteArray ComposeBackgroundImage(const rt::ByteArray& image,
                                     std::optional<int> fadeWidth = std::nullopt,
                                     COLORREF colour = 0, std::optional<int> fadeRight = std::nullopt,
                                     const rt::Text& fileName = {});

}  // namespace skin
