// The two links a skinned control's procedure follows through the
// control's own window properties: to its record in the host window's
// list, and to the procedure it replaced. Both are read from properties
// anybody may set, so both are checked before they are used.
#pragma once

#include <windows.h>

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"

namespace skin {

// Where a control keeps its host window's index and its list index.
struct RecordLink {
  const char* hostProperty = prop::kHostIndex;
  const char* indexProperty = prop::kIndex;
};

// The record of `control` in its host's `list`, as the control's
// properties name it; nullptr when they name no skinned window or no record
// of this very control. On success `windowIndex` and `listIndex`, when
// given, receive the two indices.
template <class List>
auto* RecordNamedByProperties(HWND control, List SkinWindowRecord::*list, RecordLink link = {},
                              int* windowIndex = nullptr, int* listIndex = nullptr) {
  const INT_PTR hostIndex = prop::Read(control, link.hostProperty);
  const INT_PTR index = prop::Read(control, link.indexProperty);
  SkinWindowRecord* host = SkinWindowTable.Find(hostIndex);
  auto* record = host != nullptr ? (host->*list).Listed(index, control) : nullptr;
  if (record != nullptr) {
    if (windowIndex) *windowIndex = static_cast<int>(hostIndex);
    if (listIndex) *listIndex = static_cast<int>(index);
  }
  return record;
}

// Hands the message on to the procedure saved in `property`. A missing one,
// or `self` (a control skinned twice would call itself without end), gives
// the default procedure instead.
LRESULT CallSavedProcedure(HWND hwnd, WNDPROC self, UINT message, WPARAM wParam, LPARAM lParam,
                           const char* property = prop::kOldProc);

}  // namespace skin
