// The options menu behind the frame's main-menu button, and its items.
#pragma once

#include "runtime/byte_array.h"

namespace app {

// Pops the "选项..." menu up at the mouse cursor.
void PopupOptionsMenu();

// Item "软件简介": opens IntroWindow over the installer window.
void IntroMenuSelect();

// Item "关于...": the about box.
void AboutMenuSelect();

// The about box's text.
rt::Text AboutText();

}  // namespace app
