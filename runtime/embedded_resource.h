// Bytes embedded in the running executable as RCDATA resources (ids in
// resources/resource_ids.h).
#pragma once

#include <cstdint>
#include <span>

#include "runtime/byte_array.h"

namespace rt {

// A copy of the RCDATA resource `id` of the main module; empty when absent.
ByteArray LoadEmbeddedBytes(int id);

// The same bytes where the module holds them, without a copy: they stay
// valid as long as the module is loaded. Empty when absent.
std::span<const std::uint8_t> EmbeddedBytesView(int id);

}  // namespace rt
