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

// For the first-frame benchmark only: with `leaveOut` the two window skin
// steps above do nothing, so a window loads with its plain look.
void LeaveOutWindowSkinning(bool leaveOut);

}  // namespace app
