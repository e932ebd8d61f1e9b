// Start-up and process-wide options of the skin engine. The working-set
// trim the frames call lives in the core (skin/core/working_set.h).
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Starts GDI+, loads the program icon, sets the engine's defaults,
// registers the engine's window classes and loads the glyph strip. Run
// once before the first window is skinned.
void InitSkinEngine();

// Shuts GDI+ down with the start-up token, once: after the message loop
// has ended and the last graphics object is gone. Every picture the engine
// keeps decoded is let go first, whatever skinned windows remain (they
// decode again if they paint after a new start). A second call does
// nothing.
void ShutdownSkinEngine();

// Registers a window class of the engine; true when an atom came back.
bool RegisterSkinWindowClass(const char* className, WNDPROC windowProc);

// Switches child-control skinning, translucency (on whenever an alpha is
// given) and the trackbar panel for every window of the process.
void SetSkinOptions(int skinChildControls, std::optional<int> alpha = std::nullopt,
                    std::optional<int> trackbarPanel = std::nullopt);

}  // namespace skin
