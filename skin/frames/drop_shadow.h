// The soft drop shadow of a skinned window: a layered, click-through popup
// of class "yinyWindow", owned by the skinned window and covering its
// window rectangle grown by the shadow depth on every side. The picture is
// a blurred thick outline with the owner's own area left clear, pushed to
// the popup with per-pixel alpha.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/byte_array.h"
#include "skin/core/dc_cache.h"

namespace gdip {
class GdipGraphics;
}

namespace skin {

inline constexpr char kShadowWindowClass[] = "yinyWindow";

// Sides mask of the shadow. All four sides and the whole outline have
// shapes of their own; any other mask draws the chosen sides as strips.
enum ShadowSides : int {
  kShadowTop = 1,
  kShadowBottom = 2,
  kShadowLeft = 4,
  kShadowRight = 8,
  kShadowAllSides = 15,
  kShadowOutline = 16,
};

// Settings of SetWindowShadow; what a caller leaves out takes these values.
struct ShadowSettings {
  int depth = 10;
  int sides = kShadowAllSides;
  COLORREF colour = 0;
  int opacity = 80;      // 0-255
  rt::ByteArray image{};  // custom picture drawn into the shadow; empty: none
  int imageX = 0;        // mode 0: negative values count from the right / bottom
  int imageY = 0;
  int imageMode = 0;     // 0 anchored, 1 plain, others not drawn
  int cutOwner = 1;      // the custom picture leaves the owner's area out
  int imageOnly = 0;     // no drawn outline, only the custom picture
  int dragByShadow = 0;  // a left press on the shadow drags the owner
};

// Gives a skinned window its shadow, or updates the one it has. False,
// changing nothing, when the window is not a skinned window.
bool SetWindowShadow(HWND owner, const ShadowSettings& settings = {});

// Creates the shadow window of `owner` and renders it.
HWND CreateShadowWindow(HWND owner, int depth, COLORREF colour, int opacity, int sides);

// Draws the shadow picture into a new memory DC of the shadow's client
// size, registered in the DC cache and released by the owner returned.
// Empty while the shadow has no owner or depth yet.
CachedDc ComposeShadowPicture(HWND shadow);

// Redraws the shadow picture and pushes it to the shadow window.
void RenderShadow(HWND shadow);

// Draws the blurred shadow shape for a w x h shadow at (x, y) into
// `target`. frameOff 1 gives the square shape of a window without a frame.
void BuildShadowBitmap(gdip::GdipGraphics& target, int sides, int depth, COLORREF colour,
                       int opacity, int x, int y, int width, int height, int frameOff);

// Moves the owner's visible shadow to the owner: to the given window
// rectangle when all four values are given, else to the owner's current
// one; with `rerender` the picture is drawn anew. Nothing happens for a
// window without a shadow or with a hidden one.
void AlignShadow(HWND owner, int rerender = 0, std::optional<int> x = std::nullopt,
                 std::optional<int> y = std::nullopt, std::optional<int> width = std::nullopt,
                 std::optional<int> height = std::nullopt);

// AlignShadow from a window-position message: the message's place and size
// are used only when it carries both; otherwise the owner's actual window
// rectangle is.
void AlignShadowToWindowPos(HWND owner, const WINDOWPOS& position, int rerender = 0);

// Lets the shadow receive mouse clicks (removes WS_EX_TRANSPARENT).
void EnableShadowDrag(HWND shadow);

}  // namespace skin
