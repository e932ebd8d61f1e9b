// The cheap repaints of a main frame: copying its cached frame to the
// window, and marking its list views for repainting over a new frame.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Marks the frame's visible list views dirty and invalidates them.
void InvalidateListViews(HWND hwnd);

// Copies the frame's cached look (backgroundDc) onto the window, its
// visible children clipped out. A given window DC is used while the frame
// has not just been shown composed, otherwise released and replaced by a
// fresh one; the DC used is released either way.
void BlitFrameCache(int windowIndex, std::optional<HDC> dc = std::nullopt);

}  // namespace skin
