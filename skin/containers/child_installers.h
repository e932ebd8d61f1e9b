// The installers of every control kind that a skinned window or container
// takes over among its direct children, in the one order they run: a new
// control kind adds its installer here and nowhere else.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Skins the direct children of `parent` into the lists of window
// `windowIndex`. A frame or container has its transparent children
// subclassed last; a dialog (`dialogStatics` given) has its statics
// skinned instead, each text static grown by that many pixels.
void RunChildInstallers(int windowIndex, HWND parent, std::optional<SIZE> dialogStatics = std::nullopt);

}  // namespace skin
