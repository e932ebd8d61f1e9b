#include "skin/containers/menu_skin.h"

namespace skin {

HWINEVENTHOOK MenuPopupHook = nullptr;

HWINEVENTHOOK HookMenuPopup() { return MenuPopupHook; }

}  // namespace skin
