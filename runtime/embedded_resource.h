// Bytes embedded in the running executable as RCDATA resources (ids in
// resources/resource_ids.h).
#pragma once

#include "runtime/byte_array.h"

namespace rt {

// A copy of the RCDATA resource `id` of the main module; empty when absent.
ByteArray LoadEmbeddedBytes(int id);

}  // namespace rt
