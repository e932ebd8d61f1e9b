// The message-box call: every message box of the program goes through
// ShowSkinnedMessageBox, which arms a one-shot CBT hook so the box's dialog
// window is skinned as it is activated.
#pragma once

#include <windows.h>

#include <string_view>

namespace skin {

// Owner of the most recently requested message box; the dialog painters
// take their colours and background from this window's skin record.
extern HWND MessageBoxOwner;

// The CBT hook armed by the most recent ShowSkinnedMessageBox; null once
// it has been removed.
extern HHOOK MessageBoxHook;

// Shows the standard message box (MessageBoxExA, language 0) with the hook
// armed; gives the pressed button's id minus 1 (OK 0, Cancel 1, Yes 5,
// No 6), or -1 when no box could be shown.
int ShowSkinnedMessageBox(HWND owner, std::string_view text, unsigned flags, std::string_view caption);

// Arms the hook on the calling thread; the handle goes to MessageBoxHook.
void InstallMessageBoxHook();

// Removes the hook, if armed, and clears MessageBoxHook.
void RemoveMessageBoxHook();

// The CBT hook procedure: hands the first activated "#32770" window that
// is not skinned yet to SkinDialog.
LRESULT CALLBACK MessageBoxHookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace skin
