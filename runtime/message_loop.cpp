// The message loop, the start rules and deferred destruction.
#include <windows.h>

#include "runtime/music.h"
#include "runtime/path_text.h"
#include "runtime/window_builder.h"
#include "runtime/window_registry.h"
#include "runtime/window_runtime.h"

namespace rt {
namespace {

void EnterProgramFolder() {
  char path[MAX_PATH * 2] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return;
  const std::size_t cut = LastSeparator(std::string_view(path, length));
  if (cut == std::string_view::npos) return;
  path[cut + 1] = '\0';  // keep "C:\" whole for a program in a drive's root
  SetCurrentDirectoryA(path);
}

}  // namespace

void ProcessPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // the main loop must still see it
      return;
    }
    DispatchOne(message);
  }
}

void DestroyWindowNow(std::string_view window) {
  if (const WindowPtr record = FindWindowRecord(window)) PostMessageA(record->handle, DestroyNowMessage(), 0, 0);
}

int RunApplication(const WindowTemplate& startWindow) {
  EnterProgramFolder();
  if (!LoadWindowFromTemplate(startWindow, {}, false, true)) return 0;
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchOne(message);
  EndMusic();
  return 0;
}

}  // namespace rt
