// Geometry of a main frame's caption-button strip.
#pragma once

namespace skin {

// Places the strip at the client area's right edge and every caption button
// in it (26 x 18 on a 27-pixel pitch, the close button 40 wide), and gives
// each button's tooltip tool its rectangle and current text.
void LayoutCaptionButtons(int windowIndex);

}  // namespace skin
