// Toolbars drawn button by button over the skin: translucent state fills
// in the accent colour, rounded outlines, image-list icons (greyed for
// disabled buttons), drop-down arrows and centred captions.
#pragma once

#include <windows.h>

#include "skin/core/skin_geometry.h"

namespace skin {

// Composes every button of the toolbar over its skin background, shows
// the image on the toolbar and in the host's composition image, and
// clears the toolbar's redraw flag. While the buttons, their pictures,
// the look's settings and the pixels under the toolbar stay as they were
// for the last paint, that paint's image is copied back instead. Nothing
// for a toolbar whose "Kj_" properties do not name its record.
void PaintToolbar(HWND toolbar);

// Draws button `index` (0-based) into `dc`, which holds the toolbar's
// client area; `hot` gives it the hover look.
void PaintToolbarButton(HWND toolbar, int index, HDC dc, bool hot = false);

// Draws the icon at (x, y) in grey: neutral pixels are left out, coloured
// ones become their grey (with red lifted by 20 for an indeterminate
// button, `state` holding TBSTATE_INDETERMINATE).
void DrawGreyedIcon(HDC dc, int x, int y, HICON icon, int state);

// The greyed colour of one icon pixel; 0 (left out) for black and for
// neutral pixels. Each component keeps its low 8 bits.
COLORREF GreyedIconPixel(COLORREF pixel, int state);

// Where a button's icon and caption go.
struct ToolbarButtonLayout {
  bool icon = false;        // the style has an icon
  bool greyedIcon = false;  // drawn through DrawGreyedIcon
  bool arrow = false;       // a drop-down arrow at the right
  bool greyedText = false;  // caption in grey
  POINT iconAt{};
  RectF caption{};
};

// `button` is the button's rectangle, `style` and `state` its fsStyle and
// fsState, `list` the toolbar's TBSTYLE_LIST, iconWidth and iconHeight
// the icon's size (0 without one).
ToolbarButtonLayout LayoutToolbarButton(const RECT& button, int style, int state, bool list,
                                        int iconWidth, int iconHeight);

}  // namespace skin
