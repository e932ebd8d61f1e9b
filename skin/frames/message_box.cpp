#include "skin/frames/message_box.h"

#include <string>

#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/frames/skin_dialog.h"

namespace skin {

HWND MessageBoxOwner = nullptr;
HHOOK MessageBoxHook = nullptr;

namespace {

bool IsUnskinnedDialog(HWND window) {
  // A skinned window keeps its previous procedure in a property.
  return IsClass(window, "#32770") && GetPropA(window, prop::kOldProc) == nullptr;
}

}  // namespace

int ShowSkinnedMessageBox(HWND owner, std::string_view text, unsigned flags, std::string_view caption) {
  const std::string textZ(text);
  const std::string captionZ(caption);
  MessageBoxOwner = owner;
  InstallMessageBoxHook();
  const int id = MessageBoxExA(owner, textZ.c_str(), captionZ.c_str(), flags, 0);
  // The box is gone: a hook left armed would catch the thread's next dialog
  // (a folder dialog, say) and skin it as a message box.
  RemoveMessageBoxHook();
  // MessageBoxExA reports a box it could not show as 0 (some systems -1).
  return id > 0 ? id - 1 : -1;
}

void InstallMessageBoxHook() {
  MessageBoxHook = SetWindowsHookExA(WH_CBT, MessageBoxHookProc, nullptr, GetCurrentThreadId());
}

void RemoveMessageBoxHook() {
  if (MessageBoxHook) UnhookWindowsHookEx(MessageBoxHook);
  MessageBoxHook = nullptr;
}

LRESULT CALLBACK MessageBoxHookProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (IsUnskinnedDialog(window)) SkinDialog(window);
  }
  return CallNextHookEx(MessageBoxHook, code, wParam, lParam);
}

}  // namespace skin
