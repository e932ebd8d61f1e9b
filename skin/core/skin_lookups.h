// Finding a window's skin record, host and position. The lookups only
// read; absent windows give 0 or a zero rectangle. Rectangles are left,
// top, right, bottom.
#pragma once

#include <windows.h>

#include "skin/core/window_properties.h"

namespace skin {

// 1-based window index of `hwnd`, 0 when no record has it.
int FindSkinWindow(HWND hwnd);

// Window index of the window itself or of its nearest skinned ancestor
// (walking parents up to the root owner); 0 when there is none.
int FindSkinWindowOfAncestor(HWND hwnd);

// 1-based index of `hwnd` in that record's containers; 0 when absent or
// when the window index is outside the table.
int FindContainerRecord(int windowIndex, HWND hwnd);

// The panel marks ("Wxk_Zpf") of windows, asked once for a whole paint:
// while no window holds the mark, no window is read at all.
class PanelMarks {
 public:
  // Whether any window may hold a mark now.
  static PanelMarks Current() { return PanelMarks(prop::MayBeHeld(prop::kPanelMark)); }

  // The window's "Wxk_Zpf" (0 when never set).
  INT_PTR Of(HWND hwnd) const { return any_ ? prop::Read(hwnd, prop::kPanelMark) : 0; }
  bool IsPanel(HWND hwnd) const { return Of(hwnd) == 1; }

 private:
  explicit PanelMarks(bool any) : any_(any) {}
  bool any_;
};

// 1 when the nearest host is a skinned top-level window (windowIndex set),
// else 0: windowIndex and containerIndex set for a registered container,
// panel set when a panel ends the walk, nothing set when no host is found.
int FindControlHost(HWND control, int& windowIndex, int& containerIndex, HWND& panel,
                    bool stopAtPanel);
// The same walk stopping at panels, with the marks already asked.
int FindControlHost(HWND control, int& windowIndex, int& containerIndex, HWND& panel,
                    const PanelMarks& marks);

// Index of the nearest ancestor container of `control` in record
// `windowIndex` whose paintMode is set, walking up to (not including)
// `stopWindow`; 0 when none.
int FindFlaggedContainer(int windowIndex, HWND control, HWND stopWindow);

RECT GetRectInParentWindow(HWND hwnd);
RECT GetRectInParentClient(HWND hwnd);
RECT GetRectRelativeTo(HWND reference, HWND hwnd);
RECT GetRectInSkinWindow(HWND hwnd);
RECT GetClientRectInSkinWindow(HWND hwnd);
RECT GetRectInHost(HWND control);

}  // namespace skin
