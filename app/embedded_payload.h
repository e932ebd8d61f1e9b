// The parts of the installer's embedded payload that the window itself
// uses: the background music, the release notes, the theme picture and the
// archives' sizes.
#pragma once

#include <cstddef>

#include "runtime/byte_array.h"

namespace app {

// The MP3 written to the temporary folder at start.
rt::ByteArray BackgroundMusic();

// The release notes, CP936 with CR LF after every line.
rt::Text ReleaseNotes();

// BackgroundImage: the theme picture, a 570 x 451 JPEG, as embedded.
rt::ByteArray BackgroundImage();

// Byte lengths of the archives, read without copying them.
std::size_t MainProgramArchiveSize();
std::size_t MaterialsArchiveSize();

}  // namespace app
