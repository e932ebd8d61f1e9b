// Process-wide state of the main frames.
#pragma once

namespace skin {

// A main frame's caption-click entry: carries out a click on caption button
// `button` (1-based) of window `windowIndex`.
using CaptionClickHandler = void (*)(int windowIndex, int button);

// Set by the first main-window skinning; the frame procedure dispatches
// caption-button clicks only while it is set.
extern CaptionClickHandler CaptionClickRoutine;

// Depth of the resize border zone and the frame inset, in pixels; set to 3
// whenever a main window is skinned.
extern int BorderZone;

// The caption button under the mouse at the last press or move in any main
// frame; 0 when none.
extern int HotCaptionButton;

}  // namespace skin
