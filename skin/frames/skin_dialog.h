// Turns a standard dialog window (a message box's "#32770") into a skinned
// dialog frame.
#pragma once

#include <windows.h>

#include "runtime/byte_array.h"
#include "skin/core/skin_records.h"

namespace skin {

// Skins the dialog: a record in SkinWindowTable, 10 pixels more width, a
// rounded region, the push buttons re-laid along the bottom, one close
// caption button, skinned child controls, layered at alpha 0 until its
// fade-in, a drop shadow and DialogFrameProc. Called by the message-box
// hook while the dialog is being activated for the first time; a window
// already skinned is left alone.
void SkinDialog(HWND dialog);

// Places the caption strip of dialog `windowIndex`: buttonsX = W - 36 and
// every caption button at (W - 36, 2, 36, 22), W the window's width.
void LayoutDialogCaption(int windowIndex);

// Lays the dialog's push buttons along its bottom edge, right-aligned with
// 5-pixel gaps, and sets the record's buttonBandHeight. The places are
// computed relative to the window rectangle and set in client coordinates.
void LayoutDialogButtons(int windowIndex);

// The close-button image of every skinned dialog (38 x 18 RGBA PNG).
rt::ByteArray DialogCloseImage();

}  // namespace skin
