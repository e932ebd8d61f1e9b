// The fade-in of skinned dialogs: every skinned dialog is invisible
// (alpha 0) until its first paint starts its fade-in thread, which raises
// the alpha to 240 in ten steps.
#pragma once

#include <windows.h>

namespace skin {

// Handle of the most recently started fade-in thread while its dialog
// lives, else null. Owned by the dialog's fade-in record.
extern HANDLE FadeInThread;

// 1 while a skinned dialog whose fade-in has started is alive.
extern int FadeInStarted;

// Starts the dialog's fade-in unless it has one; a fade that cannot start
// shows the dialog at once at the fade's final alpha.
void StartFadeIn(HWND dialog);

// Tells the dialog's fade-in to stop and waits for it, so no alpha change
// lands after this; a dialog without one gets a finished record, so none
// starts later.
void StopFadeIn(HWND dialog);

// Stops the dialog's fade-in and closes its handles.
void ForgetFadeIn(HWND dialog);

// The fade-in thread's routine; its parameter is the fade's own context.
DWORD WINAPI FadeInThreadProc(LPVOID context);

}  // namespace skin
