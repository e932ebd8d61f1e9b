// The installer's calls into the skin engine: its start, the look of the
// three windows and the main window's close effect.
#pragma once

#include <string_view>

namespace app {

// Starts the skin engine; before the installer window is loaded.
void StartSkinEngine();

// First step of InstallerWindowCreated.
void SkinInstallerWindow();

// First step of a side window's created handler.
void SkinSideWindow(std::string_view window);

// InstallerWindowDestroy's only work.
void SetInstallerCloseEffect();

}  // namespace app
