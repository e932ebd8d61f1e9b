// The popup-menu skin: the popup windows of menus registered with the
// engine get a rounded region and a painted frame. The popup window does
// not exist yet when its owner learns that the menu opens, so a one-shot
// event hook catches it when it starts.
#pragma once

#include <windows.h>

namespace skin {

// The pending popup-menu event hook, 0 while none is pending.
extern HWINEVENTHOOK MenuPopupHook;

// Arms the hook for the next popup-menu start of this process; returns it.
// While a hook is pending, that one is returned and no second is made.
HWINEVENTHOOK HookMenuPopup();

// Handles one event of the hook: the start of a popup menu window skins
// it. Any event removes the pending hook; none does anything without one.
void MenuPopupEventProc(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId,
                        LONG childId, DWORD eventThread, DWORD eventTime);

// The procedure the system calls for the hook's events.
void CALLBACK MenuPopupEventAdapter(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId,
                                    LONG childId, DWORD eventThread, DWORD eventTime);

// Gives a popup menu window its rounded region, subclasses it (once) and
// paints its frame.
void SkinPopupMenu(HWND popup);

// Window procedure of a skinned popup menu.
LRESULT CALLBACK PopupMenuSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the popup's non-client frame; its client area is left alone.
void PaintMenuBorder(HWND popup);

}  // namespace skin
