// A small stand-in for the product executable that the installer carries:
// one window titled "Quillora" that shows the version it stands for. The
// installer's tests start it and look for that window.
#include <windows.h>

namespace {

constexpr char kWindowClass[] = "QuilloraStandInWindow";
constexpr char kTitle[] = "Quillora";
constexpr char kVersionLine[] = "Quillora 03.41.50";
constexpr int kVersionLabelId = 100;

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateWindowExA(0, "STATIC", kVersionLine, WS_CHILD | WS_VISIBLE | SS_CENTER, 20, 40, 280, 24,
                      window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kVersionLabelId)),
                      reinterpret_cast<const CREATESTRUCTA*>(lParam)->hInstance, nullptr);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

bool RegisterStandInClass(HINSTANCE instance) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = StandInProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  return RegisterClassA(&windowClass) != 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  if (!RegisterStandInClass(instance)) return 1;
  HWND window = CreateWindowExA(0, kWindowClass, kTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 340, 140, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, showCommand);
  UpdateWindow(window);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
