#include "skin/core/shine_strips.h"

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"

namespace skin {

rt::ByteArray LoadShineStrip(ShineStyle style) {
  switch (style) {
    case ShineStyle::Glow:
      return rt::LoadEmbeddedBytes(IDR_SHINE_STRIP_GLOW);
    case ShineStyle::Cyan:
      return rt::LoadEmbeddedBytes(IDR_SHINE_STRIP_CYAN);
    default:
      return rt::LoadEmbeddedBytes(IDR_SHINE_STRIP_BAND);
  }
}

}  // namespace skin
