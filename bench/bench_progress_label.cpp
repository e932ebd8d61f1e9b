// Progress-bar and label paint speed in a 570 x 450 skinned frame, each
// beside a reference in the same run:
//  - one shine tick of the installer's 518 x 16 bar (WM_TIMER, then the
//    WM_PAINT it asks for) beside the compose + blit floor of that size
//    (background composed, put into the host, copied onto the bar); the
//    ratio (goal: at most 3), the painter's own drawing for scale, and the
//    share of the 30 ms timer period one tick takes (goal: under a third);
//  - a dirty label paint (text drawn anew) beside a clean one (copied
//    back from the composition image), ratio printed;
//  - DcCache's size, the GDI object count and the live GDI+ objects over
//    the leak check's ticks and label paints (all must be unchanged).
// Each side runs several rounds; the best round counts. A missed goal is a
// figure, not a failure; a count that changed is.
#include <windows.h>

#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "bench/bench_leak_check.h"
#include "bench/bench_skin_window.h"
#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "gdip/gdiplus_startup.h"
#include "skin/containers/label_skin.h"
#include "skin/containers/progress_skin.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"

namespace {

constexpr int kFrameWidth = 570, kFrameHeight = 450;
constexpr int kBarX = 26, kBarY = 330, kBarWidth = 518, kBarHeight = 16;
constexpr int kLabelX = 26, kLabelY = 300, kLabelWidth = 518, kLabelHeight = 20;
constexpr int kCallsPerRound = 300;
constexpr int kRounds = 3;
constexpr double kPeriodSeconds = 0.030;
constexpr double kGoalShare = 1.0 / 3.0;
constexpr double kFloorGoal = 3.0;

using bench::Now;

// A shown skinned frame with a composed picture, the installer's bar at
// half way with its shine, and a skinned status label.
struct Stage {
  HWND frame = nullptr;
  HWND bar = nullptr;
  HWND label = nullptr;
  int barIndex = 0;

  Stage() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 100, 100, kFrameWidth, kFrameHeight,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, kBarX, kBarY, kBarWidth, kBarHeight,
                          frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    label = CreateWindowExA(0, "Static", "正在安装：Quillora.exe", WS_CHILD | WS_VISIBLE, kLabelX, kLabelY,
                            kLabelWidth, kLabelHeight, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    const int index = bench::AddWhiteSkinWindow(frame, kFrameWidth, kFrameHeight, true);

    skin::SkinChildControls = 1;  // as the engine's start-up sets it
    skin::SkinProgressBars(index, frame);
    barIndex = static_cast<int>(skin::prop::Read(bar, skin::prop::kIndex));
    skin::ProgressRecord& progress = Record().progressBars.At(barIndex);
    // As the installer styles it; the ticks are sent by the benchmark.
    progress.shineOn = 1;
    progress.fillColour = 0x0080FF;
    progress.frameColour = 0;
    progress.shineStyle = skin::ShineStyle::Glow;
    progress.shineWidth = 90;
    SendMessageA(bar, PBM_SETRANGE32, 0, 100);
    SendMessageA(bar, PBM_SETPOS, 50, 0);
    skin::SkinLabel(label, std::nullopt, std::nullopt, 0, 0x0000FF);
    UpdateWindow(frame);
  }

  ~Stage() {
    skin::SkinWindowRecord& record = Record();
    record.backgroundDc.reset();
    record.compositionDc.reset();
    DestroyWindow(frame);
    skin::SkinWindowTable.Clear();
  }

  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }
  skin::LabelRecord& Label() { return Record().labels.At(1); }
};

// What the timer does: one step, then the repaint the step asked for.
void TickOnce(Stage& stage) {
  SendMessageA(stage.bar, WM_TIMER, static_cast<WPARAM>(stage.barIndex), 0);
  UpdateWindow(stage.bar);
}

// The least any paint of the bar costs: its background composed, put
// into the host and copied onto the bar.
void FloorOnce(Stage& stage) {
  skin::CachedDc dcOwner = skin::ComposeControlBackground(stage.bar, {0, 0, kBarWidth, kBarHeight});
  HDC dc = dcOwner.get();
  skin::BlitControlToHost(stage.bar, dc, false, true);
  HDC window = GetWindowDC(stage.bar);
  BitBlt(window, 0, 0, kBarWidth, kBarHeight, dc, 0, 0, SRCCOPY);
  ReleaseDC(stage.bar, window);
  dcOwner.reset();
}

void LabelPaintOnce(Stage& stage, int dirty) {
  stage.Label().needsRepaint = dirty;
  InvalidateRect(stage.label, nullptr, FALSE);
  UpdateWindow(stage.label);
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures appear as they come
  gdip::StartGdiplus();
  int status = 0;
  {
    Stage stage;
    TickOnce(stage);  // warm up what the system allocates once
    FloorOnce(stage);
    LabelPaintOnce(stage, 1);
    LabelPaintOnce(stage, 0);

    const double tick = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { TickOnce(stage); });
    const double floor = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { FloorOnce(stage); });
    const double share = tick / kPeriodSeconds;
    skin::CachedDc memoryOwner = skin::CreateDibDc({0, 0, kBarWidth, kBarHeight});
    HDC memory = memoryOwner.get();
    const double draw = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] {
      skin::DrawProgressBar(memory, {0, 0, kBarWidth, kBarHeight}, stage.Record().progressBars.At(stage.barIndex));
    });
    memoryOwner.reset();
    std::printf("shine tick of the %dx%d bar (step + repaint): %8.2f us\n", kBarWidth, kBarHeight, tick * 1e6);
    std::printf("compose + blit floor of that size:           %8.2f us\n", floor * 1e6);
    std::printf("  of which the painter's drawing alone, on a memory DC: %8.2f us\n", draw * 1e6);
    bench::PrintGoal("shine tick / floor", tick / floor, kFloorGoal);
    std::printf("share of the 30 ms period: %.1f %% (goal < %.1f %%): %s\n", share * 100, kGoalShare * 100,
                share < kGoalShare ? "met" : "missed");

    const double dirty = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { LabelPaintOnce(stage, 1); });
    const double clean = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { LabelPaintOnce(stage, 0); });
    std::printf("label %dx%d, dirty paint (text drawn): %8.2f us\n", kLabelWidth, kLabelHeight, dirty * 1e6);
    std::printf("label, clean paint (copied back):      %8.2f us\n", clean * 1e6);
    std::printf("ratio dirty / clean: %.2f\n", dirty / clean);

    if (!bench::LeakCheck("shine ticks:", [&] { TickOnce(stage); })) status = 1;
    if (!bench::LeakCheck("label paints:", [&] { LabelPaintOnce(stage, 1); })) status = 1;
    bench::Profile("shine tick", 200, [&] { TickOnce(stage); });
    bench::Profile("progress bar floor", 200, [&] { FloorOnce(stage); });
    bench::Profile("label dirty paint", 200, [&] { LabelPaintOnce(stage, 1); });
  }
  gdip::ShutdownGdiplus();
  return status;
}
