// Letting go of the pictures (and the fonts and string formats) the engine
// keeps between paints.
#pragma once

namespace skin {

// Lets go of every picture kept decoded: in the record of every skinned
// window (its controls' pictures, caption buttons, faces, the progress
// bars' shine, the buttons' state pictures, the kept caption fonts and
// formats, the frame's background, bottom-bar and shadow pictures) and
// process-wide (check-box glyphs, tree icons, the menus' check marks). The
// windows stay; a later paint decodes again. Run before
// GDI+ is shut down, whatever windows are still alive.
void ForgetKeptPictures();

}  // namespace skin
