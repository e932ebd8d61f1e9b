// The bar and the status line during an extraction, and the message pump
// of the progress events. Every event hands its state here, but painting
// the controls for each of hundreds of small entries costs more than
// extracting them, and so does looking at the message queue each time:
// the queue is looked at about once per screen frame, and the controls are
// written only when their value changed and at most every
// kProgressShowIntervalMs. A state held back is shown by a timer, so the
// last one always shows; a finished one (100 %) shows at once.
#pragma once

#include <windows.h>

#include "app/display_path.h"
#include "runtime/byte_array.h"

namespace app {

// Ten times a second is enough for a changing file name and a moving bar
// to look live; each write of the skinned bar and status line repaints
// them and the window behind the line, milliseconds each time.
inline constexpr ULONGLONG kProgressShowIntervalMs = 100;

// Tells when a period has passed since the last time it was used.
class FramePacer {
 public:
  explicit FramePacer(ULONGLONG periodMs) : periodMs_(periodMs) {}
  ULONGLONG period() const { return periodMs_; }
  // Milliseconds until the period is over (0: due now).
  ULONGLONG Remaining(ULONGLONG now) const;
  void MarkUsed(ULONGLONG now) { usedAt_ = now; used_ = true; }

 private:
  ULONGLONG periodMs_;
  ULONGLONG usedAt_ = 0;
  bool used_ = false;
};

class ProgressDisplay {
 public:
  ProgressDisplay();
  ProgressDisplay(const ProgressDisplay&) = delete;
  ProgressDisplay& operator=(const ProgressDisplay&) = delete;
  ~ProgressDisplay();

  // The one display of InstallerWindow's bar and status line.
  static ProgressDisplay& Instance();

  // Dispatches the waiting messages when a screen frame has passed since
  // the last time, or when `always`.
  void PumpMessages(bool always);

  // The event's percent and entry path.
  void Update(int percent, rt::Text path);

 private:
  // The timer: shows the state held back once its time has come.
  void ShowPending();
  void Show(ULONGLONG now);
  void ArmTimer(ULONGLONG delayMs);
  void DisarmTimer();
  static void CALLBACK TimerFired(HWND, UINT, UINT_PTR, DWORD);

  FramePacer pump_;
  FramePacer show_{kProgressShowIntervalMs};
  bool pending_ = false;
  int percent_ = 0;
  rt::Text path_;
  UINT_PTR timer_ = 0;
  DisplayPathShortener shortener_;
};

}  // namespace app
