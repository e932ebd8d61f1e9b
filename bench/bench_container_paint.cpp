// Group-box paint speed in a 570 x 450 skinned frame, in one run:
//  - the full paint of a 213 x 224 group box (background composed, frame
//    and title drawn, put into the host, copied onto the box) beside its
//    clean paint (the copy back from the composition image) and beside
//    the compose + blit floor of its size; ratios printed, with the goals
//    that a clean paint costs at most a third of a full one and a full
//    paint at most 3 times its floor;
//  - DcCache's size, the GDI object count and the live GDI+ objects over
//    the leak check's paints of each kind (all must be unchanged).
// Each side runs several rounds; the best round counts. A missed goal is a
// figure, not a failure; a count that changed is.
#include <windows.h>

#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "bench/bench_leak_check.h"
#include "bench/bench_skin_window.h"

#include <cstdio>
#include <utility>

#include "gdip/gdiplus_startup.h"
#include "skin/containers/container_skin.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"

namespace {

constexpr int kFrameWidth = 570, kFrameHeight = 450;
constexpr int kBoxX = 20, kBoxY = 150, kBoxWidth = 213, kBoxHeight = 224;
constexpr int kCallsPerRound = 300;
constexpr int kRounds = 3;
constexpr double kGoalRatio = 1.0 / 3.0;
constexpr double kFloorGoal = 3.0;

// A shown skinned frame with a composed picture and the installer's group
// box of options, skinned as a container.
struct Stage {
  HWND frame = nullptr;
  HWND box = nullptr;

  Stage() {
    frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 100, 100, kFrameWidth, kFrameHeight,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    box = CreateWindowExA(0, "Button", "安装选项", WS_CHILD | WS_VISIBLE | BS_GROUPBOX | BS_LEFT, kBoxX, kBoxY,
                          kBoxWidth, kBoxHeight, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    bench::AddWhiteSkinWindow(frame, kFrameWidth, kFrameHeight, true);
    skin::SkinChildControls = 1;  // as the engine's start-up sets it
    skin::InstallContainerSkin(box, 0);
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
  skin::ContainerRecord& Box() { return Record().containers.At(1); }
};

// One WM_PAINT of the box, dirty (full paint) or clean (copied back).
void PaintOnce(Stage& stage, int dirty) {
  stage.Box().redraw = dirty;
  InvalidateRect(stage.box, nullptr, FALSE);
  UpdateWindow(stage.box);
}

// The least any full paint of the box costs: its background composed, put
// into the host and copied onto the box.
void FloorOnce(Stage& stage) {
  skin::CachedDc dcOwner = skin::ComposeControlBackground(stage.box, {0, 0, kBoxWidth, kBoxHeight});
  HDC dc = dcOwner.get();
  skin::BlitControlToHost(stage.box, dc);
  HDC window = GetDC(stage.box);
  BitBlt(window, 0, 0, kBoxWidth, kBoxHeight, dc, 0, 0, SRCCOPY);
  ReleaseDC(stage.box, window);
  dcOwner.reset();
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures appear as they come
  gdip::StartGdiplus();
  int status = 0;
  {
    Stage stage;
    PaintOnce(stage, 1);  // warm up what the system allocates once
    PaintOnce(stage, 0);
    FloorOnce(stage);

    const double full = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { PaintOnce(stage, 1); });
    const double clean = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { PaintOnce(stage, 0); });
    const double floor = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { FloorOnce(stage); });
    const double ratio = clean / full;
    std::printf("group box %dx%d, full paint (composed and drawn): %8.2f us\n", kBoxWidth, kBoxHeight, full * 1e6);
    std::printf("group box, clean paint (copied back):          %8.2f us\n", clean * 1e6);
    std::printf("compose + blit floor of that size:             %8.2f us\n", floor * 1e6);
    bench::PrintGoal("full paint / floor", full / floor, kFloorGoal);
    bench::PrintGoal("clean paint / full paint", ratio, kGoalRatio);

    if (!bench::LeakCheck("full paints:", [&] { PaintOnce(stage, 1); })) status = 1;
    if (!bench::LeakCheck("clean paints:", [&] { PaintOnce(stage, 0); })) status = 1;
    bench::Profile("group box full paint", 100, [&] { PaintOnce(stage, 1); });
    bench::Profile("group box clean paint", 100, [&] { PaintOnce(stage, 0); });
    bench::Profile("group box floor", 100, [&] { FloorOnce(stage); });
  }
  gdip::ShutdownGdiplus();
  return status;
}
