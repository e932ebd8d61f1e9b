#include "skin/frames/caption_hover.h"

#include <optional>

#include "skin/core/engine_globals.h"
#include "skin/core/window_queries.h"
#include "skin/frames/caption_button_paint.h"
#include "skin/frames/frame_globals.h"
#include "skin/frames/frame_hit_tests.h"

namespace skin {

namespace {

constexpr UINT kHoverPeriod = 20;
constexpr int kLastStep = 8;
constexpr int kAlphaStep = 30;
constexpr int kFullAlpha = 240;

// Repaints one caption button outside a composition; button 0 paints
// nothing.
void RepaintButton(int windowIndex, int button, std::optional<bool> pressed, std::optional<int> alpha) {
  PaintCaptionButton(windowIndex, button, pressed, alpha);
}

}  // namespace

void OnFrameMouseMove(int windowIndex, LPARAM lParam) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const HWND hwnd = record.hwnd;
  const int x = MouseX(lParam);
  const int y = MouseY(lParam);
  RECT client{};
  GetClientRect(hwnd, &client);

  // Repeated until the hover report arrives; the short hover time makes
  // that almost at once.
  if (record.hoverReported == 0) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_HOVER | TME_LEAVE, hwnd, 1};
    TrackMouseEvent(&track);
  }
  if (record.frameSwitch == 0) return;

  if (IsInCaption(windowIndex, lParam) != 0) {
    if (record.hoverTimer == 0) {
      SetTimer(hwnd, CaptionHoverTimerId(hwnd), kHoverPeriod, nullptr);
      record.hoverTimer = 1;
    }
  } else {
    record.hoverTimer = 0;  // the timer runs on until the fades end
  }

  HotCaptionButton = FindCaptionButtonAt(windowIndex, x, y);
  if (record.hoverButton > 0 && record.hoverButton != HotCaptionButton) {
    // An earlier fade-out still running ends at once.
    if (record.fadeOut.step < kLastStep) RepaintButton(windowIndex, record.fadeOut.button, false, 0);
    record.fadeOut = {record.hoverButton, 0};
  }
  if (HotCaptionButton > 0 && HotCaptionButton != record.hoverButton) {
    record.fadeIn = {HotCaptionButton, 0};
  }
  record.hoverButton = HotCaptionButton;

  if (record.maximized == 0) SetResizeCursor(windowIndex, lParam, client);
}

void OnFrameMouseLeave(int windowIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  record.hoverReported = 0;
  if (record.hoverButton <= 0 || record.frameSwitch == 0) return;
  if (record.fadeOut.step < kLastStep && record.fadeIn.step < kLastStep) {
    RepaintButton(windowIndex, record.fadeOut.button, std::nullopt, std::nullopt);
    record.fadeIn = {0, 0};
  }
  record.fadeOut = {record.hoverButton, 0};
  record.hoverButton = 0;
}

void OnCaptionHoverTick(int windowIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (record.fadeIn.button > 0 && record.fadeIn.step < kLastStep) {
    ++record.fadeIn.step;
    RepaintButton(windowIndex, record.fadeIn.button, false, kAlphaStep * record.fadeIn.step);
  }
  if (record.fadeOut.button > 0 && record.fadeOut.step < kLastStep) {
    ++record.fadeOut.step;
    RepaintButton(windowIndex, record.fadeOut.button, false, kFullAlpha - kAlphaStep * record.fadeOut.step);
  }
  const bool mouseGone = record.hoverReported == 0 || record.hoverTimer == 0;
  const bool fadeOutDone = record.fadeOut.step >= kLastStep || record.fadeOut.button == 0;
  if (mouseGone && fadeOutDone) {
    record.hoverTimer = 0;
    KillTimer(record.hwnd, CaptionHoverTimerId(record.hwnd));
    record.hoverButton = 0;
    record.fadeIn = {0, 0};
    record.fadeOut = {0, 0};
  }
}

}  // namespace skin
