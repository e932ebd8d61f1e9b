// Memory DCs that hold a picture, for the close effects and the frame
// caches.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/byte_array.h"
#include "skin/core/dc_cache.h"

namespace skin {

// A registered memory DC holding `image` decoded at its own size (width and
// height are then not used), or without an image a fully transparent 32-bpp
// picture of width x height. Empty, with nothing registered, when the
// picture does not decode or a DC cannot be made.
CachedDc CreateImageDc(int width, int height, const std::optional<rt::ByteArray>& image = std::nullopt);

}  // namespace skin
