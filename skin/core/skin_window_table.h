// The registry of skinned top-level windows.
//
// A record's 1-based position is its window's *window index*: the window
// keeps it in "Hw_lbID", its skinned controls in "Hw_FuID" ("Kj_FuID").
// Window index 0 means not skinned. Records are held by pointer so that a
// record stays where it is while others come and go.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/core/skin_records.h"

namespace skin {

class SkinWindowList {
 public:
  int Count() const { return static_cast<int>(records_.size()); }
  bool Contains(INT_PTR index) const { return index >= 1 && index <= Count(); }

  // Checked access: an index outside 1..Count() ends in the fatal report.
  SkinWindowRecord& At(int index);

  // The record at an index read from a property, or nullptr when the
  // index is outside the table.
  SkinWindowRecord* Find(INT_PTR index);

  // Appends a filled record; returns its window index.
  int Append(std::unique_ptr<SkinWindowRecord> record);

  // Removes and frees record `index`; the records behind it move down.
  void Remove(int index);

  void Clear() { records_.clear(); }

  auto begin() const { return records_.begin(); }
  auto end() const { return records_.end(); }

 private:
  std::vector<std::unique_ptr<SkinWindowRecord>> records_;
};

// A new record with every list holding its one zero record.
std::unique_ptr<SkinWindowRecord> MakeSkinWindowRecord(HWND hwnd);

// The core half of a window's release: removes record `index` and
// renumbers the index properties of every later window and its listed
// controls ("Hw_lbID" of the window, "Hw_FuID" of its controls and
// overlays, "Kj_FuID" of its common controls). An index outside the table
// does nothing.
void RemoveSkinWindow(int index);

// Rewrites the index properties of every skinned window and its listed
// controls from their positions.
void RenumberSkinWindows();

}  // namespace skin
