// GUIDs as the texts the layer compares them by: 38 characters, braces
// around upper-case hexadecimal digits in 8-4-4-4-12 groups.
#pragma once

#include "gdip/gdiplus_api.h"
#include "runtime/byte_array.h"

namespace gdip {

// 16 GUID bytes to their text; anything but 16 bytes gives the empty text.
rt::Text GuidToText(const rt::ByteArray& bytes);
rt::Text GuidToText(const GUID& guid);

// A GUID text to its 16 bytes; a text that is no GUID gives 16 zero bytes.
rt::ByteArray TextToGuid(const rt::Text& text);
GUID GuidFromText(const rt::Text& text);

}  // namespace gdip
