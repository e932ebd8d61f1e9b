#include "skin/frames/caption_actions.h"

#include <windows.h>

#include <span>

#include "skin/core/custom_draw.h"
#include "skin/core/engine_globals.h"

namespace skin {

namespace {

void PostCommand(const SkinWindowRecord& record, WPARAM command) {
  PostMessageA(record.hwnd, WM_SYSCOMMAND, command, 0);
}

// Registered routines take no arguments; their result is not used.
void CallRoutine(FARPROC routine) {
  if (routine != nullptr) CallWithArgArray(routine, std::span<const INT_PTR>{}, false);
}

}  // namespace

void OnCaptionButtonClick(int windowIndex, int button) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (button < 1 || button > static_cast<int>(record.captionButtons.size())) return;
  CaptionButtonRecord& caption = record.captionButtons[static_cast<std::size_t>(button - 1)];
  switch (caption.kind) {
    case CaptionButtonKind::Close:
      PostCommand(record, SC_CLOSE);
      break;
    case CaptionButtonKind::MaximizeRestore:
      // The tool shows the new text after the next caption layout.
      record.recompose = 1;
      if (record.maximized != 0) {
        record.minimized = 0;
        record.maximized = 0;
        caption.tooltipText = "最大化";
        PostCommand(record, SC_RESTORE);
      } else {
        record.maximized = 1;
        record.minimized = 0;
        caption.tooltipText = "还原";
        PostCommand(record, SC_MAXIMIZE);
      }
      break;
    case CaptionButtonKind::Minimize:
      record.minimized = 1;
      PostCommand(record, SC_MINIMIZE);
      break;
    case CaptionButtonKind::MainMenu:
      CallRoutine(record.menuRoutine);
      break;
    case CaptionButtonKind::Help:
      CallRoutine(record.helpRoutine);
      break;
    case CaptionButtonKind::Custom:
      CallRoutine(caption.routine);
      break;
  }
}

}  // namespace skin
