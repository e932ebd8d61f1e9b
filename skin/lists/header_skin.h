// The header skin: column headers, stand-alone and inside list views,
// painted item by item (a white base, an accent gradient, hover and
// pressed looks for clickable headers, a separator, the item's icon and
// text). The native procedure keeps sizing, clicking and notifying.
// SkinHeaders, the installer, is declared with the other list installers.
#pragma once

#include <windows.h>

namespace skin {

LRESULT CALLBACK HeaderSkinProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam);

// 1-based item under the point in a mouse message's lParam, 0 for none. A
// point within 5 pixels of an item's edge belongs to no item, so no item
// looks hot while the mouse is over a sizing divider. Both indices must
// name a record.
int HitTestHeaderItem(int windowIndex, int recordIndex, LPARAM lParam);

// Paints every item of header `recordIndex` of window `windowIndex` onto
// the header's DC and into the host's composition image. Indices that do
// not name a record, and a header without items, paint nothing.
void PaintHeader(int windowIndex, int recordIndex);

}  // namespace skin
