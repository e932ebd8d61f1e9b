#include "skin/core/dc_cache.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace skin {

// DcCache itself is defined beside SkinWindowTable (engine_globals.cpp).

namespace {

std::uint64_t LastSerial = 0;

}  // namespace

DcCacheEntry::DcCacheEntry(DcCacheEntry&& other) noexcept
    : memoryDc_(std::exchange(other.memoryDc_, nullptr)),
      dib_(std::exchange(other.dib_, nullptr)),
      previous_(std::exchange(other.previous_, nullptr)),
      serial_(std::exchange(other.serial_, 0)) {}

DcCacheEntry& DcCacheEntry::operator=(DcCacheEntry&& other) noexcept {
  if (this != &other) {
    Free();
    memoryDc_ = std::exchange(other.memoryDc_, nullptr);
    dib_ = std::exchange(other.dib_, nullptr);
    previous_ = std::exchange(other.previous_, nullptr);
    serial_ = std::exchange(other.serial_, 0);
  }
  return *this;
}

void DcCacheEntry::ReplaceDib(HBITMAP dib, HGDIOBJ previous) noexcept {
  // When the new DIB pushed the old one out, the DC's own object is still
  // the one held here.
  if (previous != dib_) previous_ = previous;
  if (dib == dib_) return;
  if (GetCurrentObject(memoryDc_, OBJ_BITMAP) == dib_) SelectObject(memoryDc_, previous_);
  DeleteObject(std::exchange(dib_, dib));
}

void DcCacheEntry::Free() noexcept {
  if (memoryDc_) {
    if (previous_) SelectObject(memoryDc_, previous_);
    DeleteDC(std::exchange(memoryDc_, nullptr));
  }
  if (dib_) DeleteObject(std::exchange(dib_, nullptr));
  previous_ = nullptr;
}

namespace {

// Searched from the newest entry: a paint releases the DC it made last.
std::vector<DcCacheEntry>::iterator FindEntry(HDC memoryDc) {
  const auto found = std::find_if(DcCache.rbegin(), DcCache.rend(),
                                  [memoryDc](const DcCacheEntry& e) { return e.memoryDc() == memoryDc; });
  return found == DcCache.rend() ? DcCache.end() : std::prev(found.base());
}

}  // namespace

CachedDc::CachedDc(CachedDc&& other) noexcept
    : dc_(std::exchange(other.dc_, nullptr)), serial_(std::exchange(other.serial_, 0)) {}

CachedDc& CachedDc::operator=(CachedDc&& other) noexcept {
  if (this != &other) {
    reset();
    dc_ = std::exchange(other.dc_, nullptr);
    serial_ = std::exchange(other.serial_, 0);
  }
  return *this;
}

CachedDc CachedDc::Adopt(HDC memoryDc) noexcept {
  CachedDc owner;
  if (memoryDc == nullptr) return owner;
  auto entry = FindEntry(memoryDc);
  if (entry == DcCache.end()) return owner;
  owner.dc_ = memoryDc;
  owner.serial_ = entry->serial();
  return owner;
}

void CachedDc::reset() noexcept {
  HDC dc = std::exchange(dc_, nullptr);
  const std::uint64_t serial = std::exchange(serial_, 0);
  if (dc == nullptr) return;
  auto entry = FindEntry(dc);
  if (entry != DcCache.end() && entry->serial() == serial) DcCache.erase(entry);
}

rt::UniqueBitmap CreateDib32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // positive: bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return rt::UniqueBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0));
}

bool SelectedDib32(HDC dc, DIBSECTION& dib) {
  dib = {};
  const auto bitmap = static_cast<HBITMAP>(GetCurrentObject(dc, OBJ_BITMAP));
  if (GetObjectA(bitmap, sizeof dib, &dib) != sizeof dib || dib.dsBm.bmBits == nullptr ||
      dib.dsBm.bmBitsPixel != 32)
    return false;
  GdiFlush();
  return true;
}

bool RegisterCachedDc(HDC memoryDc, HBITMAP dib, HGDIOBJ previous) {
  if (memoryDc == nullptr) {
    if (dib) DeleteObject(dib);
    return false;
  }
  auto entry = FindEntry(memoryDc);
  if (entry != DcCache.end()) {
    entry->ReplaceDib(dib, previous);
    return true;
  }
  DcCache.emplace_back(memoryDc, dib, previous, ++LastSerial);
  return true;
}

bool ReleaseCachedDc(HDC memoryDc) {
  if (!memoryDc) return false;
  auto entry = FindEntry(memoryDc);
  if (entry == DcCache.end()) return false;
  DcCache.erase(entry);  // the entry frees the DC and its DIB as it goes
  return true;
}

CachedDc CacheBitmapDc(rt::UniqueBitmap bitmap) {
  if (!bitmap) return {};
  rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return {};
  HGDIOBJ previous = SelectObject(dc.get(), bitmap.get());
  RegisterCachedDc(dc.get(), bitmap.release(), previous);  // the cache owns both now
  return CachedDc::Adopt(dc.release());
}

CachedDc CreateDibDc(const RECT& area) {
  return CacheBitmapDc(CreateDib32(area.right - area.left, area.bottom - area.top));
}

rt::UniqueBitmap CopyToNewBitmap(CachedDc source, int width, int height) {
  rt::UniqueBitmap copy = CreateDib32(width, height);
  {
    rt::UniqueMemoryDc target(CreateCompatibleDC(nullptr));
    rt::ScopedSelection selected(target.get(), copy.get());
    BitBlt(target.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
  }
  source.reset();
  return copy;
}

}  // namespace skin
