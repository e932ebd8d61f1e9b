// Main frame paint speed: the installer's 570 x 450 window with its
// controls (buttons, check boxes, the folder edit, labels as statics, the
// progress bar, two group boxes) skinned as the installer skins it, beside
// the same window left unskinned, in one run. Per WM_PAINT of the window
// itself: a full recompose and repaint, and a paint from the cache, each
// divided by the unskinned window's paint (goal for the cached paint: at
// most 3 times).
//
// Then DcCache's size, the process's GDI object count and the live GDI+
// objects over the leak check's paints, caption hover-fade cycles and
// colour messages of the frame's children (all must be unchanged).
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "bench/bench_leak_check.h"
#include "gdip/gdiplus_startup.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/containers/static_skins.h"
#include "skin/engine/skin_engine.h"
#include "skin/frames/frame_cache_blit.h"
#include "skin/frames/main_window_skin.h"

namespace {

constexpr int kWidth = 570, kHeight = 450;
constexpr int kPaintsPerRound = 300;
constexpr int kRounds = 3;
constexpr double kGoalCachedRatio = 3.0;
constexpr char kClass[] = "QuilloraBenchFrame";

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND Child(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h) {
  return CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// The installer window's controls at their places.
HWND InstallerLikeWindow(int x) {
  HWND w = CreateWindowExA(0, kClass, "Quillora Setup", WS_POPUP | WS_MINIMIZEBOX, x, 40, kWidth, kHeight, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
  Child(w, "Button", "Options", BS_GROUPBOX, 26, 30, 210, 224);
  Child(w, "Button", "Notes", BS_GROUPBOX, 249, 30, 295, 224);
  for (int i = 0; i < 6; ++i) Child(w, "Button", "Option", BS_AUTOCHECKBOX, 47, 52 + 34 * i, 180, 20);
  Child(w, "Static", "Folder:", 0, 27, 273, 104, 20);
  Child(w, "Static", "(disk space)", 0, 129, 273, 263, 20);
  Child(w, "Edit", "C:\\Program Files\\Quillora", ES_AUTOHSCROLL, 27, 297, 429, 24);
  Child(w, "Button", "Change", BS_PUSHBUTTON, 464, 297, 82, 24);
  Child(w, "Static", "Ready", 0, 27, 327, 517, 24);
  Child(w, PROGRESS_CLASSA, "", 0, 26, 352, 518, 16);
  Child(w, "Button", "I agree", BS_AUTOCHECKBOX, 27, 392, 141, 24);
  Child(w, "Button", "Install", BS_PUSHBUTTON, 375, 391, 82, 26);
  Child(w, "Button", "Close", BS_PUSHBUTTON, 464, 391, 82, 26);
  ShowWindow(w, SW_SHOWNOACTIVATE);
  return w;
}

void Paint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void FullRepaint(HWND window) {
  skin::SkinWindowTable.At(1).recompose = 1;
  Paint(window);
}

void HoverFadeCycle(HWND window) {
  SendMessageA(window, WM_MOUSEHOVER, 0, 0);
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(550, 10));
  for (int i = 0; i < 8; ++i) SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0);
  SendMessageA(window, WM_MOUSELEAVE, 0, 0);
  for (int i = 0; i < 8; ++i) SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0);
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures appear as they come
  skin::InitSkinEngine();
  skin::SetSkinOptions(1, 100);
  skin::ThemeColour = 0xECECEC;
  skin::ThemeMode = 3;
  WNDCLASSA wc{};
  wc.lpfnWndProc = &PlainProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  wc.lpszClassName = kClass;
  RegisterClassA(&wc);

  int status = 0;
  {
    HWND plain = InstallerLikeWindow(20);
    HWND skinned = InstallerLikeWindow(620);
    skin::MainWindowSettings settings;
    settings.menuButton = 1;
    settings.hideIcon = 1;
    ShowWindow(skinned, SW_HIDE);
    skin::SkinMainWindow(skinned, settings);
    ShowWindow(skinned, SW_SHOWNOACTIVATE);  // the first show composes
    Paint(plain);
    FullRepaint(skinned);
    Paint(skinned);

    const double unskinned = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [plain] { Paint(plain); });
    const double full = bench::BestSecondsPerCall(kRounds, kPaintsPerRound / 10, [skinned] { FullRepaint(skinned); });
    const double cached = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [skinned] { Paint(skinned); });
    std::printf("unskinned window paint:          %9.2f us\n", unskinned * 1e6);
    std::printf("skinned, full recompose + paint: %9.2f us   ratio %.2f\n", full * 1e6, full / unskinned);
    std::printf("skinned, paint from the cache:   %9.2f us   ratio %.2f\n", cached * 1e6, cached / unskinned);
    bench::PrintGoal("paint from the cache / unskinned paint", cached / unskinned, kGoalCachedRatio);

    // Where a cached paint's time goes.
    const double blit = bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [] { skin::BlitFrameCache(1); });
    const double children =
        bench::BestSecondsPerCall(kRounds, kPaintsPerRound, [skinned] { skin::RedrawTransparentChildren(skinned); });
    std::printf("  of which: frame cache copy %.2f us, transparent children's repaint %.2f us\n", blit * 1e6,
                children * 1e6);

    HWND edit = FindWindowExA(skinned, nullptr, "Edit", nullptr);
    HWND label = FindWindowExA(skinned, nullptr, "Static", nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    // Warm up every path once before counting.
    HoverFadeCycle(skinned);
    SendMessageA(skinned, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    SendMessageA(skinned, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));

    if (!bench::LeakCheck("paints from the cache:", [skinned] { Paint(skinned); })) status = 1;
    if (!bench::LeakCheck("full recomposes and paints:", [skinned] { FullRepaint(skinned); })) status = 1;
    if (!bench::LeakCheck("caption hover-fade cycles:", [skinned] { HoverFadeCycle(skinned); })) status = 1;
    const bool coloursFlat = bench::LeakCheck("pairs of colour messages:", [&] {
      SendMessageA(skinned, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
      SendMessageA(skinned, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    });
    if (!coloursFlat) status = 1;
    bench::Profile("main frame paint from the cache", 50, [skinned] { Paint(skinned); });
    bench::Profile("main frame full recompose + paint", 10, [skinned] { FullRepaint(skinned); });
    bench::Profile("unskinned window paint", 50, [plain] { Paint(plain); });
    DeleteDC(dc);
    DestroyWindow(skinned);
    DestroyWindow(plain);
  }
  skin::ShutdownSkinEngine();
  return status;
}
