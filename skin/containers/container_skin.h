// Containers: windows that host skinned controls (group boxes, tab
// controls, panels).
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Registers the container in its host window's `containers`, skins its
// children and subclasses it.
void InstallContainerSkin(HWND container, std::optional<int> tintsChildren = std::nullopt,
                          COLORREF tintColour = 0, std::optional<int> tintAlpha = std::nullopt,
                          std::optional<int> border = std::nullopt);

// Gives the container its previous procedure back, removes its record and
// renumbers the containers behind it.
void RemoveContainerRecord(int windowIndex, int containerIndex);

}  // namespace skin
