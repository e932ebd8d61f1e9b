#include "app/embedded_payload.h"

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"

namespace app {

rt::ByteArray BackgroundMusic() { return rt::LoadEmbeddedBytes(IDR_BACKGROUND_MUSIC); }

rt::Text ReleaseNotes() {
  const rt::ByteArray bytes = rt::LoadEmbeddedBytes(IDR_RELEASE_NOTES);
  return rt::Text(bytes.begin(), bytes.end());
}

rt::ByteArray BackgroundImage() { return rt::LoadEmbeddedBytes(IDR_BACKGROUND_IMAGE); }

std::size_t MainProgramArchiveSize() { return rt::EmbeddedBytesView(IDR_MAIN_PROGRAM_ARCHIVE).size(); }
std::size_t MaterialsArchiveSize() { return rt::EmbeddedBytesView(IDR_MATERIALS_ARCHIVE).size(); }

}  // namespace app
