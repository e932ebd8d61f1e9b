// Records passed to and from the wrappers, in GDI+'s field order, and the
// buffers that carry arrays of them to the flat calls.
#pragma once

#include <span>
#include <utility>
#include <vector>

#include "gdip/gdiplus_api.h"

namespace gdip {

struct PointF {
  REAL x = 0, y = 0;
  friend bool operator==(const PointF&, const PointF&) = default;
};

struct RectF {
  REAL x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const RectF&, const RectF&) = default;
};

struct PointI {
  INT x = 0, y = 0;
  friend bool operator==(const PointI&, const PointI&) = default;
};

struct RectI {
  INT x = 0, y = 0, width = 0, height = 0;
  friend bool operator==(const RectI&, const RectI&) = default;
};

// One record in GDI+'s own type, and back.
inline Gdiplus::PointF ToNative(const PointF& p) { return Gdiplus::PointF(p.x, p.y); }
inline Gdiplus::RectF ToNative(const RectF& r) { return Gdiplus::RectF(r.x, r.y, r.width, r.height); }
inline Gdiplus::Point ToNative(const PointI& p) { return Gdiplus::Point(p.x, p.y); }
inline Gdiplus::Rect ToNative(const RectI& r) { return Gdiplus::Rect(r.x, r.y, r.width, r.height); }

inline PointF FromNative(const Gdiplus::PointF& p) { return {p.X, p.Y}; }
inline RectF FromNative(const Gdiplus::RectF& r) { return {r.X, r.Y, r.Width, r.Height}; }
inline PointI FromNative(const Gdiplus::Point& p) { return {p.X, p.Y}; }
inline RectI FromNative(const Gdiplus::Rect& r) { return {r.X, r.Y, r.Width, r.Height}; }

// An array of records as one contiguous buffer of GDI+ records, for the
// length of one flat call. An empty array gives no buffer (a null pointer),
// and CopyBack() hands whatever GDI+ left in the buffer to the records.
template <class Record>
class NativeArray {
 public:
  using Native = decltype(ToNative(std::declval<Record>()));

  explicit NativeArray(std::span<const Record> records) {
    items_.reserve(records.size());
    for (const Record& r : records) items_.push_back(ToNative(r));
  }

  Native* data() { return items_.empty() ? nullptr : items_.data(); }
  INT count() const { return static_cast<INT>(items_.size()); }

  void CopyBack(std::span<Record> records) const {
    for (std::size_t i = 0; i < records.size() && i < items_.size(); ++i)
      records[i] = FromNative(items_[i]);
  }

 private:
  std::vector<Native> items_;
};

// Pointer to the first element of a number array, null when it is empty.
template <class T>
T* FirstOrNull(std::span<T> items) {
  return items.empty() ? nullptr : items.data();
}

}  // namespace gdip
