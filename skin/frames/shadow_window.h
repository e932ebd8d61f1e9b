// Window procedures of the engine's own window classes: the drop-shadow
// window ("yinyWindow") and the canvas class ("hbfcWindow").
#pragma once

#include <windows.h>

namespace skin {

inline constexpr char kCanvasWindowClass[] = "hbfcWindow";

LRESULT CALLBACK ShadowWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// No window of the canvas class is ever created; it only passes messages on.
LRESULT CALLBACK CanvasWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
