// The payload the installation extracts, as embedded in the installer.
#pragma once

#include <cstdint>
#include <span>

namespace app {

// The archives' bytes where the installer's module holds them (written out
// from there, never copied: the materials alone are megabytes).

// The ZIP archive holding "Quillora.exe".
std::span<const std::uint8_t> MainProgramArchive();

// The ZIP archive of the writing materials (the folder "描写素材").
std::span<const std::uint8_t> MaterialsArchive();

// The data package; this installer ships it empty.
std::span<const std::uint8_t> DataPackage();

}  // namespace app
