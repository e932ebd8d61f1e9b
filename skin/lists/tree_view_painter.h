// The tree-view painter of TransparencyMode: every row drawn over the
// host's skin background with its own fills, icon, text, check box,
// expand button and dotted lines, composed off screen and shown at once.
#pragma once

#include <windows.h>

#include "skin/core/control_records.h"

namespace skin {

// The state-image bits of a tree item's state, shifted down by 11: twice
// the state image index while the overlay bit 0x800 is clear (4 checked,
// 6 partial).
int StateImageBits(int state);

// The item's state flags (state AND 0x7F).
int StateFlagBits(int state);

// Where the parts of one row lie, right to left from its text.
struct TreeRowGeometry {
  int iconX = 0;  // the icon ends 2 pixels before the text
  int iconY = 0;
  int checkX = 0;  // the 11 x 11 check box (with check boxes only)
  int checkY = 0;
  int x0 = 0;  // left edge of the row's content
  int buttonX = 0;  // the 8 x 8 expand button, 8 to 16 pixels left of x0
  int buttonY = 0;
  int lineX = 0;  // the vertical line through the button column
  int midY = 0;   // the horizontal connector's row
  int reach = 0;  // how far the connector reaches left of x0
};

// The geometry of a row from its whole-line and text rectangles, the icon
// width (0 without an image list) and the style.
TreeRowGeometry GetTreeRowGeometry(const RECT& row, const RECT& text, int iconWidth, bool checkBoxes,
                                   bool buttons);

// How the dotted lines reach the image: as pixels written into its bits
// (a 32-bit DIB; any other DC takes the pen), or one by one through GDI+'s
// dotted pen with every row asking the tree again, the plain way the
// pixels match exactly.
enum class TreeLineDrawing { Pixels, Pen };

// Draws every row of the tree, from the first visible one on, into `dc`
// (the tree's client coordinates) with the colours and font of `record`.
void DrawTreeRows(HWND tree, const ListControlRecord& record, HDC dc,
                  TreeLineDrawing lines = TreeLineDrawing::Pixels);

// Paints the whole client area of a skinned tree view: its record's font
// and text colour are refreshed, the rows drawn over the host's background
// behind the client area, the image stored in the host's composition
// image and copied onto the tree. Nothing for a tree whose properties name
// no record of it.
void PaintTreeView(HWND tree);

}  // namespace skin
