// The window procedure of every skinned button, and the immediate repaint
// of one button by its kind.
#pragma once

#include <windows.h>

namespace skin {

// Tracks the hot button, remembers focus, mouse-down and caption, paints
// check boxes and radio buttons itself, plays the check-box click animation
// and passes the rest to the button's previous procedure ("Hw_hProc").
LRESULT CALLBACK ButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Repaints the button now with the painter of its kind; addHover adds
// ODS_HOTLIGHT to state.
void PaintButton(HWND window, int state = 0, bool addHover = false);

// How the click animation shows a frame and waits between frames. Tests
// replace them to watch the sequence; nullptr members restore the real
// ones (PaintCheckBox with an animation frame, and Sleep).
struct ClickAnimationSteps {
  void (*showFrame)(HWND window, int frame) = nullptr;
  void (*pause)(DWORD milliseconds) = nullptr;
};
// Installs the steps; returns the ones in use before.
ClickAnimationSteps SetClickAnimationSteps(const ClickAnimationSteps& steps);

}  // namespace skin
