// Scroll-bar overlays: disabled "Static" children laid exactly over a
// skinned control's native scroll bars, on which the skinned bars are
// painted. Being disabled, an overlay lets the mouse through to the native
// bar beneath it; the control's procedure repaints the overlay from what
// it sees there.
#pragma once

#include <windows.h>

#include <optional>

#include "skin/core/control_records.h"

namespace skin {

// The overlay fields of a skinned control's record: an "Edit" or
// "RichEdit20A" keeps them in its EditRecord, every other class in its
// ListControlRecord.
struct ScrollBarFields {
  HWND* vOverlay = nullptr;
  HWND* hOverlay = nullptr;
  ScrollPartRects* vParts = nullptr;
  ScrollPartRects* hParts = nullptr;
  FinishedImage* vImage = nullptr;  // each bar's last painted image
  FinishedImage* hImage = nullptr;
};

// The fields of the record that the control's "Hw_FuID" and "Hw_lbID"
// name, or nullopt when they do not name a record of this control.
std::optional<ScrollBarFields> FindScrollBarFields(HWND control);

// Creates the overlay over the control's vertical (horizontal) bar, in the
// control's parent: over the bar when shown is 1, hidden and parked at
// (0, 0), 10 x 10 otherwise. Returns the overlay.
HWND CreateVScrollOverlay(HWND control, int shown);
HWND CreateHScrollOverlay(HWND control, int shown);

LRESULT CALLBACK VScrollOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HScrollOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam);

// Shows, hides and places the control's overlays after the control moved,
// changed its styles or was shown or hidden. Omitted overlays come from the
// control's record; `show` (a WM_SHOWWINDOW state, -1 when omitted) is
// used for list-type controls only.
void LayoutScrollOverlays(HWND control, std::optional<HWND> horizontal = std::nullopt,
                          std::optional<HWND> vertical = std::nullopt, int show = -1);

// 1 when the control's style has WS_VSCROLL or WS_HSCROLL, else 0.
int HasAnyScrollStyle(HWND control);

}  // namespace skin
