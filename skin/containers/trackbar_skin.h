// The trackbar skin: an optional translucent panel, a thin shaded channel,
// the selection as a white bar, the part before the thumb in the accent
// colour and a round thumb that grows under the mouse. The native control
// keeps its range, position, selection, keyboard and mouse handling; the
// skin reads its channel and thumb rectangles so the painted thumb follows
// the native one.
#pragma once

#include <windows.h>

#include "gdip/gdip_graphics.h"
#include "skin/containers/range_installers.h"  // SkinTrackbars
#include "skin/core/control_records.h"

namespace skin {

// Thumb diameters, normal and under the mouse.
inline constexpr int kThumbDiameter = 10;
inline constexpr int kHotThumbDiameter = 12;

// Window procedure of a skinned trackbar.
LRESULT CALLBACK TrackbarSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Paints trackbar `listIndex` of window `windowIndex` now, onto its whole
// window area and into the host's composition image.
void PaintTrackbar(int windowIndex, int listIndex);

// What the native control reports, as the painter needs it.
struct TrackbarState {
  int width = 0;   // window size
  int height = 0;
  RECT channel{};  // TBM_GETCHANNELRECT: a vertical bar's is read with its axes exchanged
  RECT thumb{};    // TBM_GETTHUMBRECT
  int position = 0;
  int minimum = 0;
  int maximum = 0;
  int selectionStart = 0;
  int selectionEnd = 0;
};

// A stretch along the trackbar and across it, in whole pixels.
struct TrackbarBar {
  bool drawn = false;  // false: shorter than a pixel, or nothing to show
  int along = 0;
  int length = 0;
  int across = 0;
  int thickness = 0;
};

// Where the parts go, along and across the trackbar (x and y of a
// horizontal one, y and x of a vertical one).
struct TrackbarGeometry {
  TrackbarBar channel;
  TrackbarBar selection;
  TrackbarBar fill;
  int thumbAlong = 0;
  int thumbAcross = 0;
  int thumbDiameter = 0;
};

TrackbarGeometry ComputeTrackbarGeometry(const TrackbarState& state, const TrackbarRecord& record);

// Draws the trackbar with `graphics` over the background already there;
// `panel` is TrackbarPanel.
void DrawTrackbar(gdip::GdipGraphics& graphics, const TrackbarState& state,
                  const TrackbarRecord& record, int panel);

}  // namespace skin
