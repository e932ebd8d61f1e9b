// Containers: windows that host skinned controls (group boxes, tab
// controls, panels). A container skins its own children like a skinned
// window does, answers their owner-draw, colour and notification messages,
// and, when the engine paints it, repaints in full only while dirty.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Registers the container in its host window's `containers`, skins its
// children and subclasses it. Not given: paint mode 1, alpha 255, border
// 0; group boxes and tab controls are always painted by the engine. Does
// nothing under no skinned window or for a container registered already.
void InstallContainerSkin(HWND container, std::optional<int> paintMode = std::nullopt,
                          COLORREF tintColour = 0, std::optional<int> tintAlpha = std::nullopt,
                          std::optional<int> border = std::nullopt);

// Window procedure of a container.
LRESULT CALLBACK ContainerSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Gives the container its previous procedure back, removes its record and
// renumbers the containers behind it. The list may end empty; the next
// container installed is appended. Indices outside the table or the list
// do nothing.
void RemoveContainerRecord(int windowIndex, int containerIndex);

// Moves the container's anchored children to fit its client area.
void AnchorContainerChildren(int windowIndex, int containerIndex);

// A "Button" whose style has bit 4: group boxes, but also radio and
// three-state buttons.
bool IsGroupBox(HWND window);

// The nearest ancestor (not the window itself) marked as a panel
// ("Wxk_Zpf" 1); nullptr when there is none.
HWND FindSkinFrameAncestor(HWND window);

// 1 when `window` is a registered container of skinned window
// `windowIndex`, else 0.
int IsContainerOf(int windowIndex, HWND window);

}  // namespace skin
