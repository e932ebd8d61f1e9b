// Time from loading InstallerWindow to its first painted frame: the window
// loaded as the installer loads it (its creation handler with the skin
// calls), shown and painted with every child, beside the same window with
// the skin step left out, in one run; ratio printed (goal: at most 2x).
// Each side runs several rounds, alternating; the best round counts.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "app/background_music.h"
#include "app/installer_skinning.h"
#include "app/installer_variables.h"
#include "app/installer_window.h"
#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "runtime/window_runtime.h"

namespace {

constexpr int kRounds = 5;
constexpr double kGoalRatio = 2.0;

HWND Loaded = nullptr;

// Loads the window and waits until it and all its children have painted.
void LoadAndPaint(bool skinned) {
  app::LeaveOutWindowSkinning(!skinned);
  app::InitInstallerVariables();
  Loaded = rt::LoadWindow(app::InstallerWindowTemplate());
  RedrawWindow(Loaded, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  rt::ProcessPendingMessages();
  GdiFlush();
}

void Close() {
  if (IsWindow(Loaded)) DestroyWindow(Loaded);
  rt::ProcessPendingMessages();
  app::DiscardMusicFile();
}

// Seconds from the load call until the window and all its children have
// painted; the window is destroyed again afterwards (not timed).
double LoadToFirstFrame(bool skinned) {
  const double start = bench::Now();
  LoadAndPaint(skinned);
  const double seconds = bench::Now() - start;
  Close();
  return seconds;
}

}  // namespace

int main() {
  app::StartSkinEngine();
  LoadToFirstFrame(true);  // warm-up: first loads of the DLLs and fonts
  LoadToFirstFrame(false);
  double skinned = 1e9, plain = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    skinned = std::min(skinned, LoadToFirstFrame(true));
    plain = std::min(plain, LoadToFirstFrame(false));
  }
  app::LeaveOutWindowSkinning(false);
  const double ratio = skinned / plain;
  std::printf("InstallerWindow, load to first painted frame, skinned: %8.2f ms\n", skinned * 1e3);
  std::printf("the same window with the skin step left out:          %8.2f ms\n", plain * 1e3);
  bench::PrintGoal("first frame skinned / plain", ratio, kGoalRatio);
  bench::Profile("load to first frame, skinned", 3, [] { LoadAndPaint(true); }, Close, 40);
  bench::Profile("load to first frame, skin step left out", 3, [] { LoadAndPaint(false); }, Close);
  app::LeaveOutWindowSkinning(false);
  return 0;
}
