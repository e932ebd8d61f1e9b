// The bar and the status line during an extraction. Every progress event
// hands its state here, but the controls are written only when their value
// changed and at most once per display frame: painting them for each of
// hundreds of small entries costs more than extracting those entries. A
// state held back is shown by a timer, so the last one always shows; a
// finished one (100 %) shows at once.
#pragma once

#include <windows.h>

#include "app/display_path.h"
#include "runtime/byte_array.h"

namespace app {

class ProgressDisplay {
 public:
  ProgressDisplay();
  ProgressDisplay(const ProgressDisplay&) = delete;
  ProgressDisplay& operator=(const ProgressDisplay&) = delete;
  ~ProgressDisplay();

  // The one display of InstallerWindow's bar and status line.
  static ProgressDisplay& Instance();

  // The event's percent and entry path.
  void Update(int percent, rt::Text path);

 private:
  // The timer: shows the state held back once its frame has passed.
  void ShowPending();
  void Show(ULONGLONG now);
  void ArmTimer(ULONGLONG delayMs);
  void DisarmTimer();
  static void CALLBACK TimerFired(HWND, UINT, UINT_PTR, DWORD);

  ULONGLONG frameMs_;
  ULONGLONG shownAt_ = 0;
  bool pending_ = false;
  int percent_ = 0;
  rt::Text path_;
  UINT_PTR timer_ = 0;
  DisplayPathShortener shortener_;
};

}  // namespace app
