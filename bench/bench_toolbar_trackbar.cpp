// Toolbar and trackbar paint speed in a 570 x 450 skinned frame, each
// beside a reference in the same run:
//  - the full paint of a 10-button toolbar (redraw asked for: the buttons
//    composed, or the last finished image copied back while nothing it
//    shows has changed) beside
//    its cached paint (its image copied back from the composition image),
//    ratio printed (goal: at most 3), and for scale a full paint whose
//    look changed since the last one and the compose + blit floor of the
//    toolbar's size;
//  - the paint of a 200 x 30 trackbar beside the compose + blit floor of
//    that size (background composed, put into the host, copied onto the
//    trackbar), ratio printed (goal: at most 3), and for scale a paint
//    after the thumb moved;
//  - DcCache's size, the GDI object count and the live GDI+ objects over
//    the leak check's paints of each (all must be unchanged).
// Each side runs several rounds; the best round counts.
#include <windows.h>

#include "bench/api_profile.h"
#include "bench/bench_clock.h"
#include "bench/bench_leak_check.h"
#include "bench/bench_skin_window.h"
#include <commctrl.h>

#include <cstdio>

#include "gdip/gdiplus_startup.h"
#include "skin/containers/control_skin.h"
#include "skin/containers/toolbar_painter.h"
#include "skin/containers/trackbar_skin.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/window_properties.h"

namespace {

constexpr int kFrameWidth = 570, kFrameHeight = 450;
constexpr int kTrackX = 20, kTrackY = 200, kTrackWidth = 200, kTrackHeight = 30;
constexpr int kButtons = 10;
constexpr int kCallsPerRound = 200;
constexpr int kRounds = 3;
constexpr double kGoal = 3.0;

struct Stage {
  HWND frame = nullptr;
  HWND toolbar = nullptr;
  HWND trackbar = nullptr;
  HIMAGELIST images = nullptr;
  int trackIndex = 0;
  int toolIndex = 0;

  Stage() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 100, 100, kFrameWidth, kFrameHeight,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                              WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER, 10, 10,
                              500, 40, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    trackbar = CreateWindowExA(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_ENABLESELRANGE, kTrackX,
                               kTrackY, kTrackWidth, kTrackHeight, frame, nullptr, GetModuleHandleA(nullptr),
                               nullptr);
    const int index = bench::AddWhiteSkinWindow(frame, kFrameWidth, kFrameHeight, true);

    // Ten buttons with icons and captions, in every drawn state.
    images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 0);
    HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    ImageList_AddIcon(images, icon);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    const INT_PTR caption = SendMessageA(toolbar, TB_ADDSTRINGA, 0, reinterpret_cast<LPARAM>("Open\0"));
    TBBUTTON buttons[kButtons] = {};
    for (int i = 0; i < kButtons; ++i) {
      BYTE state = TBSTATE_ENABLED;
      if (i % 4 == 1) state |= TBSTATE_CHECKED;
      if (i % 4 == 2) state = 0;  // greyed
      buttons[i] = {0, 100 + i, state, static_cast<BYTE>(i % 4 == 1 ? BTNS_CHECK : BTNS_BUTTON), {}, 0, caption};
    }
    SendMessageA(toolbar, TB_ADDBUTTONSA, kButtons, reinterpret_cast<LPARAM>(buttons));

    skin::SkinChildControls = 1;
    skin::SkinToolbars(index, frame);
    skin::SkinTrackbars(index, frame);
    toolIndex = static_cast<int>(skin::prop::Read(toolbar, skin::prop::kControlIndex));
    trackIndex = static_cast<int>(skin::prop::Read(trackbar, skin::prop::kIndex));
    SendMessageA(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageA(trackbar, TBM_SETSEL, TRUE, MAKELPARAM(20, 80));
    SendMessageA(trackbar, TBM_SETPOS, TRUE, 60);
    UpdateWindow(frame);
  }

  ~Stage() {
    skin::SkinWindowRecord& record = Record();
    record.backgroundDc.reset();
    record.compositionDc.reset();
    DestroyWindow(frame);
    ImageList_Destroy(images);
    skin::SkinWindowTable.Clear();
  }

  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(1); }
};

// A paint of the toolbar as its procedure runs it, fresh or cached.
void ToolbarPaintOnce(Stage& stage, int redraw) {
  stage.Record().controls.At(stage.toolIndex).redraw = redraw;
  InvalidateRect(stage.toolbar, nullptr, FALSE);
  UpdateWindow(stage.toolbar);
}

void TrackbarPaintOnce(Stage& stage) { skin::PaintTrackbar(1, stage.trackIndex); }

// The least a full paint of the toolbar costs: its client area composed,
// put into the host and copied onto the toolbar.
void ToolbarFloorOnce(Stage& stage) {
  RECT client{};
  GetClientRect(stage.toolbar, &client);
  skin::CachedDc dcOwner = skin::ComposeControlBackground(stage.toolbar, client);
  HDC dc = dcOwner.get();
  skin::BlitControlToHost(stage.toolbar, dc, true);
  HDC window = GetDC(stage.toolbar);
  BitBlt(window, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  ReleaseDC(stage.toolbar, window);
  dcOwner.reset();
}

// The least any paint of the trackbar costs.
void FloorOnce(Stage& stage) {
  skin::CachedDc dcOwner = skin::ComposeControlBackground(stage.trackbar, {0, 0, kTrackWidth, kTrackHeight});
  HDC dc = dcOwner.get();
  skin::BlitControlToHost(stage.trackbar, dc);
  HDC window = GetWindowDC(stage.trackbar);
  BitBlt(window, 0, 0, kTrackWidth, kTrackHeight, dc, 0, 0, SRCCOPY);
  ReleaseDC(stage.trackbar, window);
  dcOwner.reset();
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  gdip::StartGdiplus();
  int status = 0;
  {
    Stage stage;
    ToolbarPaintOnce(stage, 1);  // warm up what the system allocates once
    ToolbarPaintOnce(stage, 0);
    TrackbarPaintOnce(stage);
    FloorOnce(stage);

    const double full = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { ToolbarPaintOnce(stage, 1); });
    const double cached = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { ToolbarPaintOnce(stage, 0); });
    std::printf("toolbar of %d buttons, full paint (composed): %8.2f us\n", kButtons, full * 1e6);
    std::printf("toolbar, cached paint (copied back):         %8.2f us\n", cached * 1e6);
    bench::PrintGoal("toolbar full paint / cached paint", full / cached, kGoal);
    // For scale: a full paint whose look changes every time (the hot
    // button moves), so nothing kept from the last paint can be copied.
    int hot = 0;
    const double changed = bench::BestSecondsPerCall(kRounds, kCallsPerRound / 4, [&] {
      hot = (hot + 1) % 2;
      SendMessageA(stage.toolbar, TB_SETHOTITEM, static_cast<WPARAM>(hot), 0);
      ToolbarPaintOnce(stage, 1);
    });
    SendMessageA(stage.toolbar, TB_SETHOTITEM, static_cast<WPARAM>(-1), 0);
    std::printf("toolbar, full paint of a changed look:      %8.2f us (%.2f x cached)\n", changed * 1e6,
                changed / cached);
    // For scale: what any full paint costs at least, its fresh background.
    const double toolFloor = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { ToolbarFloorOnce(stage); });
    std::printf("toolbar compose + blit floor:               %8.2f us (%.2f x cached)\n", toolFloor * 1e6,
                toolFloor / cached);

    const double track = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { TrackbarPaintOnce(stage); });
    const double floor = bench::BestSecondsPerCall(kRounds, kCallsPerRound, [&] { FloorOnce(stage); });
    std::printf("trackbar %dx%d paint:              %8.2f us\n", kTrackWidth, kTrackHeight, track * 1e6);
    std::printf("compose + blit floor of that size: %8.2f us\n", floor * 1e6);
    bench::PrintGoal("trackbar paint / floor", track / floor, kGoal);
    // For scale: the thumb moved before every paint, so it is drawn anew.
    int position = 60;
    const double moved = bench::BestSecondsPerCall(kRounds, kCallsPerRound / 4, [&] {
      position = position == 60 ? 61 : 60;
      SendMessageA(stage.trackbar, TBM_SETPOS, FALSE, position);
      TrackbarPaintOnce(stage);
    });
    std::printf("trackbar paint, thumb moved each time: %8.2f us (%.2f x floor)\n", moved * 1e6, moved / floor);

    if (!bench::LeakCheck("toolbar paints:", [&] { ToolbarPaintOnce(stage, 1); })) status = 1;
    if (!bench::LeakCheck("trackbar paints:", [&] { TrackbarPaintOnce(stage); })) status = 1;
    bench::Profile("toolbar full paint", 30, [&] { ToolbarPaintOnce(stage, 1); });
    bench::Profile("toolbar cached paint", 200, [&] { ToolbarPaintOnce(stage, 0); });
    bench::Profile("trackbar paint", 200, [&] { TrackbarPaintOnce(stage); });
  }
  gdip::ShutdownGdiplus();
  return status;
}
