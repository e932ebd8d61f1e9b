// The texts of the introduction and licence windows, CP936 with CR LF
// between lines.
#pragma once

#include "runtime/byte_array.h"

namespace app {

rt::Text IntroText();
rt::Text LicenceText();

}  // namespace app
