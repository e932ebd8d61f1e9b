// Putting a painted control image into its host's composition image
// through a colour key, so that the areas the painter keyed out (the
// client of an edit, the child windows of a combo box) keep what the host
// holds there.
#pragma once

#include <windows.h>

namespace skin {

// Copies `source` (from its corner, at the control's window size) into
// the host's compositionDc at the control's place, skipping pixels of
// `key` and the control's visible opaque children. The host is the
// control's "Kj_FuID" with `kjLink`, else its "Hw_FuID", else the control
// itself as a skinned window; nothing happens without one.
// Fills an area of a painted image with the key colour. GDI writes the
// colour with a zero alpha byte, which the keyed copies match on every
// system (a GDI+ fill leaves alpha 255, which some do not skip).
void FillKeyColour(HDC image, const RECT& area, COLORREF key);

void ComposeKeyedImage(HWND control, HDC source, COLORREF key, int kjLink = 0);

}  // namespace skin
