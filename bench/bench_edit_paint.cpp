// Edit painting speed, in one run, each beside its reference:
//   - PaintEditFrame of a 429 x 24 edge-bordered edit beside the compose +
//     blit floor of its size (compose the background, copy it onto the
//     window DC and into the host's composition image, release; goal: at
//     most 3 times the floor);
//   - one PaintVScrollBar over a 200-pixel-high multi-line edit beside the
//     same floor of the overlay's size (goal: at most 3 times the floor);
//   - both paints again when nothing kept fits (a changed look or
//     background), so that they draw;
//   - the skinned edit's whole repaint (WM_NCPAINT, WM_ERASEBKGND and
//     WM_PAINT through RedrawWindow) beside an unskinned twin's.
// A repeated paint copies the image the painter kept; the benchmark checks
// that it is exactly the image a fresh paint leaves (a mismatch fails it).
// Each side runs several rounds; the best round counts. DcCache's size, the
// process's GDI object count and the live GDI+ objects are printed over the
// leak check's frame and bar paints (all must be unchanged).
#include <windows.h>

#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "bench/bench_leak_check.h"
#include "bench/bench_skin_window.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdiplus_startup.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"
#include "skin/lists/edit_installers.h"
#include "skin/lists/edit_painters.h"
#include "skin/lists/scroll_arrows.h"
#include "skin/lists/scroll_bar_painter.h"

namespace {

constexpr int kFrameWidth = 570, kFrameHeight = 450;
constexpr int kCallsPerRound = 300;
constexpr int kRounds = 3;
constexpr double kFrameGoal = 3.0;
constexpr double kBarGoal = 3.0;

using bench::Now;

HWND Child(HWND parent, const char* cls, DWORD style, DWORD exStyle, int x, int y, int w, int h) {
  return CreateWindowExA(exStyle, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

// A skinned frame in TransparencyMode with a single-line edit, a multi-line
// edit with a vertical bar, both skinned, and an unskinned twin of the
// single-line edit in a plain window.
struct Stage {
  HWND frame = nullptr;
  HWND plainFrame = nullptr;
  HWND edit = nullptr;
  HWND multi = nullptr;
  HWND twin = nullptr;

  Stage() {
    skin::SkinChildControls = 1;
    skin::TransparencyMode = 1;
    skin::GlobalAlpha = 160;
    skin::AccentColour = 0xDDCA22;
    frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 100, 100, kFrameWidth, kFrameHeight, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    plainFrame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 700, 100, kFrameWidth, kFrameHeight,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    edit = Child(frame, "Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 40, 40, 429, 24);
    multi = Child(frame, "Edit", WS_VSCROLL | ES_MULTILINE, WS_EX_CLIENTEDGE, 40, 100, 200, 200);
    twin = Child(plainFrame, "Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 40, 40, 429, 24);
    std::string text;
    for (int i = 1; i <= 60; ++i) text += "line " + std::to_string(i) + "\r\n";
    SetWindowTextA(multi, text.c_str());
    SetWindowTextA(edit, "C:\\Program Files\\Quillora");
    SetWindowTextA(twin, "C:\\Program Files\\Quillora");

    const int index = bench::AddWhiteSkinWindow(frame, kFrameWidth, kFrameHeight);
    skin::SkinEditControls(index, frame);
  }

  ~Stage() {
    skin::SkinWindowRecord& record = skin::SkinWindowTable.At(1);
    record.backgroundDc.reset();
    record.compositionDc.reset();
    DestroyWindow(frame);
    DestroyWindow(plainFrame);
    skin::SkinWindowTable.Clear();
  }

  HWND VOverlay() { return skin::SkinWindowTable.At(1).edits.At(2).vScrollOverlay; }
};

// Whether a paint from the kept image leaves what a fresh paint leaves.
template <class Paint, class Forget>
bool KeptPaintIsFresh(const char* what, HWND window, Paint paint, Forget forget) {
  paint();
  const std::vector<std::uint32_t> kept = bench::ComposedPixels(window);
  forget();
  paint();
  const bool same = kept == bench::ComposedPixels(window);
  std::printf("%s: a paint from the kept image is %s\n", what, same ? "the fresh paint's image" : "NOT the fresh paint's image");
  return same;
}

SIZE SizeOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// What every painter of a window of that size must do at least.
void FloorOnce(HWND window, SIZE size, bool windowDc) {
  skin::CachedDc dcOwner = skin::ComposeControlBackground(window, {0, 0, size.cx, size.cy});
  HDC dc = dcOwner.get();
  HDC screen = windowDc ? GetWindowDC(window) : GetDC(window);
  BitBlt(screen, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, screen);
  skin::BlitControlToHost(window, dc, false, windowDc);
  dcOwner.reset();
}

void RepaintOnce(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures appear as they come
  gdip::StartGdiplus();
  int status = 0;
  {
    Stage stage;
    const SIZE editSize = SizeOf(stage.edit);
    const HWND overlay = stage.VOverlay();
    const SIZE barSize = SizeOf(overlay);
    skin::PaintEditFrame(stage.edit);  // warm up what the system allocates once
    skin::PaintVScrollBar(stage.multi);
    FloorOnce(stage.edit, editSize, true);

    const double frame = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { skin::PaintEditFrame(stage.edit); });
    const double frameFloor = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { FloorOnce(stage.edit, editSize, true); });
    const double bar = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { skin::PaintVScrollBar(stage.multi); });
    // The same paints when the state or the background changed since the
    // last one: nothing kept fits, so they draw.
    skin::EditRecord& single = skin::SkinWindowTable.At(1).edits.At(1);
    skin::EditRecord& multi = skin::SkinWindowTable.At(1).edits.At(2);
    const double frameDrawn = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] {
      single.ringImage.Forget();
      skin::PaintEditFrame(stage.edit);
    });
    const double barDrawn = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] {
      multi.vScrollImage.Forget();
      skin::PaintVScrollBar(stage.multi);
    });
    const double barFloor = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { FloorOnce(overlay, barSize, false); });
    // Where a bar paint's time goes.
    skin::CachedDc barDcOwner = skin::CreateDibDc({0, 0, barSize.cx, barSize.cy});
    HDC barDc = barDcOwner.get();
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(stage.multi, OBJID_VSCROLL, &info);
    skin::ScrollPartRects parts{};
    const double barDraw = bench::BestSecondsPerCall(kRounds, kCallsPerRound,
        [&] { skin::DrawVScrollBar(barDc, barSize.cx, barSize.cy, info, {0xFFFFFF, 160}, skin::ScrollBarPart::None, parts, stage.multi); });
    // What each paint would cost more if the arrows were decoded for it.
    const double decode = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] {
      gdip::GdipBitmap up, down;
      up.CreateFromStream(skin::ScrollArrowUp());
      down.CreateFromStream(skin::ScrollArrowDown());
    });
    const double surface = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] {
      gdip::GdipGraphics g;
      g.CreateFromHdc(barDc);
    });
    barDcOwner.reset();
    const double repaint = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { RepaintOnce(stage.edit); });
    const double plain = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { RepaintOnce(stage.twin); });

    char label[96];
    std::snprintf(label, sizeof label, "PaintEditFrame, %ldx%ld edit", editSize.cx, editSize.cy);
    bench::PrintRatioRow(label, frame, "compose + blit floor", frameFloor);
    std::snprintf(label, sizeof label, "PaintVScrollBar, %ldx%ld bar", barSize.cx, barSize.cy);
    bench::PrintRatioRow(label, bar, "compose + blit floor", barFloor);
    bench::PrintRatioRow("  the frame drawn (a changed look)", frameDrawn, "compose + blit floor", frameFloor);
    bench::PrintRatioRow("  the bar drawn (a changed look)", barDrawn, "compose + blit floor", barFloor);
    std::printf("  of which drawing on the memory DC %.2f us (arrows kept decoded; decoding both would add %.2f us; "
                "one GDI+ surface on the DC %.2f us)\n",
                barDraw * 1e6, decode * 1e6, surface * 1e6);
    bench::PrintRatioRow("whole repaint, skinned edit", repaint, "unskinned twin", plain);
    bench::PrintGoal("edit frame paint / floor", frame / frameFloor, kFrameGoal);
    bench::PrintGoal("bar paint / floor", bar / barFloor, kBarGoal);
    const bool flat = bench::LeakCheck("frame and bar paints:", [&] {
      skin::PaintEditFrame(stage.edit);
      skin::PaintVScrollBar(stage.multi);
    });
    if (!flat) status = 1;
    if (!KeptPaintIsFresh("edit frame", stage.edit, [&] { skin::PaintEditFrame(stage.edit); },
                          [&] { single.ringImage.Forget(); }))
      status = 1;
    if (!KeptPaintIsFresh("vertical bar", overlay, [&] { skin::PaintVScrollBar(stage.multi); },
                          [&] { multi.vScrollImage.Forget(); }))
      status = 1;
    bench::Profile("PaintEditFrame", 300, [&] { skin::PaintEditFrame(stage.edit); });
    bench::Profile("edit frame floor", 300, [&] { FloorOnce(stage.edit, editSize, true); });
    bench::Profile("PaintVScrollBar", 300, [&] { skin::PaintVScrollBar(stage.multi); });
    bench::Profile("whole repaint, skinned edit", 100, [&] { RepaintOnce(stage.edit); });
    bench::Profile("whole repaint, unskinned twin", 100, [&] { RepaintOnce(stage.twin); });
  }
  gdip::ShutdownGdiplus();
  return status;
}
