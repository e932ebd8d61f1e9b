#include "skin/core/control_image.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

#include "runtime/gdi_object.h"
#include "skin/core/control_background.h"
#include "skin/core/host_composition.h"

namespace skin {

namespace {

void CopyToControl(HDC dc, const RECT& area, HDC image) {
  BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, image, 0, 0, SRCCOPY);
}

// The pixels of a 32-bit DIB DC, or an empty span when it holds none.
std::span<std::uint32_t> DibPixels(HDC dc, int& width, int& height) {
  DIBSECTION dib{};
  if (!SelectedDib32(dc, dib) || dib.dsBm.bmBits == nullptr) return {};
  width = dib.dsBm.bmWidth;
  height = dib.dsBm.bmHeight < 0 ? -dib.dsBm.bmHeight : dib.dsBm.bmHeight;
  return {static_cast<std::uint32_t*>(dib.dsBm.bmBits), static_cast<std::size_t>(width) * height};
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
  int width = 0, height = 0;
  const std::span<std::uint32_t> pixels = DibPixels(image, width, height);
  if (!pixels.empty() && width == width_ && height == height_ && key == key_ &&
      std::equal(pixels.begin(), pixels.end(), background_.begin(), background_.end())) {
    std::copy(finished_.begin(), finished_.end(), pixels.begin());
    return true;
  }
  Forget();
  std::vector<std::uint32_t> background(pixels.begin(), pixels.end());
  if (!draw()) return false;
  if (pixels.empty()) return true;  // not a DIB of ours: nothing to keep
  GdiFlush();
  key_ = key;
  width_ = width;
  height_ = height;
  background_ = std::move(background);
  finished_.assign(pixels.begin(), pixels.end());
  return true;
}

void FinishedImage::Forget() const {
  key_ = LookKey{};
  width_ = height_ = 0;
  background_.clear();
  finished_.clear();
}

RECT ControlArea(HWND control, const RECT* given) {
  RECT area{};
  if (given != nullptr) {
    area = *given;
  } else {
    GetClientRect(control, &area);
  }
  return area;
}

CachedDc ComposeControlImage(HWND control, const RECT& area, const ControlDraw& draw) {
  CachedDc image = ComposeControlBackground(control, area);
  if (!image) return image;
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(image.get());
    if (!draw(graphics)) return {};
  }
  BlitControlToHost(control, image.get());
  return image;
}

CachedDc ComposeControlImage(HWND control, const RECT& area, const ControlDraw& draw, const FinishedImage& kept,
                             const LookKey& key) {
  CachedDc image = ComposeControlBackground(control, area);
  if (!image) return image;
  const bool drawn = kept.Finish(image.get(), key, [&] {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(image.get());
    return draw(graphics);
  });
  if (!drawn) return {};
  BlitControlToHost(control, image.get());
  return image;
}

void PresentControlImage(HWND control, const RECT& area, const ControlDraw& draw, const FinishedImage& kept,
                         const LookKey& key) {
  const CachedDc image = ComposeControlImage(control, area, draw, kept, key);
  if (!image) return;
  const rt::WindowDc own(control);
  CopyToControl(own.get(), area, image.get());
}

void PresentControlImage(HWND control, const RECT& area, HDC dc, const ControlDraw& draw) {
  const CachedDc image = ComposeControlImage(control, area, draw);
  if (image) CopyToControl(dc, area, image.get());
}

void PresentControlImage(HWND control, const RECT& area, const ControlDraw& draw) {
  const CachedDc image = ComposeControlImage(control, area, draw);
  if (!image) return;
  const rt::WindowDc own(control);
  CopyToControl(own.get(), area, image.get());
}

}  // namespace skin
