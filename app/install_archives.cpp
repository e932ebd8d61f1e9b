#include "app/install_archives.h"

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"

namespace app {

rt::ByteArray MainProgramArchive() { return rt::LoadEmbeddedBytes(IDR_MAIN_PROGRAM_ARCHIVE); }

rt::ByteArray MaterialsArchive() { return rt::LoadEmbeddedBytes(IDR_MATERIALS_ARCHIVE); }

rt::ByteArray DataPackage() { return rt::LoadEmbeddedBytes(IDR_DATA_PACKAGE); }

}  // namespace app
