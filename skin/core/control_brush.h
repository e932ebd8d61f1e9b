// The brush a skinned host gives a child for WM_CTLCOLOREDIT and
// WM_CTLCOLORSTATIC in TransparencyMode: a pattern of the child's tinted
// background, so the child's text lies over the skin instead of a flat fill.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Deletes the brush and bitmap the child was given last time ("Kj_dxjb",
// "Kj_wtjb"), makes a new pattern brush over MakeBackgroundBitmap of the
// child, keeps both on the child until the next answer and returns the
// brush. The child's properties own the two objects.
HBRUSH RenewControlBrush(HWND child);

// Deletes the child's brush and bitmap and clears both properties, so
// nothing is deleted twice.
void DeleteControlBrush(HWND child);

// A host's side of its children's end, for a message it received: the pair
// handed to a child outlives the child unless its host deletes it. On
// WM_PARENTNOTIFY for the WM_DESTROY of a child of `host` it deletes that
// child's pair (the child is hidden and destroyed next, and asks for no
// more colours); on the host's own WM_DESTROY, once the host's procedure
// has run, those of all its children, which go with it unannounced. A
// combo box's drop-down list, which is no child of it, goes with the combo
// box. Other messages are ignored. Only a child holding a brush is touched:
// a toolbar keeps its image list in "Kj_wtjb".
void DeleteBrushesOfGoingChildren(HWND host, UINT message, WPARAM wParam, LPARAM lParam);

// Throws away the brushes made for the old look: those of the skinned
// window's list controls and edits and, unless `alsoBrushOwners` is given
// as false, those of every window in BrushOwners, which is emptied. Each
// control makes a new brush at its next colour message. A window without a
// skin record is left alone.
void DropControlBrushes(HWND window, std::optional<bool> alsoBrushOwners = std::nullopt);

}  // namespace skin
