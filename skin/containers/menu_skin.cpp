#include "skin/containers/menu_skin.h"

namespace skin {

HWINEVENTHOOK MenuPopupHook = nullptr;

void RouteDrawItem(int /*windowIndex*/, DRAWITEMSTRUCT /*item*/, std::optional<int> /*flag*/) {}

int FindMenuRecord(HMENU /*menu*/) { return 0; }

HWINEVENTHOOK HookMenuPopup() { return MenuPopupHook; }

void MeasureMenuItem(HWND /*window*/, MEASUREITEMSTRUCT* /*item*/) {}

}  // namespace skin
