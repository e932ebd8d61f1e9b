// What a click on a main frame's caption button does.
#pragma once

namespace skin {

// Carries out a click on caption button `button` (1-based) of window
// `windowIndex`: close, maximize/restore and minimize post the window
// command to the frame; help, main menu and custom buttons call their
// registered routine, if any. A number outside the buttons does nothing.
// This is the engine's caption-click entry (CaptionClickRoutine).
void OnCaptionButtonClick(int windowIndex, int button);

}  // namespace skin
