// The process-wide registry of the engine's memory DCs.
//
// Painters make a memory DC with a 32-bit DIB section behind it, hand the
// DC around by handle only, and release it by that handle. The cache is a
// registry, not a pool: a DC is never reused, it is only found again so
// that one call can free the DC, its DIB and its entry.
#pragma once

#include <windows.h>

#include <vector>

#include "runtime/gdi_object.h"

namespace skin {

// One memory DC known to the engine: the DC, the DIB section selected into
// it and the object that selecting the DIB pushed out. The entry owns the
// DC and the DIB; the displaced object belongs to the DC and is put back
// when the entry goes, never deleted.
class DcCacheEntry {
 public:
  DcCacheEntry(HDC memoryDc, HBITMAP dib, HGDIOBJ previous) noexcept
      : memoryDc_(memoryDc), dib_(dib), previous_(previous) {}
  DcCacheEntry(DcCacheEntry&& other) noexcept;
  DcCacheEntry& operator=(DcCacheEntry&& other) noexcept;
  DcCacheEntry(const DcCacheEntry&) = delete;
  DcCacheEntry& operator=(const DcCacheEntry&) = delete;
  ~DcCacheEntry() { Free(); }

  HDC memoryDc() const noexcept { return memoryDc_; }
  HBITMAP dib() const noexcept { return dib_; }
  HGDIOBJ previous() const noexcept { return previous_; }

  // Takes a new DIB for the same DC; the DIB held before is deleted.
  void ReplaceDib(HBITMAP dib, HGDIOBJ previous) noexcept;

 private:
  void Free() noexcept;

  HDC memoryDc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// Every registered memory DC, in registration order.
extern std::vector<DcCacheEntry> DcCache;

// A new 32-bit bottom-up DIB section of width x height.
rt::UniqueBitmap CreateDib32(int width, int height);

// Hands a memory DC and the DIB selected into it to the cache, which owns
// both from now on. A DC that is registered already keeps its entry and
// takes the new DIB.
void RegisterCachedDc(HDC memoryDc, HBITMAP dib, HGDIOBJ previous);

// Frees a registered DC, its DIB and its entry. False, doing nothing, for a
// null DC or one the cache does not hold.
bool ReleaseCachedDc(HDC memoryDc);

// A new registered memory DC with a 32-bit DIB of the rectangle's size.
HDC CreateDibDc(const RECT& area);

// A new 32-bit DIB holding the top-left width x height pixels of a
// registered DC, which is released.
rt::UniqueBitmap CopyToNewBitmap(HDC source, int width, int height);

}  // namespace skin
