// The process-wide registry of the engine's memory DCs.
//
// Painters make a memory DC with a 32-bit DIB section behind it and hold it
// in a CachedDc, which releases it through the cache when it goes; a DC
// changes hands only by moving its owner. The cache is a registry, not a
// pool: a DC is never reused, it is only found again so that one call can
// free the DC, its DIB and its entry.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "runtime/gdi_object.h"

namespace skin {

// One memory DC known to the engine: the DC, the DIB section selected into
// it and the object that selecting the DIB pushed out. The entry owns the
// DC and the DIB; the displaced object belongs to the DC and is put back
// when the entry goes, never deleted.
class DcCacheEntry {
 public:
  DcCacheEntry(HDC memoryDc, HBITMAP dib, HGDIOBJ previous, std::uint64_t serial) noexcept
      : memoryDc_(memoryDc), dib_(dib), previous_(previous), serial_(serial) {}
  DcCacheEntry(DcCacheEntry&& other) noexcept;
  DcCacheEntry& operator=(DcCacheEntry&& other) noexcept;
  DcCacheEntry(const DcCacheEntry&) = delete;
  DcCacheEntry& operator=(const DcCacheEntry&) = delete;
  ~DcCacheEntry() { Free(); }

  HDC memoryDc() const noexcept { return memoryDc_; }
  HBITMAP dib() const noexcept { return dib_; }
  HGDIOBJ previous() const noexcept { return previous_; }
  // Tells this registration from a later one that got the same handle.
  std::uint64_t serial() const noexcept { return serial_; }

  // Takes a new DIB for the same DC; the DIB held before is deleted.
  void ReplaceDib(HBITMAP dib, HGDIOBJ previous) noexcept;

 private:
  void Free() noexcept;

  HDC memoryDc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint64_t serial_ = 0;
};

// Every registered memory DC, in registration order.
extern std::vector<DcCacheEntry> DcCache;

// Owns one registered DC and releases it through the cache exactly once:
// when it goes, when it is assigned another, or on reset(). Moving hands
// the DC on. It releases only the registration it was given: when code
// that holds the handle has released the DC already, nothing happens, even
// if a newer DC has since been given the same handle.
class CachedDc {
 public:
  CachedDc() = default;
  CachedDc(CachedDc&& other) noexcept;
  CachedDc& operator=(CachedDc&& other) noexcept;
  CachedDc(const CachedDc&) = delete;
  CachedDc& operator=(const CachedDc&) = delete;
  ~CachedDc() { reset(); }

  // Takes over the registration of a DC the cache holds; empty for a null
  // DC or one the cache does not hold.
  static CachedDc Adopt(HDC memoryDc) noexcept;

  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }
  friend bool operator==(const CachedDc& owner, std::nullptr_t) noexcept { return !owner; }

  // Releases the DC now.
  void reset() noexcept;

 private:
  HDC dc_ = nullptr;
  std::uint64_t serial_ = 0;
};

// A new 32-bit bottom-up DIB section of width x height.
rt::UniqueBitmap CreateDib32(int width, int height);

// The 32-bit DIB section selected into `dc` in `dib`, with GDI's pending
// drawing landed so its pixels can be read and written directly; false
// when the DC holds anything else.
bool SelectedDib32(HDC dc, DIBSECTION& dib);

// Hands a memory DC and the DIB selected into it to the cache, which owns
// both from now on. A DC that is registered already keeps its entry and
// takes the new DIB. A null DC is refused (false) and the DIB is deleted,
// so nothing is left that could not be released.
bool RegisterCachedDc(HDC memoryDc, HBITMAP dib, HGDIOBJ previous);

// Frees a registered DC, its DIB and its entry. False, doing nothing, for a
// null DC or one the cache does not hold.
bool ReleaseCachedDc(HDC memoryDc);

// A new memory DC with `bitmap` selected, both handed to the cache; empty,
// with the bitmap deleted, when the bitmap is null or no DC can be made.
CachedDc CacheBitmapDc(rt::UniqueBitmap bitmap);

// A new registered memory DC with a 32-bit DIB of the rectangle's size;
// empty, with nothing registered or left behind, when either cannot be
// made.
CachedDc CreateDibDc(const RECT& area);

// A new 32-bit DIB holding the top-left width x height pixels of a
// registered DC, which is released.
rt::UniqueBitmap CopyToNewBitmap(CachedDc source, int width, int height);

}  // namespace skin
