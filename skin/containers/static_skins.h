// The static skin of skinned dialogs and message boxes: text statics drawn
// in black with a white halo over the skin, bitmap and icon statics drawn
// over it at their placement, and statics with nothing of that kind to
// show painted by their own procedure over the skin. Statics paint onto
// themselves only, never into the host's composition image.
#pragma once

#include <windows.h>

#include "runtime/byte_array.h"
#include "skin/containers/transparent_children.h"

namespace skin {

// Skins the parent's direct statics not yet listed; text statics grow by
// the extra width and height when they are taken. A static another skin
// already subclassed (it carries "Hw_hProc") is left alone. Does nothing
// while SkinChildControls is 0.
void SkinStatics(int windowIndex, HWND parent, int extraWidth = 0, int extraHeight = 0);

// 1-based position of the static in that window's `statics`, 0 when it is
// not there (or the window index is outside the table).
int FindStaticRecord(int windowIndex, HWND staticWindow);

// Window procedure of a skinned static.
LRESULT CALLBACK StaticSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the static's text, bitmap or icon over its background onto the
// static now. Nothing for indices that do not name a listed static.
void PaintStatic(int windowIndex, int listIndex);

// Whether a code-page-936 text is empty once its half-width spaces and
// full-width spaces (A1 A1, taken only where a character starts) are
// left out.
bool IsBlankStaticText(const rt::Text& text);

}  // namespace skin
