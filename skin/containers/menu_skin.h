// Owner-drawn items: the WM_DRAWITEM router and the menu services.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// The popup-menu event hook, 0 until HookMenuPopup.
extern HWINEVENTHOOK MenuPopupHook;

// Paints an owner-drawn button or registered menu item of a skinned
// window; other items are ignored.
void RouteDrawItem(int windowIndex, DRAWITEMSTRUCT item, std::optional<int> flag = std::nullopt);

// 1-based position of the menu in MenuTable, 0 when none.
int FindMenuRecord(HMENU menu);

// Hooks the start of popup menus of this process; returns the hook.
HWINEVENTHOOK HookMenuPopup();

// Answers WM_MEASUREITEM for an item of a registered menu.
void MeasureMenuItem(HWND window, MEASUREITEMSTRUCT* item);

}  // namespace skin
