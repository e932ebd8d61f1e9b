// The up-down skin: the control's whole window painted as a translucent
// panel of two rounded halves (up and down, or left and right), with the
// scroll-bar chevrons, a hot look for the half under the mouse and a
// pressed look while the left button is down. The native procedure keeps
// the control's work; its painting is suppressed. SkinUpDowns, the
// installer, is declared with the other list installers.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

LRESULT CALLBACK UpDownSkinProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// 0 when the point in a mouse message's lParam (client coordinates) lies in
// the first half (up or left), 1 in the second. The middle line belongs to
// the first half. Both indices must name a record.
int HitTestUpDown(int windowIndex, int recordIndex, LPARAM lParam);

// Paints up-down `recordIndex` of window `windowIndex` onto its window DC
// and into the host's composition image. Omitted values come from the
// record: hover, pressed, and the position of the last button message
// (which picks the hot half). Both indices must name a record.
void PaintUpDown(int windowIndex, int recordIndex, std::optional<int> hover = std::nullopt,
                 std::optional<int> pressed = std::nullopt, std::optional<LPARAM> lParam = std::nullopt);

}  // namespace skin
