#include "app/embedded_payload.h"

#include <windows.h>

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"

namespace app {
namespace {

std::size_t EmbeddedSize(int id) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  return info ? SizeofResource(module, info) : 0;
}

}  // namespace

rt::ByteArray BackgroundMusic() { return rt::LoadEmbeddedBytes(IDR_BACKGROUND_MUSIC); }

rt::Text ReleaseNotes() {
  const rt::ByteArray bytes = rt::LoadEmbeddedBytes(IDR_RELEASE_NOTES);
  return rt::Text(bytes.begin(), bytes.end());
}

rt::ByteArray BackgroundImage() { return rt::LoadEmbeddedBytes(IDR_BACKGROUND_IMAGE); }

std::size_t MainProgramArchiveSize() { return EmbeddedSize(IDR_MAIN_PROGRAM_ARCHIVE); }
std::size_t MaterialsArchiveSize() { return EmbeddedSize(IDR_MATERIALS_ARCHIVE); }

}  // namespace app
