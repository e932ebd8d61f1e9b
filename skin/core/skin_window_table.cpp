#include "skin/core/skin_window_table.h"

#include "runtime/fatal_error.h"
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

template <class Record>
void RenumberList(ControlList<Record>& list, int windowIndex, const char* name = prop::kHostIndex) {
  for (Record& record : list) Renumber(record.hwnd, name, windowIndex);
}

void RenumberControls(SkinWindowRecord& record, int t) {
  for (ListControlRecord& list : record.listControls) {
    if (list.hwnd == nullptr) continue;
    Renumber(list.hwnd, prop::kHostIndex, t);
    Renumber(list.vScrollOverlay, prop::kHostIndex, t);
    Renumber(list.hScrollOverlay, prop::kHostIndex, t);
  }
  RenumberList(record.buttons, t);
  for (EditRecord& edit : record.edits) {
    if (edit.hwnd == nullptr) continue;
    Renumber(edit.hwnd, prop::kHostIndex, t);
    Renumber(edit.vScrollOverlay, prop::kHostIndex, t);
    Renumber(edit.hScrollOverlay, prop::kHostIndex, t);
  }
  RenumberList(record.combos, t);
  RenumberList(record.headers, t);
  RenumberList(record.upDowns, t);
  RenumberList(record.trackbars, t);
  RenumberList(record.progressBars, t);
  RenumberList(record.containers, t);
  RenumberList(record.statics, t);
  RenumberList(record.labels, t);
  RenumberList(record.controls, t, prop::kControlHostIndex);
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
