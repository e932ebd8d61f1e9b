// The popup-menu skin: popups of menus registered with the engine.
#pragma once

#include <windows.h>

namespace skin {

// The popup-menu event hook, 0 until HookMenuPopup.
extern HWINEVENTHOOK MenuPopupHook;

// Hooks the start of popup menus of this process; returns the hook.
HWINEVENTHOOK HookMenuPopup();

}  // namespace skin
