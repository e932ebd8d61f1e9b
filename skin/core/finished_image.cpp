#include "skin/core/finished_image.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

#include "skin/core/dc_cache.h"

namespace skin {

namespace {

// The pixels of the 32-bit DIB selected into `dc` (its rows have no
// padding), after any drawing still batched for it; empty for any other DC.
std::span<std::uint32_t> Pixels(HDC dc, int& width, int& height) {
  GdiFlush();
  DIBSECTION dib{};
  width = height = 0;
  if (!SelectedDib32(dc, dib) || dib.dsBm.bmBits == nullptr) return {};
  width = dib.dsBm.bmWidth;
  height = dib.dsBm.bmHeight < 0 ? -dib.dsBm.bmHeight : dib.dsBm.bmHeight;
  if (width <= 0 || height <= 0) return {};
  return {static_cast<std::uint32_t*>(dib.dsBm.bmBits),
          static_cast<std::size_t>(width) * static_cast<std::size_t>(height)};
}

}  // namespace

LookKey& LookKey::AddRaw(const void* data, std::size_t size) {
  if (size == 0) return *this;
  const std::size_t at = bytes_.size();
  bytes_.resize(at + size);
  std::memcpy(bytes_.data() + at, data, size);
  return *this;
}

bool FinishedImage::Finish(HDC image, const LookKey& key, const std::function<bool()>& draw) const {
  if (Restore(image, key)) return true;
  Start(image, key);
  if (!draw()) {
    Forget();
    return false;
  }
  Finish(image);
  return true;
}

bool FinishedImage::Restore(HDC dc, const LookKey& key) const {
  if (finished_.empty() || !(key == key_)) return false;
  int width = 0, height = 0;
  const std::span<std::uint32_t> pixels = Pixels(dc, width, height);
  if (pixels.empty() || width != width_ || height != height_ ||
      !std::equal(pixels.begin(), pixels.end(), background_.begin(), background_.end()))
    return false;
  std::copy(finished_.begin(), finished_.end(), pixels.begin());
  return true;
}

void FinishedImage::Start(HDC dc, LookKey key) const {
  Forget();
  int width = 0, height = 0;
  const std::span<std::uint32_t> pixels = Pixels(dc, width, height);
  if (pixels.empty()) return;  // not a DIB of ours: nothing to keep
  key_ = std::move(key);
  width_ = width;
  height_ = height;
  background_.assign(pixels.begin(), pixels.end());
}

void FinishedImage::Finish(HDC dc) const {
  int width = 0, height = 0;
  const std::span<std::uint32_t> pixels = Pixels(dc, width, height);
  if (background_.empty() || pixels.empty() || width != width_ || height != height_) {
    Forget();
    return;
  }
  finished_.assign(pixels.begin(), pixels.end());
}

void FinishedImage::Forget() const {
  key_ = LookKey{};
  width_ = height_ = 0;
  background_.clear();
  finished_.clear();
}

}  // namespace skin
