// Control composition speed: ComposeControlBackground + BlitControlToHost
// (+ the ReleaseCachedDc that ends every paint) for a 100 x 24 control in
// a 570 x 450 skinned frame, beside a plain BitBlt of the same area from
// the frame's picture into its composition image, in the same run.
//
// Each side runs several rounds of 10,000 calls; the best round counts.
// Prints the time per call and how it splits between composing the
// background (a new DIB-backed memory DC, the host search, one BitBlt),
// putting the image into the host (a property read, the child clipping,
// one BitBlt) and releasing the DC; the ratio ours / plain BitBlt (goal:
// at most 3); and DcCache's size and the process's GDI object count
// before and after one round of 10,000 calls (both must be unchanged).
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "gdip/gdiplus_startup.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"
#include "tests/support/gdi_object_count.h"

namespace {

constexpr int kFrameWidth = 570, kFrameHeight = 450;
constexpr int kControlX = 235, kControlY = 300, kControlWidth = 100, kControlHeight = 24;
constexpr int kCallsPerRound = 10000;
constexpr int kRounds = 3;
constexpr double kGoal = 3.0;

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

// A skinned frame with a composed picture and a composition image, and a
// plain child control placed straight in it.
struct Stage {
  HWND frame = nullptr;
  HWND control = nullptr;

  Stage() {
    frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 100, 100, kFrameWidth, kFrameHeight, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    control = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, kControlX, kControlY, kControlWidth,
                              kControlHeight, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    auto record = skin::MakeSkinWindowRecord(frame);
    record->width = kFrameWidth;
    record->height = kFrameHeight;
    record->backgroundDc = skin::CreateDibDc({0, 0, kFrameWidth, kFrameHeight});
    record->compositionDc = skin::CreateDibDc({0, 0, kFrameWidth, kFrameHeight});
    PatBlt(record->backgroundDc, 0, 0, kFrameWidth, kFrameHeight, WHITENESS);
    const int index = skin::SkinWindowTable.Append(std::move(record));
    skin::prop::Write(frame, skin::prop::kIndex, index);
    skin::prop::Write(control, skin::prop::kHostIndex, index);
  }

  ~Stage() {
    skin::SkinWindowRecord& record = skin::SkinWindowTable.At(1);
    skin::ReleaseCachedDc(record.backgroundDc);
    skin::ReleaseCachedDc(record.compositionDc);
    skin::SkinWindowTable.Clear();
    DestroyWindow(frame);
  }

  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }
};

// One paint's composition as every control painter does it.
void ComposeOnce(const Stage& stage) {
  HDC dc = skin::ComposeControlBackground(stage.control, {0, 0, kControlWidth, kControlHeight});
  skin::BlitControlToHost(stage.control, dc);
  skin::ReleaseCachedDc(dc);
}

// The same, timing its three steps; returns seconds per call of each.
struct Split {
  double compose = 0, blit = 0, release = 0;
};

Split SplitOfComposeOnce(const Stage& stage) {
  Split total;
  for (int i = 0; i < kCallsPerRound; ++i) {
    const double t0 = Now();
    HDC dc = skin::ComposeControlBackground(stage.control, {0, 0, kControlWidth, kControlHeight});
    const double t1 = Now();
    skin::BlitControlToHost(stage.control, dc);
    const double t2 = Now();
    skin::ReleaseCachedDc(dc);
    const double t3 = Now();
    total.compose += t1 - t0;
    total.blit += t2 - t1;
    total.release += t3 - t2;
  }
  return {total.compose / kCallsPerRound, total.blit / kCallsPerRound, total.release / kCallsPerRound};
}

void PlainBlitOnce(Stage& stage) {
  BitBlt(stage.Record().compositionDc, kControlX, kControlY, kControlWidth, kControlHeight,
         stage.Record().backgroundDc, kControlX, kControlY, SRCCOPY);
}

// For scale: the copy onto the control's own DC that ends every paint.
void ScreenBlitOnce(Stage& stage) {
  HDC dc = GetDC(stage.control);
  BitBlt(dc, 0, 0, kControlWidth, kControlHeight, stage.Record().backgroundDc, kControlX, kControlY, SRCCOPY);
  ReleaseDC(stage.control, dc);
}

template <class Call>
double BestSecondsPerCall(Call call) {
  double best = 1e9;
  for (int round = 0; round < kRounds; ++round) {
    const double start = Now();
    for (int i = 0; i < kCallsPerRound; ++i) call();
    GdiFlush();
    best = std::min(best, (Now() - start) / kCallsPerRound);
  }
  return best;
}

}  // namespace

int main() {
  gdip::StartGdiplus();
  int status = 0;
  {
    Stage stage;
    ComposeOnce(stage);  // warm up what the system allocates once
    PlainBlitOnce(stage);

    const std::size_t cacheBefore = skin::DcCache.size();
    const DWORD objectsBefore = quillora_test::GdiObjectCount();
    for (int i = 0; i < kCallsPerRound; ++i) ComposeOnce(stage);
    const std::size_t cacheAfter = skin::DcCache.size();
    const DWORD objectsAfter = quillora_test::GdiObjectCount();

    const double ours = BestSecondsPerCall([&] { ComposeOnce(stage); });
    const double plain = BestSecondsPerCall([&] { PlainBlitOnce(stage); });
    const double ratio = ours / plain;
    const Split split = SplitOfComposeOnce(stage);
    const double screen = BestSecondsPerCall([&] { ScreenBlitOnce(stage); });

    std::printf("compose + blit to host, %dx%d in %dx%d: %8.2f us per call\n", kControlWidth, kControlHeight,
                kFrameWidth, kFrameHeight, ours * 1e6);
    std::printf("  of which compose %.2f us, blit to host %.2f us, release %.2f us\n", split.compose * 1e6,
                split.blit * 1e6, split.release * 1e6);
    std::printf("plain BitBlt of the same area:           %8.2f us per call\n", plain * 1e6);
    std::printf("for scale, GetDC + BitBlt onto the control + ReleaseDC: %.2f us per call (ours %.1fx that)\n",
                screen * 1e6, ours / screen);
    std::printf("ratio ours / plain: %.2f (goal <= %.1f) %s\n", ratio, kGoal, ratio <= kGoal ? "met" : "NOT MET");
    std::printf("after %d calls: DcCache %zu -> %zu entries, GDI objects %lu -> %lu %s\n", kCallsPerRound,
                cacheBefore, cacheAfter, static_cast<unsigned long>(objectsBefore),
                static_cast<unsigned long>(objectsAfter),
                cacheBefore == cacheAfter && objectsBefore == objectsAfter ? "unchanged" : "CHANGED");
    if (cacheBefore != cacheAfter || objectsBefore != objectsAfter) status = 1;
  }
  gdip::ShutdownGdiplus();
  return status;
}
