// Popups for the main-frame tests whose own window procedure records every
// message that reaches it. It swallows window commands and non-client
// presses, so a posted close, maximize or minimize and a handed-over size or
// move request are seen without the window really closing, sizing or
// entering a modal loop.
#pragma once

#include <windows.h>

#include <vector>

#include "tests/support/skin_test_windows.h"

namespace quillora_test {

struct RecordedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

inline std::vector<RecordedMessage> RecordedMessages;

inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  RecordedMessages.push_back({message, wParam, lParam});
  if (message == WM_SYSCOMMAND || message == WM_NCLBUTTONDOWN) return 0;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

inline constexpr char kRecordingClass[] = "QuilloraRecordingFrame";

inline void RegisterRecordingClass() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &RecordingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kRecordingClass;
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  RegisterClassA(&wc);  // a second registration fails harmlessly
}

// A borderless visible popup whose client area is width x height. It is
// shown without being activated: under Wine, destroying the active window
// waits on the X server for seconds.
inline TestWindow MakeFramePopup(int width, int height, DWORD extraStyle = 0) {
  RegisterRecordingClass();
  TestWindow window(CreateWindowExA(0, kRecordingClass, "", WS_POPUP | extraStyle, 20, 20, width,
                                    height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
  ShowWindow(window, SW_SHOWNOACTIVATE);
  return window;
}

// Dispatches what is waiting in the queue (posted commands).
inline void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// The recorded messages of one kind, in order.
inline std::vector<RecordedMessage> Recorded(UINT message) {
  std::vector<RecordedMessage> found;
  for (const RecordedMessage& m : RecordedMessages) {
    if (m.message == message) found.push_back(m);
  }
  return found;
}

// The window commands (WM_SYSCOMMAND wParam) that reached the window.
inline std::vector<WPARAM> RecordedCommands() {
  std::vector<WPARAM> commands;
  for (const RecordedMessage& m : Recorded(WM_SYSCOMMAND)) commands.push_back(m.wParam);
  return commands;
}

}  // namespace quillora_test
