// Owner-drawn items of the menus registered in MenuTable: lookup, painting
// and measuring. An item's data holds its menu index (high word) and its
// item number (low word), both 1-based.
#pragma once

#include <windows.h>

namespace skin {

// Width of the column that holds an item's check mark or icon.
inline constexpr int kMenuIconColumn = 20;
// Height of a separator item.
inline constexpr int kMenuSeparatorHeight = 12;

// 1-based position in MenuTable of the first record of `menu`, 0 when none.
int FindMenuRecord(HMENU menu);

// Paints one item completely (skin background of `owner`, icon column,
// content) and copies it to the item's DC. An item whose menu index or
// item number lies outside MenuTable or that menu's items is not painted.
void PaintMenuItemBack(HWND owner, const DRAWITEMSTRUCT& item);

// Draws an item's content into `dc`, whose origin is the item's top left
// corner: highlight, check mark, caption, icon; or a separator's lines.
void PaintMenuItem(const DRAWITEMSTRUCT& item, HDC dc);

// Answers WM_MEASUREITEM for an item of a registered menu; an item outside
// MenuTable or its menu's items leaves the structure as it was.
void MeasureMenuItem(HWND window, MEASUREITEMSTRUCT* item);

}  // namespace skin
