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

// Copies the host's compositionDc under the control's client area onto the
// control, its visible children clipped out. With `skinnedChildrenMode`
// only the children that paint themselves are clipped out, on a fresh DC
// of the control. A DC given by the caller stays with the caller.
void PaintBackgroundFromForm(HWND control, bool kjLink = false, bool skinnedChildrenMode = false,
                             HDC dc = nullptr);

}  // namespace skin
