// Hit tests of a main frame's client area, which the skin paints as the
// whole frame: the caption-button strip, the caption buttons, the bottom
// bar, the eight resize zones along the border, and the hand-over of a
// press to the system's own size or move loop. Points are client
// coordinates; mouse points come as a message's lParam.
#pragma once

#include <windows.h>

namespace skin {

// 1 when the point lies in the caption-button strip, whose test reaches 2
// pixels further left than the buttons' own; else 0.
int IsInCaption(int windowIndex, LPARAM lParam);

// 1-based number of the caption button under the point, 0 when none (the
// buttons' edge pixels and the gaps between them answer 0).
int FindCaptionButtonAt(int windowIndex, int x, int y);

// Shows the size cursor of the border zone under the point of a sizable
// frame; leaves the cursor alone elsewhere.
void SetResizeCursor(int windowIndex, LPARAM lParam, const RECT& client);

// Starts what a left-button press at the point starts: nothing over the
// caption buttons or the bottom bar, a border resize in a zone of a sizable
// frame, otherwise a drag from a bare spot when dragAnywhere is set. The
// system's modal size or move loop runs before this returns.
void BeginDragOrResize(int windowIndex, LPARAM lParam, const RECT& client);

// 1-based number of the bottom-bar item under the point, 0 when none.
int FindBottomBarItemAt(int windowIndex, int x, int y);

// 1-based number of the first maximize/restore caption button, 0 when none.
int FindMaximizeButton(int windowIndex);

}  // namespace skin
