#include "skin/core/control_picture.h"

#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"

namespace skin {

ControlPicture::ControlPicture(HWND control, KeptPicture slot, const rt::ByteArray& bytes,
                               void (*prepare)(gdip::GdipBitmap&), std::uint32_t variant) {
  SkinWindowRecord* host = control != nullptr ? SkinWindowTable.Find(FindSkinWindowOfAncestor(control)) : nullptr;
  const DecodedPicture& kept = host != nullptr ? host->keptPictures[static_cast<std::size_t>(slot)] : own_;
  image_ = kept.Get(bytes, prepare, variant);
}

}  // namespace skin
