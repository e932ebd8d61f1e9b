#include "skin/core/skin_window_table.h"

#include "runtime/fatal_error.h"
#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"

namespace skin {

SkinWindowRecord& SkinWindowList::At(int index) {
  if (!Contains(index)) {
    rt::ReportIndexOutOfRange("SkinWindowTable", index < 0 ? 0 : static_cast<std::size_t>(index),
                              records_.size());
  }
  return *records_[static_cast<std::size_t>(index - 1)];
}

SkinWindowRecord* SkinWindowList::Find(INT_PTR index) {
  return Contains(index) ? records_[static_cast<std::size_t>(index - 1)].get() : nullptr;
}

int SkinWindowList::Append(std::unique_ptr<SkinWindowRecord> record) {
  records_.push_back(std::move(record));
  return Count();
}

void SkinWindowList::Remove(int index) {
  At(index);  // range check
  records_.erase(records_.begin() + (index - 1));
}

std::unique_ptr<SkinWindowRecord> MakeSkinWindowRecord(HWND hwnd) {
  auto record = std::make_unique<SkinWindowRecord>();
  record->hwnd = hwnd;
  return record;
}

namespace {

// Writes "Hw_FuID" (or another index property) on a listed window; free
// slots (window 0) are skipped.
void Renumber(HWND hwnd, const char* name, int windowIndex) {
  if (hwnd != nullptr) prop::Write(hwnd, name, windowIndex);
}

// A listed control's host index, and its scroll-bar overlays' too.
void RenumberControls(SkinWindowRecord& record, int t) {
  ForEachControlList([&](auto list, const LinkProperties& link) {
    for (auto& control : record.*list) {
      if (control.hwnd == nullptr) continue;
      Renumber(control.hwnd, link.host, t);
      if constexpr (requires { control.vScrollOverlay; }) {
        Renumber(control.vScrollOverlay, prop::kHostIndex, t);
        Renumber(control.hScrollOverlay, prop::kHostIndex, t);
      }
    }
  });
}

}  // namespace

void RenumberSkinWindows() {
  for (int t = 1; t <= SkinWindowTable.Count(); ++t) {
    SkinWindowRecord& record = SkinWindowTable.At(t);
    Renumber(record.hwnd, prop::kIndex, t);
    RenumberControls(record, t);
  }
  for (const CustomDrawRecord& custom : CustomDrawTable) {
    Renumber(custom.hwnd, prop::kHostIndex, FindSkinWindowOfAncestor(custom.hwnd));
  }
}

void RemoveSkinWindow(int index) {
  if (!SkinWindowTable.Contains(index)) return;
  SkinWindowTable.Remove(index);
  RenumberSkinWindows();
}

}  // namespace skin
