// Moving a control's finished image into its host window's composition
// image (compositionDc) and copying that image back onto the control.
#pragma once

#include <windows.h>

namespace skin {

// Copies `image` (from its corner) into the host's compositionDc at the
// control's client area, or its whole window rectangle with `wholeWindow`,
// leaving the control's visible opaque children untouched. The host is the
// control's "Kj_FuID" with `kjLink`, else its "Hw_FuID", else the control
// itself as a skinned window; nothing happens without a valid host.
void BlitControlToHost(HWND control, HDC image, bool kjLink = false, bool wholeWindow = false);

// Which property of a control names its host window: "Hw_FuID", or
// "Kj_FuID" for the common controls linked through the "Kj_" properties.
enum class HostLink { Hw, Kj };

// Which children PaintBackgroundFromForm keeps its copy off: all visible
// ones, or only those that paint themselves (unskinned controls and edit
// boxes), whose last images are not in the host's compositionDc.
enum class ChildClip { All, SelfPainting };

// Copies the host's compositionDc under the control's client area onto the
// control, its visible children clipped out. With ChildClip::SelfPainting
// the copy goes to a fresh DC of the control (a given DC is not used).
// A DC given by the caller stays with the caller, its clip region as it was.
// The flags are not integers, so a DC passed where a flag belongs does not
// compile; PaintBackgroundFromForm(control, dc) paints onto that DC.
void PaintBackgroundFromForm(HWND control, HostLink link = HostLink::Hw,
                             ChildClip clip = ChildClip::All, HDC dc = nullptr);
void PaintBackgroundFromForm(HWND control, HDC dc);

}  // namespace skin
