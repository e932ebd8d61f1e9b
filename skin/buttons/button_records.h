// Telling the button types apart and finding a skinned button's record.
#pragma once

#include <windows.h>

#include "skin/core/control_links.h"
#include "skin/core/control_records.h"
#include "skin/core/skin_records.h"

namespace skin {

// Tests on the button type bits of the window's style.
bool IsPushButtonStyle(HWND window);
bool IsAutoRadioStyle(HWND window);
bool IsCheckBoxStyle(HWND window);
// Owner-drawn: every bit of BS_OWNERDRAW is set.
bool IsOwnerDrawStyle(HWND window);

// 1-based position of the window's record in the buttons of window index
// `windowIndex`, 0 when it is not listed. The index must name a record.
int FindButtonRecord(int windowIndex, HWND window);

// A skinned button's record, found through its "Hw_FuID" and "Hw_lbID";
// empty unless they name a record that holds this very window.
using ListedButton = ControlLink<ButtonRecord>;

inline ListedButton FindListedButton(HWND window) {
  return FindControlLink(window, &SkinWindowRecord::buttons);
}

// Whether the caption is drawn with a halo (textEffect 0 or more).
inline bool HasTextEffect(const ButtonRecord& record) {
  // The record keeps a COLORREF, but -1 (plain caption) is a signed value.
  return static_cast<int>(record.textEffect) >= 0;
}

}  // namespace skin
