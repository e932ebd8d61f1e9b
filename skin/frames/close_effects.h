// Close animations of skinned windows: a picture of the window redrawn in
// ten layered steps, smaller, moved or more transparent.
//
// Every effect blocks the calling (user-interface) thread until its last
// step, without processing messages, and leaves the window layered at the
// last step the system accepted.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "skin/core/dc_cache.h"
#include "skin/core/frame_records.h"

namespace skin {

// Stores `effect` (a CloseEffect value) for a skinned window: 1, or 0 with
// nothing stored when the window is not skinned.
int SetCloseEffect(HWND window, int effect);

void AnimateShrinkFade(HWND window);
void AnimateClosePulse(HWND window);
void AnimateCloseFade(HWND window, int alreadyLayered);
void AnimateSqueezeToMiddleRow(HWND window);
void AnimateRollUp(HWND window);
void AnimateRollDown(HWND window);
void AnimateCollapseLeft(HWND window);
void AnimateCollapseRight(HWND window);
void AnimateSqueezeToMiddleColumn(HWND window);

// Plays the routine of a CloseEffect value (1 to 9; the fade makes the
// window layered itself); any other value plays nothing.
void PlayCloseEffect(HWND window, int effect);

// Where one step of an animation puts the window: its screen rectangle,
// the constant alpha and the pause after the step, in milliseconds.
struct CloseStep {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int alpha = 0;
  int pause = 0;
  friend bool operator==(const CloseStep&, const CloseStep&) = default;
};

// The ten steps of an effect (1 to 9) for a window whose screen rectangle
// is `window`; every value is truncated toward zero as it is computed.
std::array<CloseStep, 10> CloseEffectSteps(CloseEffect effect, const RECT& window);

// Removes WS_EX_LAYERED, so the window's own look can be read again.
void ClearLayeredStyle(HWND window);

// GdiAlphaBlend with per-pixel alpha and the constant alpha (255 when not
// given).
BOOL AlphaBlendLayerRect(HDC destination, int x, int y, int width, int height, HDC source,
                         int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                         std::optional<BYTE> alpha = std::nullopt);

// The window's picture built from its layer DCs (properties "Fcsx_bjcj"
// and "Fcsx_gycj", or the DCs given) and the windows of its layer elements,
// in a registered memory DC of the window's size. Used only for a window
// whose "CK_Fcck" is 1, which nothing in this program sets.
CachedDc ComposeLayeredImage(HWND window, std::optional<HDC> background = std::nullopt,
                        std::optional<HDC> foreground = std::nullopt);

// Clips the windows nested in layer element `element` (1-based) of the
// window's layer entry out of `dc`.
void ClipLayerElement(HWND window, int element, HDC dc);

}  // namespace skin
