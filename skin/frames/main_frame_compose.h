// Composing a skinned main frame's whole look into its cached DCs.
#pragma once

namespace skin {

// Composes the frame of window `windowIndex` into its four cache DCs
// (background, caption strip, bottom bar, composition), releasing each old
// one first, and records the client size. With `present` it also gives
// the window its rounded region, shows the result and makes the skinned
// children repaint over it.
void ComposeMainFrame(int windowIndex, bool present);

}  // namespace skin
