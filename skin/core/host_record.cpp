#include "skin/core/host_record.h"

#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"

namespace skin {

SkinWindowRecord* OwnSkinRecord(HWND window) { return FindSkinFrame(window).record; }

SkinWindowRecord* HostSkinRecord(HWND control, bool kjLink, int* windowIndex) {
  const INT_PTR index = prop::Read(control, kjLink ? prop::kControlHostIndex : prop::kHostIndex);
  SkinWindowRecord* record = nullptr;
  int found = 0;
  if (index != 0) {
    record = SkinWindowTable.Find(index);
    if (record) found = static_cast<int>(index);
  } else {
    // Without a host index the control is taken to be the skinned window.
    const SkinFrame frame = FindSkinFrame(control);
    record = frame.record;
    found = frame.index;
  }
  if (windowIndex) *windowIndex = found;
  return record;
}

}  // namespace skin
