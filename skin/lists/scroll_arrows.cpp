#include "skin/lists/scroll_arrows.h"

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"

namespace skin {

rt::ByteArray ScrollArrowUp() { return rt::LoadEmbeddedBytes(IDR_SCROLL_ARROW_UP); }
rt::ByteArray ScrollArrowDown() { return rt::LoadEmbeddedBytes(IDR_SCROLL_ARROW_DOWN); }
rt::ByteArray ScrollArrowLeft() { return rt::LoadEmbeddedBytes(IDR_SCROLL_ARROW_LEFT); }
rt::ByteArray ScrollArrowRight() { return rt::LoadEmbeddedBytes(IDR_SCROLL_ARROW_RIGHT); }

}  // namespace skin
