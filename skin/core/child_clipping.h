// Keeping a painter off the windows that lie on top of it: clipping a
// window's visible children out of a DC before copying an image into it.
#pragma once

#include <windows.h>

#include "runtime/gdi_object.h"

namespace skin {

// Calls `visit` with every direct child of `window`, first to last.
template <class Visit>
void ForEachChild(HWND window, Visit visit) {
  for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
       child = FindWindowExA(window, child, nullptr, nullptr)) {
    visit(child);
  }
}

// Clips every visible, non-transparent child of `window` out of `dc`, at
// the child's place in skinned-window coordinates (those of the host's
// compositionDc). Returns dc.
HDC ExcludeVisibleChildren(HWND window, HDC dc);

// The window's own DC, or `dc`, with every visible child clipped out
// (transparent children only while TransparencyMode is on), each child's
// rectangle kept within the window's known size.
rt::WindowDc GetDcWithoutChildren(HWND window);
HDC GetDcWithoutChildren(HWND window, HDC dc);

// The same, but only children that paint themselves (unskinned controls
// and skinned edit boxes) are clipped out: the other skinned children's
// last images are in the host's compositionDc and may be painted over.
rt::WindowDc GetDcWithoutSelfPaintingChildren(HWND window);
HDC GetDcWithoutSelfPaintingChildren(HWND window, HDC dc);

}  // namespace skin
