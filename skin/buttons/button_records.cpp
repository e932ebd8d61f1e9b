#include "skin/buttons/button_records.h"

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

namespace {

LONG ButtonType(HWND window) { return GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK; }

}  // namespace

bool IsPushButtonStyle(HWND window) {
  const LONG type = ButtonType(window);
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON;
}

bool IsAutoRadioStyle(HWND window) { return ButtonType(window) == BS_AUTORADIOBUTTON; }

// A push box counts too; owner-drawn buttons the installers leave alone.
bool IsCheckBoxStyle(HWND window) {
  switch (ButtonType(window)) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_PUSHBOX:
    case BS_OWNERDRAW:
      return true;
    default:
      return false;
  }
}

bool IsOwnerDrawStyle(HWND window) { return HasStyleBits(window, BS_OWNERDRAW); }

int FindButtonRecord(int windowIndex, HWND window) {
  return SkinWindowTable.At(windowIndex).buttons.Find(window);
}

}  // namespace skin
