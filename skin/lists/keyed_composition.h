// Putting a painted control image into its host's composition image
// through a colour key, so that the areas the painter keyed out (the
// client of an edit, the child windows of a combo box) keep what the host
// holds there; and laying drawing made over the key onto a background
// without the key's colour in its smoothed edges.
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

// The key's complement: every channel of a key made of 0 and 255 turned
// over (0xFF00FF gives 0x00FF00).
constexpr COLORREF ComplementKey(COLORREF key) { return key ^ 0xFFFFFF; }

// Lays what a painter drew twice, over `key` and over ComplementKey(key),
// onto the top-left width x height of `target` (all three 32-bit DIB
// DCs; each channel of `key` 0 or 255). Smoothed text blends its edges
// into what lies behind it, so a single keyed copy would carry the key's
// colour along those edges: here each channel of a pixel is seen over 0
// and over 255, which tells how much the drawing covers it, and the pixel
// is blended over the target by that much. Pixels alike in both copies
// are copied as they are, pixels that are the key in one and its
// complement in the other leave the target alone, and pixels that are no
// blend over the keys (say, inverted ones) are copied from the drawing
// over `key` unless they are the key: what a keyed copy of that drawing
// does. Without DIBs, the keyed copy is what happens.
void LayDrawingOverKeys(HDC target, HDC overKey, HDC overComplement, COLORREF key, int width, int height);

}  // namespace skin
