// A skinned test frame whose saved procedure records every message that
// reaches it. The saved procedure swallows window commands and non-client
// presses (so posted commands and handed-over size or move requests are
// seen without a modal loop) and refuses WM_CLOSE; a test may hook a
// window command or WM_CLOSE to act at that moment.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/frames/frame_globals.h"
#include "skin/engine/skin_engine.h"
#include "skin/frames/drop_shadow.h"
#include "skin/frames/main_window_skin.h"
#include "skin/frames/shadow_window.h"
#include "tests/skin/frames/frame_paint_fixture.h"

namespace quillora_test {

inline std::function<void(HWND, WPARAM)> OnSavedCommand;
inline std::function<void(HWND)> OnSavedClose;

inline LRESULT CALLBACK SavedFrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  RecordedMessages.push_back({message, wParam, lParam});
  switch (message) {
    case WM_SYSCOMMAND:
      if (OnSavedCommand) OnSavedCommand(hwnd, wParam);
      return 0;
    case WM_NCLBUTTONDOWN:
      return 0;
    case WM_CLOSE:
      if (OnSavedClose) OnSavedClose(hwnd);
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

inline constexpr char kSavedFrameClass[] = "QuilloraSavedFrame";

// Resets the recorded messages and hooks and the process-wide frame state.
class FrameProcTest : public FramePaintTest {
 protected:
  FrameProcTest() {
    RecordedMessages.clear();
    OnSavedCommand = nullptr;
    OnSavedClose = nullptr;
    skin::HotCaptionButton = 0;
    skin::FirstSizePending = 0;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &SavedFrameProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kSavedFrameClass;
    RegisterClassA(&wc);  // a second registration fails harmlessly
    skin::RegisterSkinWindowClass(skin::kShadowWindowClass, skin::ShadowWindowProc);
  }
  ~FrameProcTest() override {
    OnSavedCommand = nullptr;
    OnSavedClose = nullptr;
  }

  // A popup of the given client size skinned as the installer skins its
  // window (main menu, minimize and close buttons, no icon), shown without
  // activation (its first show composes it) unless `show` is false. The
  // composition's window region activates the frame, and under Wine the
  // destruction of a window that was active waits about two seconds.
  TestWindow Frame(DWORD style = WS_MINIMIZEBOX, bool show = true,
                   skin::MainWindowSettings settings = MenuAndNoIcon(), int width = 570, int height = 450) {
    TestWindow window(CreateWindowExA(0, kSavedFrameClass, "WWW Setup", WS_POPUP | style, 20, 20, width, height,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    skin::SkinMainWindow(window, settings);
    if (show) ShowWindow(window, SW_SHOWNOACTIVATE);
    RecordedMessages.clear();
    return window;
  }

  static skin::SkinWindowRecord& Record(HWND window) {
    return skin::SkinWindowTable.At(static_cast<int>(skin::prop::Read(window, skin::prop::kIndex)));
  }

  static int Reached(UINT message) { return static_cast<int>(Recorded(message).size()); }
};

}  // namespace quillora_test
