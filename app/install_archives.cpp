#include "app/install_archives.h"

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"

namespace app {

std::span<const std::uint8_t> MainProgramArchive() { return rt::EmbeddedBytesView(IDR_MAIN_PROGRAM_ARCHIVE); }

std::span<const std::uint8_t> MaterialsArchive() { return rt::EmbeddedBytesView(IDR_MATERIALS_ARCHIVE); }

std::span<const std::uint8_t> DataPackage() { return rt::EmbeddedBytesView(IDR_DATA_PACKAGE); }

}  // namespace app
