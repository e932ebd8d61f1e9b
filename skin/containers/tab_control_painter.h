// Painting of a tab control the engine paints: the page frame, every tab
// and the strip where the selected tab opens into the page.
#pragma once

#include <windows.h>

namespace skin {

// The side on which a tab control's tabs stand.
enum class TabSide : int {
  Top = 0,
  Left = 1,
  Right = 2,
  Bottom = 3,
};

// Where the page and the join strip lie for a tab control of client size
// W x H with the given style, `rows` rows of tabs and the selected tab's
// rectangle q (all in client coordinates).
struct TabLayout {
  TabSide side = TabSide::Top;
  RECT page{};
  RECT join{};
};
TabLayout ComputeTabLayout(LONG_PTR style, int W, int H, const RECT& q, int rows);

// Draws the page frame, the tabs and the join into `dc`, which holds the
// tab control's client background. With no selection the join is left
// out.
void PaintTabControl(HWND tab, HDC dc);

// Draws tab `index` into `dc` (client coordinates).
void PaintTabItems(HWND tab, HDC dc, int index, bool selected, TabSide side);

// Draws tab `index` over a background of its own and puts the finished tab
// onto the control.
void PaintTabItems(HWND tab, int index, bool selected, TabSide side);

}  // namespace skin
