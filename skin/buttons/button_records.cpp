#include "skin/buttons/button_records.h"

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

bool HasBits(HWND window, LONG bits) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  return (style | bits) == style;
}

}  // namespace

bool IsPushButtonStyle(HWND window) {
  if (HasBits(window, 0x2) || HasBits(window, 0x9)) return false;
  return !HasBits(window, 0x4);
}

bool IsAutoRadioStyle(HWND window) {
  if (HasBits(window, 0x2) || !HasBits(window, 0x9)) return false;
  return !HasBits(window, 0x4);
}

bool IsCheckBoxStyle(HWND window) {
  if (!HasBits(window, 0x2)) return false;
  return !HasBits(window, 0x4);
}

bool IsOwnerDrawStyle(HWND window) { return HasBits(window, BS_OWNERDRAW); }

int FindButtonRecord(int windowIndex, HWND window) {
  return SkinWindowTable.At(windowIndex).buttons.Find(window);
}

ListedButton FindListedButton(HWND window) {
  ListedButton found;
  SkinWindowRecord* host = SkinWindowTable.Find(prop::Read(window, prop::kHostIndex));
  if (host == nullptr) return found;
  const INT_PTR index = prop::Read(window, prop::kIndex);
  ButtonRecord* button = host->buttons.Listed(index, window);
  if (button == nullptr) return found;
  found.host = host;
  found.button = button;
  found.index = static_cast<int>(index);
  return found;
}

}  // namespace skin
