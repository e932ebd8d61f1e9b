#include "skin/lists/tree_images.h"

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"

namespace skin {

rt::ByteArray TreeCheckImage() { return rt::LoadEmbeddedBytes(IDR_TREE_CHECK); }
rt::ByteArray TreePartialImage() { return rt::LoadEmbeddedBytes(IDR_TREE_PARTIAL); }
rt::ByteArray TreeExpandImage() { return rt::LoadEmbeddedBytes(IDR_TREE_EXPAND); }

}  // namespace skin
