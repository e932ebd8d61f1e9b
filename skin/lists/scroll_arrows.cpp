#include "skin/lists/scroll_arrows.h"

#include <cstddef>

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"

namespace skin {

rt::ByteArray ScrollArrowUp() { return rt::LoadEmbeddedBytes(IDR_SCROLL_ARROW_UP); }
rt::ByteArray ScrollArrowDown() { return rt::LoadEmbeddedBytes(IDR_SCROLL_ARROW_DOWN); }
rt::ByteArray ScrollArrowLeft() { return rt::LoadEmbeddedBytes(IDR_SCROLL_ARROW_LEFT); }
rt::ByteArray ScrollArrowRight() { return rt::LoadEmbeddedBytes(IDR_SCROLL_ARROW_RIGHT); }

namespace {

rt::ByteArray ChevronBytes(Chevron which) {
  switch (which) {
    case Chevron::Up:
      return ScrollArrowUp();
    case Chevron::Down:
      return ScrollArrowDown();
    case Chevron::Left:
      return ScrollArrowLeft();
    case Chevron::Right:
      return ScrollArrowRight();
  }
  return {};
}

}  // namespace

ChevronPicture::ChevronPicture(HWND control, Chevron which) {
  const rt::ByteArray bytes = ChevronBytes(which);
  SkinWindowRecord* host = control != nullptr ? SkinWindowTable.Find(FindSkinWindowOfAncestor(control)) : nullptr;
  const DecodedPicture& kept = host != nullptr ? host->chevrons[static_cast<std::size_t>(which)] : own_;
  image_ = kept.Get(bytes);
}

}  // namespace skin
