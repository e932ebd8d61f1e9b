// The per-control lists of a skinned window.
//
// A list is created holding one zero record (window 0). The first control
// taken reuses that record; every later control appends a zero record at
// the end. A control's 1-based position in its list is its list index,
// kept in its "Hw_lbID" (or "Kj_lbID") window property; positions change
// only when a record is removed.
//
// Each record keeps one address for its whole life: a reference taken from
// the list stays good while the list grows (an installer may append to the
// same list while an outer install still writes its record) and while
// other records are removed.
#pragma once

#include <windows.h>

#include <cstddef>
#include <iterator>
#include <memory>
#include <vector>

#include "runtime/fatal_error.h"

namespace skin {

template <class Record>
class ControlList {
 public:
  ControlList() { items_.push_back(std::make_unique<Record>()); }
  ControlList(ControlList&&) noexcept = default;
  ControlList& operator=(ControlList&&) noexcept = default;
  ControlList(const ControlList&) = delete;
  ControlList& operator=(const ControlList&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }

  bool Contains(INT_PTR index) const { return index >= 1 && index <= Count(); }

  // Checked 1-based access: an index outside 1..Count() is a programming
  // error and ends in the fatal report.
  Record& At(int index) { return *rt::At1(items_, ToSize(index), "control list"); }
  const Record& At(int index) const { return *rt::At1(items_, ToSize(index), "control list"); }

  // The record at an index read from a window property, only when it is in
  // range and really belongs to that window; nullptr otherwise.
  Record* Listed(INT_PTR index, HWND hwnd) {
    if (hwnd == nullptr || !Contains(index)) return nullptr;
    Record& record = *items_[static_cast<std::size_t>(index - 1)];
    return record.hwnd == hwnd ? &record : nullptr;
  }

  // 1-based position of the record of `hwnd`, 0 when it is not listed.
  int Find(HWND hwnd) const {
    if (hwnd == nullptr) return 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (items_[i]->hwnd == hwnd) return static_cast<int>(i + 1);
    }
    return 0;
  }

  // The slot rule: reuse the single free record of a fresh list, otherwise
  // append a zero record. The record takes `hwnd`; returns its position.
  int Take(HWND hwnd) {
    if (!(items_.size() == 1 && items_.front()->hwnd == nullptr))
      items_.push_back(std::make_unique<Record>());
    items_.back()->hwnd = hwnd;
    return Count();
  }

  // Removes and frees one record; the records behind it move down by one
  // position but stay at their addresses.
  void RemoveAt(int index) {
    At(index);  // range check
    items_.erase(items_.begin() + (index - 1));
  }

  // Walks positions 1..Count() as counted when the loop began: records
  // appended meanwhile are not visited, and a record removed meanwhile ends
  // in the fatal report instead of a read of freed memory.
  template <class List, class Value>
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Record;
    using difference_type = std::ptrdiff_t;
    using pointer = Value*;
    using reference = Value&;

    Iterator() = default;
    Iterator(List* list, int index) : list_(list), index_(index) {}
    reference operator*() const { return list_->At(index_); }
    pointer operator->() const { return &list_->At(index_); }
    Iterator& operator++() {
      ++index_;
      return *this;
    }
    Iterator operator++(int) {
      Iterator old = *this;
      ++index_;
      return old;
    }
    bool operator==(const Iterator& other) const { return index_ == other.index_; }

   private:
    List* list_ = nullptr;
    int index_ = 1;
  };

  auto begin() { return Iterator<ControlList, Record>(this, 1); }
  auto end() { return Iterator<ControlList, Record>(this, Count() + 1); }
  auto begin() const { return Iterator<const ControlList, const Record>(this, 1); }
  auto end() const { return Iterator<const ControlList, const Record>(this, Count() + 1); }

 private:
  static std::size_t ToSize(int index) {
    return index < 1 ? 0 : static_cast<std::size_t>(index);
  }

  std::vector<std::unique_ptr<Record>> items_;
};

}  // namespace skin
