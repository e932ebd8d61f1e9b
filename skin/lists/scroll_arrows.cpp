#include "skin/lists/scroll_arrows.h"

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"

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

KeptPicture SlotOf(Chevron which) {
  switch (which) {
    case Chevron::Up:
      return KeptPicture::ChevronUp;
    case Chevron::Down:
      return KeptPicture::ChevronDown;
    case Chevron::Left:
      return KeptPicture::ChevronLeft;
    case Chevron::Right:
      return KeptPicture::ChevronRight;
  }
  return KeptPicture::ChevronUp;
}

}  // namespace

ChevronPicture::ChevronPicture(HWND control, Chevron which)
    : ControlPicture(control, SlotOf(which), ChevronBytes(which)) {}

}  // namespace skin
