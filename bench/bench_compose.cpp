// Control composition speed: ComposeControlBackground + BlitControlToHost
// (+ the release of the DC that ends every paint) for a 100 x 24 control in
// a 570 x 450 skinned frame, beside the same plain work done with bare GDI
// calls (a memory DC with a new 32-bit DIB, the blit from the frame's
// picture into it, the blit from it into the composition image, both
// deleted), in the same run.
//
// Each side runs several rounds of 2,000 calls, the two sides' rounds taken
// in turn so that a change in the machine's load falls on both; the best
// round counts. Prints the time per call; the ratio ours / plain same work
// (goal: at most 2) as met or missed; for scale, a bare BitBlt of the area,
// the copy onto the control's DC and what one window-property read adds to
// the plain work (under Wine a round trip to the window server, which the
// plain work never makes while our call must make a few: to ask whether any
// window is marked as a panel, read the control's host index and list its
// children; its cost swings with the machine's load); how our call splits
// between composing the background, putting the image into the host and
// releasing the DC (timed step by step in separate rounds); and DcCache's
// size, the process's GDI object count and the live GDI+ objects before and
// after the leak check's calls.
//
// Exits with status 1 when a side's picture is wrong (the control's area
// of the composition image must equal the frame's picture there, and
// nothing around it may change) or when the round leaves DCs or GDI
// objects behind; a missed goal is a figure, not a failure.
#include <windows.h>

#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "bench/bench_leak_check.h"
#include "bench/bench_skin_window.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "gdip/gdiplus_startup.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"

namespace {

constexpr int kFrameWidth = 570, kFrameHeight = 450;
constexpr int kControlX = 235, kControlY = 300, kControlWidth = 100, kControlHeight = 24;
constexpr int kCallsPerRound = 2000;
constexpr int kRounds = 5;
constexpr double kGoal = 2.0;

using bench::Now;

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
    const int index = bench::AddWhiteSkinWindow(frame, kFrameWidth, kFrameHeight);
    skin::prop::Write(control, skin::prop::kHostIndex, index);
  }

  ~Stage() {
    skin::SkinWindowTable.Clear();  // the record releases its cached DCs
    DestroyWindow(frame);
  }

  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }
};

// One paint's composition as every control painter does it.
void ComposeOnce(const Stage& stage) {
  skin::CachedDc dc = skin::ComposeControlBackground(stage.control, {0, 0, kControlWidth, kControlHeight});
  skin::BlitControlToHost(stage.control, dc.get());
}

// The same, timing its three steps; returns seconds per call of each.
struct Split {
  double compose = 0, blit = 0, release = 0;
};

Split SplitOfComposeOnce(const Stage& stage) {
  Split total;
  for (int i = 0; i < kCallsPerRound; ++i) {
    const double t0 = Now();
    skin::CachedDc dc = skin::ComposeControlBackground(stage.control, {0, 0, kControlWidth, kControlHeight});
    const double t1 = Now();
    skin::BlitControlToHost(stage.control, dc.get());
    const double t2 = Now();
    dc.reset();
    const double t3 = Now();
    total.compose += t1 - t0;
    total.blit += t2 - t1;
    total.release += t3 - t2;
  }
  return {total.compose / kCallsPerRound, total.blit / kCallsPerRound, total.release / kCallsPerRound};
}

// The reference: the same work with bare GDI calls.
void PlainSameWorkOnce(Stage& stage) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kControlWidth;
  info.bmiHeader.biHeight = kControlHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, dib);
  BitBlt(dc, 0, 0, kControlWidth, kControlHeight, stage.Record().backgroundDc.get(), kControlX, kControlY, SRCCOPY);
  BitBlt(stage.Record().compositionDc.get(), kControlX, kControlY, kControlWidth, kControlHeight, dc, 0, 0, SRCCOPY);
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
}

// For scale: one bare blit of the area.
void PlainBlitOnce(Stage& stage) {
  BitBlt(stage.Record().compositionDc.get(), kControlX, kControlY, kControlWidth, kControlHeight,
         stage.Record().backgroundDc.get(), kControlX, kControlY, SRCCOPY);
}

// For scale: the copy onto the control's own DC that ends every paint.
void ScreenBlitOnce(Stage& stage) {
  HDC dc = GetDC(stage.control);
  BitBlt(dc, 0, 0, kControlWidth, kControlHeight, stage.Record().backgroundDc.get(), kControlX, kControlY, SRCCOPY);
  ReleaseDC(stage.control, dc);
}

// For scale: one read of a property of the control.
void PropertyReadOnce(Stage& stage) {
  volatile INT_PTR value = skin::prop::Read(stage.control, skin::prop::kHostIndex);
  (void)value;
}

// A frame picture in which every pixel around the control differs, and a
// black composition image.
void PaintPattern(Stage& stage) {
  for (int y = kControlY - 2; y < kControlY + kControlHeight + 2; ++y)
    for (int x = kControlX - 2; x < kControlX + kControlWidth + 2; ++x)
      SetPixelV(stage.Record().backgroundDc.get(), x, y, RGB(x & 0xFF, y & 0xFF, (x + y) & 0x7F));
  PatBlt(stage.Record().compositionDc.get(), 0, 0, kFrameWidth, kFrameHeight, BLACKNESS);
}

// Empty when the composition image holds the frame's picture in the
// control's area and black around it; else the first wrong pixel.
std::string WrongPixel(Stage& stage) {
  for (int y = kControlY - 2; y < kControlY + kControlHeight + 2; ++y)
    for (int x = kControlX - 2; x < kControlX + kControlWidth + 2; ++x) {
      const bool inside = x >= kControlX && x < kControlX + kControlWidth && y >= kControlY &&
                          y < kControlY + kControlHeight;
      const COLORREF want = inside ? GetPixel(stage.Record().backgroundDc.get(), x, y) : RGB(0, 0, 0);
      const COLORREF got = GetPixel(stage.Record().compositionDc.get(), x, y);
      if (got != want) {
        char text[96];
        std::snprintf(text, sizeof text, "pixel %d,%d is %06lX, not %06lX", x, y, static_cast<unsigned long>(got),
                      static_cast<unsigned long>(want));
        return text;
      }
    }
  return {};
}

}  // namespace

int main() {
  gdip::StartGdiplus();
  int status = 0;
  {
    Stage stage;
    // Each side's picture first: a fast wrong answer is no figure.
    const std::pair<const char*, void (*)(Stage&)> sides[] = {
        {"compose + blit to host", [](Stage& s) { ComposeOnce(s); }},
        {"plain same work", PlainSameWorkOnce},
    };
    for (const auto& [name, once] : sides) {
      PaintPattern(stage);
      once(stage);
      const std::string wrong = WrongPixel(stage);
      if (!wrong.empty()) {
        std::printf("%s gives a wrong picture: %s\n", name, wrong.c_str());
        status = 1;
      }
    }
    if (status != 0) {
      gdip::ShutdownGdiplus();
      return status;  // no figures for a wrong picture
    }
    ComposeOnce(stage);  // warm up what the system allocates once
    PlainBlitOnce(stage);

    double ours = 1e9, same = 1e9, sameAndRead = 1e9;
    for (int round = 0; round < kRounds; ++round) {
      ours = std::min(ours, bench::BestSecondsPerCall(1, kCallsPerRound, [&] { ComposeOnce(stage); }));
      same = std::min(same, bench::BestSecondsPerCall(1, kCallsPerRound, [&] { PlainSameWorkOnce(stage); }));
      sameAndRead = std::min(sameAndRead, bench::BestSecondsPerCall(1, kCallsPerRound, [&] {
                               PlainSameWorkOnce(stage);
                               PropertyReadOnce(stage);
                             }));
    }
    const double property = std::max(sameAndRead - same, 1e-9);
    const double ratio = ours / same;
    const double bare = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { PlainBlitOnce(stage); });
    const double screen = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { ScreenBlitOnce(stage); });
    const Split split = SplitOfComposeOnce(stage);

    std::printf("compose + blit to host, %dx%d in %dx%d: %8.2f us per call\n", kControlWidth, kControlHeight,
                kFrameWidth, kFrameHeight, ours * 1e6);
    std::printf("plain same work (DC + DIB, two BitBlts, delete): %8.2f us per call\n", same * 1e6);
    bench::PrintGoal("compose + blit / plain same work", ratio, kGoal);
    std::printf("for scale: one bare BitBlt of the area %.2f us (ours %.1fx that); GetDC + BitBlt onto the control"
                " + ReleaseDC %.2f us (ours %.1fx that)\n",
                bare * 1e6, ours / bare, screen * 1e6, ours / screen);
    std::printf("for scale: one window-property read adds %.2f us to the plain work (ours - plain same work ="
                " %.1f of them)\n",
                property * 1e6, (ours - same) / property);
    std::printf("our call step by step (separate rounds, each step timed): compose %.2f us, blit to host %.2f us,"
                " release %.2f us\n",
                split.compose * 1e6, split.blit * 1e6, split.release * 1e6);
    if (!bench::LeakCheck("compose + blit calls:", [&] { ComposeOnce(stage); })) status = 1;
    bench::Profile("compose + blit to host", 2000, [&] { ComposeOnce(stage); });
    if (status == 0) std::printf("both sides' pictures were right\n");
  }
  gdip::ShutdownGdiplus();
  return status;
}
