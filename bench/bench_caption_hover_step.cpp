// Caption-button hover speed: one fade step (PaintCaptionButton at a fade
// alpha, restoring the button from the caption strip and copying it to the
// window) in the installer's own frame (570 x 450, a 570 x 451 JPEG theme
// picture stretched, no icon, title, main-menu, minimize and close
// buttons), beside a plain copy of the whole finished frame to the window
// (GetDC, one BitBlt of 570 x 450, ReleaseDC), in the same run.
//
// Prints the time per call of each, their ratio, the step's share of the
// 20 ms fade tick (goal: under 5 %), the time of one full compose for
// scale, and DcCache's size, the process's GDI object count and the live
// GDI+ objects over the leak check's composes and hover steps (all must be
// unchanged).
#include <windows.h>

#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "bench/bench_leak_check.h"

#include <algorithm>
#include <cstdio>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdiplus_startup.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/frames/caption_button_paint.h"
#include "skin/frames/main_frame_compose.h"
#include "skin/frames/main_window_skin.h"

namespace {

constexpr int kWidth = 570, kHeight = 450;
constexpr int kCloseButton = 3;
constexpr int kStepsPerRound = 2000;
constexpr int kRounds = 3;
constexpr double kFadeTick = 0.020;
constexpr double kGoalShare = 0.05;
constexpr char kJpegFormat[] = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";  // GDI+ format GUID

using bench::Now;

// A photograph-like picture: smooth colour ramps, stored as JPEG.
rt::ByteArray ThemePicture() {
  gdip::GdipBitmap bitmap;
  bitmap.Create(kWidth, kHeight + 1);
  for (int y = 0; y <= kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      bitmap.SetPixel(x, y, 0xFF000000u | (static_cast<unsigned>(x * 255 / kWidth) << 16) |
                                (static_cast<unsigned>(y * 255 / kHeight) << 8) | 0x80u);
  return bitmap.SaveToStream(kJpegFormat);
}

int step = 0;

void HoverStep() {
  skin::PaintCaptionButton(1, kCloseButton, std::nullopt, 30 * (1 + step++ % 8));
}

void PlainFrameCopy(HWND window) {
  HDC dc = GetDC(window);
  BitBlt(dc, 0, 0, kWidth, kHeight, skin::SkinWindowTable.At(1).backgroundDc.get(), 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures appear as they come
  gdip::StartGdiplus();
  int status = 0;
  {
    skin::ThemeColour = 0xECECEC;
    skin::ThemeBackground = ThemePicture();
    if (skin::ThemeBackground.empty()) {
      std::printf("the theme picture could not be encoded as JPEG: no figures\n");
      gdip::ShutdownGdiplus();
      return 1;
    }
    skin::ThemeMode = 3;
    HWND window = CreateWindowExA(0, "Static", "Quillora Setup", WS_POPUP | WS_VISIBLE | WS_MINIMIZEBOX, 100, 100,
                                  kWidth, kHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    skin::MainWindowSettings settings;
    settings.menuButton = 1;
    settings.hideIcon = 1;
    skin::SkinMainWindow(window, settings);
    skin::SkinWindowRecord& record = skin::SkinWindowTable.At(1);
    record.titleColour = 0xECECEC;
    record.titleColour2 = 0x606060;
    skin::ComposeMainFrame(1, true);  // warm up what the system allocates once
    HoverStep();
    PlainFrameCopy(window);

    const double hover = bench::BestSecondsPerCall(kRounds, kStepsPerRound, HoverStep);
    const double copy = bench::BestSecondsPerCall(kRounds, kStepsPerRound, [&] { PlainFrameCopy(window); });
    const double compose = bench::BestSecondsPerCall(kRounds, 20, [] { skin::ComposeMainFrame(1, true); });
    const double share = hover / kFadeTick;
    std::printf("hover step (close button, restore + paint + copy to window): %8.2f us per call\n", hover * 1e6);
    std::printf("plain copy of the finished %dx%d frame to the window:     %8.2f us per call\n", kWidth, kHeight,
                copy * 1e6);
    std::printf("ratio hover step / frame copy: %.2f\n", hover / copy);
    std::printf("share of the 20 ms fade tick: %.2f %% (goal < %.0f %%): %s\n", share * 100, kGoalShare * 100,
                share < kGoalShare ? "met" : "missed");
    // Where a step's time goes: the surface it opens, the button picture it
    // decodes, the window DC it takes.
    HDC background = record.backgroundDc.get();
    const rt::ByteArray& picture = record.captionButtons[kCloseButton - 1].image;
    const double surface = bench::BestSecondsPerCall(kRounds, kStepsPerRound, [background] {
      gdip::GdipGraphics graphics;
      graphics.CreateFromHdc(background);
    });
    const double decode = bench::BestSecondsPerCall(kRounds, kStepsPerRound, [&picture] {
      gdip::GdipImage image;
      image.LoadFromStream(picture);
    });
    const double windowDc = bench::BestSecondsPerCall(kRounds, kStepsPerRound, [window] { ReleaseDC(window, GetDC(window)); });
    std::printf("  of which at most: GDI+ surface on the frame %.2f us, button picture decode %.2f us, "
                "window DC %.2f us\n",
                surface * 1e6, decode * 1e6, windowDc * 1e6);
    if (GetEnvironmentVariableA("QUILLORA_BENCH_SPLITS_ONLY", nullptr, 0) != 0) return 0;
    std::printf("for scale, one presented compose: %.2f ms\n", compose * 1e3);

    if (!bench::LeakCheck("presented composes:", [] { skin::ComposeMainFrame(1, true); })) status = 1;
    if (!bench::LeakCheck("hover steps:", HoverStep)) status = 1;
    bench::Profile("caption hover step", 300, HoverStep);
    bench::Profile("presented compose", 10, [] { skin::ComposeMainFrame(1, true); });
    DestroyWindow(window);
    skin::SkinWindowTable.Clear();
  }
  gdip::ShutdownGdiplus();
  return status;
}
