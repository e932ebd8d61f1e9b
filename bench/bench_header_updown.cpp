// Header and up-down painting speed, in one run, each beside its reference:
//   - PaintHeader of a four-item header beside an unskinned twin's native
//     paint (RedrawWindow with an immediate update);
//   - PaintUpDown of a 20 x 40 up-down beside the compose + blit floor of
//     its size (compose the background, copy it onto the window DC and
//     into the host's composition image, release; goal: at most 3 times
//     the floor), and drawn when nothing kept fits (a changed look or
//     background). A repeated paint copies the image the painter kept; the
//     benchmark checks that it is exactly the image a fresh paint leaves
//     (a mismatch fails it).
// Each side runs several rounds; the best round counts. DcCache's size, the
// process's GDI object count and the live GDI+ objects are printed over
// the leak check's paints (all must be unchanged).
#include <windows.h>
#include <commctrl.h>

#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "bench/bench_leak_check.h"
#include "bench/bench_skin_window.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "gdip/gdip_image.h"
#include "gdip/gdiplus_startup.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"
#include "skin/lists/header_skin.h"
#include "skin/lists/list_installers.h"
#include "skin/lists/scroll_arrows.h"
#include "skin/lists/up_down_skin.h"

namespace {

constexpr int kFrameWidth = 570, kFrameHeight = 450;
constexpr int kCallsPerRound = 300;
constexpr int kRounds = 3;
constexpr double kUpDownGoal = 3.0;

HWND Child(HWND parent, const char* cls, DWORD style, int x, int y, int w, int h) {
  return CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

void AddItems(HWND header) {
  const char* texts[] = {"Name", "Size", "Type", "Modified"};
  for (int i = 0; i < 4; ++i) {
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.cxy = 100;
    item.fmt = HDF_LEFT | HDF_STRING;
    std::string text(texts[i]);
    item.pszText = text.data();
    SendMessageA(header, HDM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
}

// A skinned frame with a four-item header and an up-down, both skinned,
// and an unskinned twin of the header in a plain window.
struct Stage {
  HWND frame = nullptr;
  HWND plainFrame = nullptr;
  HWND header = nullptr;
  HWND upDown = nullptr;
  HWND twin = nullptr;

  Stage() {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&classes);
    skin::SkinChildControls = 1;
    skin::TransparencyMode = 0;
    skin::GlobalAlpha = 160;
    skin::AccentColour = 0xDDCA22;
    frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 100, 100, kFrameWidth, kFrameHeight, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    plainFrame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 700, 100, kFrameWidth, kFrameHeight,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    header = Child(frame, WC_HEADERA, HDS_BUTTONS | HDS_HORZ, 40, 40, 420, 24);
    twin = Child(plainFrame, WC_HEADERA, HDS_BUTTONS | HDS_HORZ, 40, 40, 420, 24);
    AddItems(header);
    AddItems(twin);
    upDown = Child(frame, UPDOWN_CLASSA, 0, 40, 100, 20, 40);

    const int index = bench::AddWhiteSkinWindow(frame, kFrameWidth, kFrameHeight);
    skin::SkinHeaders(index, frame);
    skin::SkinUpDowns(index, frame);
  }

  ~Stage() {
    skin::SkinWindowRecord& record = skin::SkinWindowTable.At(1);
    record.backgroundDc.reset();
    record.compositionDc.reset();
    DestroyWindow(frame);
    DestroyWindow(plainFrame);
    skin::SkinWindowTable.Clear();
  }
};

SIZE SizeOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// What every painter of a window of that size must do at least.
void FloorOnce(HWND window, SIZE size) {
  skin::CachedDc dcOwner = skin::ComposeControlBackground(window, {0, 0, size.cx, size.cy});
  HDC dc = dcOwner.get();
  HDC screen = GetWindowDC(window);
  BitBlt(screen, 0, 0, size.cx, size.cy, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, screen);
  skin::BlitControlToHost(window, dc, false, true);
  dcOwner.reset();
}

void NativePaint(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);  // figures appear as they come
  gdip::StartGdiplus();
  int status = 0;
  {
    Stage stage;
    const SIZE upDownSize = SizeOf(stage.upDown);
    skin::PaintHeader(1, 1);  // warm up what the system allocates once
    skin::PaintUpDown(1, 1);
    NativePaint(stage.twin);
    FloorOnce(stage.upDown, upDownSize);

    const double header = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [] { skin::PaintHeader(1, 1); });
    const double native = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { NativePaint(stage.twin); });
    const double upDown = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [] { skin::PaintUpDown(1, 1); });
    const double floor =
        bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { FloorOnce(stage.upDown, upDownSize); });
    // The same paint when nothing kept fits (a changed look or background).
    const double upDownDrawn = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [] {
      skin::SkinWindowTable.At(1).upDowns.At(1).image.Forget();
      skin::PaintUpDown(1, 1);
    });

    // What a drawn up-down paint would cost more if its chevrons were
    // decoded for it rather than kept.
    const double decode = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [] {
      gdip::GdipImage up, down;
      up.LoadFromStream(skin::ScrollArrowUp());
      down.LoadFromStream(skin::ScrollArrowDown());
    });

    bench::PrintRatioRow("PaintHeader, four items of 100 x 24", header, "unskinned twin's native paint", native);
    char label[96];
    std::snprintf(label, sizeof label, "PaintUpDown, %ldx%ld", upDownSize.cx, upDownSize.cy);
    bench::PrintRatioRow(label, upDown, "compose + blit floor", floor);
    bench::PrintRatioRow("  drawn (a changed look)", upDownDrawn, "compose + blit floor", floor);
    std::printf("  (chevrons kept decoded; decoding both would add %.2f us)\n", decode * 1e6);
    bench::PrintGoal("up-down paint / floor", upDown / floor, kUpDownGoal);
    const bool flat = bench::LeakCheck("header and up-down paints:", [] {
      skin::PaintHeader(1, 1);
      skin::PaintUpDown(1, 1);
    });
    if (!flat) status = 1;
    // A paint from the kept image must leave what a fresh paint leaves.
    skin::PaintUpDown(1, 1);
    const std::vector<std::uint32_t> kept = bench::ComposedPixels(stage.upDown);
    skin::SkinWindowTable.At(1).upDowns.At(1).image.Forget();
    skin::PaintUpDown(1, 1);
    const bool same = kept == bench::ComposedPixels(stage.upDown);
    std::printf("up-down: a paint from the kept image is %s\n",
                same ? "the fresh paint's image" : "NOT the fresh paint's image");
    if (!same) status = 1;
    bench::Profile("PaintHeader", 300, [] { skin::PaintHeader(1, 1); });
    bench::Profile("PaintUpDown", 300, [] { skin::PaintUpDown(1, 1); });
  }
  gdip::ShutdownGdiplus();
  return status;
}
