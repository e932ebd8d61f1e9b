#include "skin/core/host_record.h"

#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

// A window's "Hw_lbID" is a window index only on a skinned top-level
// window; on a control it is a list index, which the owner check rejects.
SkinWindowRecord* RecordOwnedBy(HWND window, INT_PTR index) {
  SkinWindowRecord* record = SkinWindowTable.Find(index);
  return record && record->hwnd == window ? record : nullptr;
}

}  // namespace

SkinWindowRecord* OwnSkinRecord(HWND window) {
  return RecordOwnedBy(window, prop::Read(window, prop::kIndex));
}

SkinWindowRecord* HostSkinRecord(HWND control, bool kjLink, int* windowIndex) {
  INT_PTR index = prop::Read(control, kjLink ? prop::kControlHostIndex : prop::kHostIndex);
  SkinWindowRecord* record = nullptr;
  if (index != 0) {
    record = SkinWindowTable.Find(index);
  } else {
    index = prop::Read(control, prop::kIndex);
    record = RecordOwnedBy(control, index);
  }
  if (windowIndex) *windowIndex = record ? static_cast<int>(index) : 0;
  return record;
}

}  // namespace skin
