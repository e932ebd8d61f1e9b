// Hover fades: a finished hover image blended over what a button shows, in
// nine steps of 20 ms on a thread timer. The fades of the whole process are
// kept in FadeList (engine globals), in start order.
#pragma once

#include <windows.h>

#include "skin/core/dc_cache.h"

namespace skin {

// Appends a fade of the source area over (x, y, width, height) of destDc,
// or of the window's own DC when none is given, and starts its timer. The
// fade owns the source from now on; a destDc given stays the caller's, and
// only a window DC the fade took itself is released by it. A layered fade
// refreshes the layered window after every blend.
void StartFade(HWND window, int x, int y, int width, int height, CachedDc source, int sourceX, int sourceY,
               HDC destDc = nullptr, int layered = 0);

// The same with a source that stays the caller's, who keeps it until the
// fade has ended or was stopped.
void StartFadeKeepingSource(HWND window, int x, int y, int width, int height, HDC keptSource, int sourceX,
                            int sourceY, HDC destDc = nullptr, int layered = 0);

// The timer procedure of every fade: one blend step of the fade whose
// timer this is; after the tenth step the fade ends.
void CALLBACK OnFadeTimer(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// Ends every running fade where it stands: timers killed, the DCs the
// fades own released, the list emptied. A stopped button keeps its partly
// blended look.
void StopAllFades();

// 1-based position in FadeList of the fade with that timer, 0 when none.
int FindFadeByTimer(UINT_PTR timerId);

// The source area laid over the destination area at a constant alpha; the
// source's own alpha is ignored.
BOOL BlendWithConstantAlpha(HDC destDc, int destX, int destY, int destWidth, int destHeight, HDC sourceDc,
                            int sourceX, int sourceY, int sourceWidth, int sourceHeight, int alpha = 255);

}  // namespace skin
