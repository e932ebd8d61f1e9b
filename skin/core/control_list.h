// The per-control lists of a skinned window.
//
// A list is created holding one zero record (window 0). The first control
// taken reuses that record; every later control appends a zero record at
// the end. A control's 1-based position in its list is its list index,
// kept in its "Hw_lbID" (or "Kj_lbID") window property, so records never
// move except when a container is removed.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "runtime/fatal_error.h"

namespace skin {

template <class Record>
class ControlList {
 public:
  ControlList() : items_(1) {}

  int Count() const { return static_cast<int>(items_.size()); }

  bool Contains(int index) const { return index >= 1 && index <= Count(); }

  // Checked 1-based access: an index outside 1..Count() is a programming
  // error and ends in the fatal report.
  Record& At(int index) { return rt::At1(items_, ToSize(index), "control list"); }
  const Record& At(int index) const {
    return rt::At1(items_, ToSize(index), "control list");
  }

  // The record at an index read from a window property, only when it is in
  // range and really belongs to that window; nullptr otherwise.
  Record* Listed(INT_PTR index, HWND hwnd) {
    if (hwnd == nullptr || index < 1 || index > Count()) return nullptr;
    Record& record = items_[static_cast<std::size_t>(index - 1)];
    return record.hwnd == hwnd ? &record : nullptr;
  }

  // 1-based position of the record of `hwnd`, 0 when it is not listed.
  int Find(HWND hwnd) const {
    if (hwnd == nullptr) return 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (items_[i].hwnd == hwnd) return static_cast<int>(i + 1);
    }
    return 0;
  }

  // The slot rule: reuse the single free record of a fresh list, otherwise
  // append a zero record. The record takes `hwnd`; returns its position.
  int Take(HWND hwnd) {
    if (!(items_.size() == 1 && items_.front().hwnd == nullptr)) items_.emplace_back();
    items_.back().hwnd = hwnd;
    return Count();
  }

  // Removes one record; the records behind it move down by one.
  void RemoveAt(int index) {
    At(index);  // range check
    items_.erase(items_.begin() + (index - 1));
  }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  static std::size_t ToSize(int index) {
    return index < 1 ? 0 : static_cast<std::size_t>(index);
  }

  std::vector<Record> items_;
};

}  // namespace skin
