// The installer's main window: its template and its window events.
#pragma once

#include <optional>

#include "runtime/window_template.h"

namespace app {

// The template of InstallerWindow, built once.
const rt::WindowTemplate& InstallerWindowTemplate();

// Window event 0: skins the window, fills the release notes, reads the
// previous folder, writes the music file and runs the start-up checks.
void InstallerWindowCreated();

// Window event 1: the close is allowed exactly when CloseAllowed is 1.
std::optional<bool> InstallerWindowQueryClose();

// Window event 2.
void InstallerWindowDestroy();

// Click of 加入Quillora官方群选择框: nothing; the box is read at the finish.
void JoinGroupCheckClick();

}  // namespace app
