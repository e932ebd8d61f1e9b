#include "app/progress_display.h"

#include <utility>

#include "app/window_names.h"
#include "runtime/window_runtime.h"

namespace app {
namespace {

// Longer paths do not fit the status line and are shown in their short form.
constexpr std::size_t kLongestShownPath = 60;
constexpr int kDefaultRefreshRate = 60;

// One frame of the screen, in milliseconds.
ULONGLONG DisplayFrameMs() {
  int rate = 0;
  if (HDC screen = GetDC(nullptr)) {
    rate = GetDeviceCaps(screen, VREFRESH);  // 0 or 1: the hardware's default
    ReleaseDC(nullptr, screen);
  }
  if (rate <= 1) rate = kDefaultRefreshRate;
  return static_cast<ULONGLONG>(1000 / rate);
}

void SetBar(int percent) {
  if (rt::ReadProperty(kInstallerWindow, kProgressBar, rt::NumberProperty::Position) != percent)
    rt::WriteProperty(kInstallerWindow, kProgressBar, rt::NumberProperty::Position, percent);
}

void SetStatus(const rt::Text& text) {
  if (rt::ReadProperty(kInstallerWindow, kStatusLabel, rt::TextProperty::Caption) != text)
    rt::WriteProperty(kInstallerWindow, kStatusLabel, rt::TextProperty::Caption, text);
}

}  // namespace

ULONGLONG FramePacer::Remaining(ULONGLONG now) const {
  const ULONGLONG since = now - usedAt_;
  return !used_ || since >= periodMs_ ? 0 : periodMs_ - since;
}

ProgressDisplay::ProgressDisplay() : pump_(DisplayFrameMs()) {}

ProgressDisplay::~ProgressDisplay() { DisarmTimer(); }

ProgressDisplay& ProgressDisplay::Instance() {
  static ProgressDisplay display;
  return display;
}

void ProgressDisplay::PumpMessages(bool always) {
  const ULONGLONG now = GetTickCount64();
  if (!always && pump_.Remaining(now) > 0) return;
  pump_.MarkUsed(now);
  rt::ProcessPendingMessages();
}

void ProgressDisplay::Update(int percent, rt::Text path) {
  percent_ = percent;
  path_ = std::move(path);
  pending_ = true;
  const ULONGLONG now = GetTickCount64();
  const ULONGLONG remaining = show_.Remaining(now);
  if (percent >= 100 || remaining == 0) {
    Show(now);
  } else {
    ArmTimer(remaining);
  }
}

void ProgressDisplay::ShowPending() {
  DisarmTimer();
  if (!pending_) return;
  const ULONGLONG now = GetTickCount64();
  const ULONGLONG remaining = show_.Remaining(now);
  if (remaining == 0) {
    Show(now);
  } else {
    ArmTimer(remaining);  // the timer came early
  }
}

void ProgressDisplay::Show(ULONGLONG now) {
  DisarmTimer();
  pending_ = false;
  show_.MarkUsed(now);
  SetBar(percent_);
  const rt::Text shown = path_.size() > kLongestShownPath ? shortener_.Shorten(path_) : path_;
  SetStatus("正在安装..." + shown);
  if (percent_ >= 100) {
    SetStatus("安装进度...100%");
    shortener_ = DisplayPathShortener();  // a folder made again may get another short name
  }
}

void ProgressDisplay::ArmTimer(ULONGLONG delayMs) {
  if (timer_) return;
  timer_ = SetTimer(nullptr, 0, static_cast<UINT>(delayMs), TimerFired);
}

void ProgressDisplay::DisarmTimer() {
  if (timer_) KillTimer(nullptr, timer_);
  timer_ = 0;
}

void CALLBACK ProgressDisplay::TimerFired(HWND, UINT, UINT_PTR, DWORD) { Instance().ShowPending(); }

}  // namespace app
