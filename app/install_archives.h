// The payload the installation extracts, as embedded in the installer.
#pragma once

#include "runtime/byte_array.h"

namespace app {

// The ZIP archive holding "Quillora.exe".
rt::ByteArray MainProgramArchive();

// The ZIP archive of the writing materials (the folder "描写素材").
rt::ByteArray MaterialsArchive();

// The data package; this installer ships it empty.
rt::ByteArray DataPackage();

}  // namespace app
