// The progress-bar skin: a translucent frame, a shaded trough, the filled
// part in the bar's own colour and, on horizontal bars, a shine strip that
// sweeps across the fill on a 30 ms timer. The native bar keeps its range,
// position and messages; the skin only reads them and paints.
#pragma once

#include <windows.h>

#include "skin/core/control_records.h"

namespace skin {

// Timer of a bar's shine: its id is the bar's list index.
inline constexpr UINT kShinePeriod = 30;  // ms between two steps
inline constexpr int kShineStep = 5;      // pixels per step

// Skins the parent's direct "msctls_progress32" children into the
// progress list of window `windowIndex`, filled in the accent colour of
// this moment. Does nothing while SkinChildControls is 0; a bar listed
// already, or taken by another skin, is left alone.
void SkinProgressBars(int windowIndex, HWND parent);

// Window procedure of a skinned bar.
LRESULT CALLBACK ProgressSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Paints bar `listIndex` of window `windowIndex` now, onto its whole
// window area, and puts the image into the host's composition image.
void PaintProgressBar(int windowIndex, int listIndex);

// The filled part of a bar of width x height (window size): origin, size
// and the fill length along the bar. Empty (length 0) for an empty range
// and for a position at or below the low end.
struct ProgressFill {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
  int length = 0;
};
ProgressFill ComputeProgressFill(bool vertical, int width, int height, int position, int low,
                                 int high);

// Draws the bar of `record` (its position and range read from the bar)
// into `dc`, which holds the background of `area` (the bar's window
// rectangle, from 0, 0).
void DrawProgressBar(HDC dc, const RECT& area, const ProgressRecord& record);

}  // namespace skin
