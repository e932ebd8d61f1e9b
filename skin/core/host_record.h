// A window's skin record, found from the index properties it carries.
//
// Property values are never trusted: an index outside SkinWindowTable, or
// one that names a record of another window, gives no record, and the
// caller then does nothing.
#pragma once

#include <windows.h>

#include "skin/core/skin_records.h"

namespace skin {

// The record of a skinned top-level window, from its own "Hw_lbID".
SkinWindowRecord* OwnSkinRecord(HWND window);

// The record a control is painted into: its "Kj_FuID" (with `kjLink`) or
// "Hw_FuID"; when that reads 0 the control is taken to be the skinned
// window itself. Also gives the record's window index when asked.
SkinWindowRecord* HostSkinRecord(HWND control, bool kjLink, int* windowIndex = nullptr);

}  // namespace skin
