#include "skin/core/dc_cache.h"

#include <algorithm>
#include <utility>

namespace skin {

std::vector<DcCacheEntry> DcCache;

DcCacheEntry::DcCacheEntry(DcCacheEntry&& other) noexcept
    : memoryDc_(std::exchange(other.memoryDc_, nullptr)),
      dib_(std::exchange(other.dib_, nullptr)),
      previous_(std::exchange(other.previous_, nullptr)) {}

DcCacheEntry& DcCacheEntry::operator=(DcCacheEntry&& other) noexcept {
  if (this != &other) {
    Free();
    memoryDc_ = std::exchange(other.memoryDc_, nullptr);
    dib_ = std::exchange(other.dib_, nullptr);
    previous_ = std::exchange(other.previous_, nullptr);
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

std::vector<DcCacheEntry>::iterator FindEntry(HDC memoryDc) {
  return std::find_if(DcCache.begin(), DcCache.end(),
                      [memoryDc](const DcCacheEntry& e) { return e.memoryDc() == memoryDc; });
}

}  // namespace

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

void RegisterCachedDc(HDC memoryDc, HBITMAP dib, HGDIOBJ previous) {
  auto entry = FindEntry(memoryDc);
  if (entry != DcCache.end()) {
    entry->ReplaceDib(dib, previous);
    return;
  }
  DcCache.emplace_back(memoryDc, dib, previous);
}

bool ReleaseCachedDc(HDC memoryDc) {
  if (!memoryDc) return false;
  auto entry = FindEntry(memoryDc);
  if (entry == DcCache.end()) return false;
  DcCache.erase(entry);  // the entry frees the DC and its DIB as it goes
  return true;
}

HDC CreateDibDc(const RECT& area) {
  rt::UniqueBitmap dib = CreateDib32(area.right - area.left, area.bottom - area.top);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, dib.get());
  RegisterCachedDc(dc, dib.release(), previous);
  return dc;
}

rt::UniqueBitmap CopyToNewBitmap(HDC source, int width, int height) {
  rt::UniqueBitmap copy = CreateDib32(width, height);
  {
    rt::UniqueMemoryDc target(CreateCompatibleDC(nullptr));
    rt::ScopedSelection selected(target.get(), copy.get());
    BitBlt(target.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  }
  ReleaseCachedDc(source);
  return copy;
}

}  // namespace skin
