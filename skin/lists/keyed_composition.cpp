#include "skin/lists/keyed_composition.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "runtime/gdi_object.h"
#include "skin/core/child_clipping.h"
#include "skin/core/dc_cache.h"
#include "skin/core/host_record.h"
#include "skin/core/skin_lookups.h"

namespace skin {

namespace {

constexpr std::uint32_t kRgbMask = 0xFFFFFF;

// Row y (0 at the top) of a 32-bit DIB.
std::uint32_t* Row(const DIBSECTION& dib, int y) {
  const int row = dib.dsBmih.biHeight > 0 ? dib.dsBm.bmHeight - 1 - y : y;
  return reinterpret_cast<std::uint32_t*>(static_cast<BYTE*>(dib.dsBm.bmBits) +
                                          static_cast<std::ptrdiff_t>(row) * dib.dsBm.bmWidthBytes);
}

// A COLORREF as a DIB pixel's colour part (0x00RRGGBB).
std::uint32_t DibColour(COLORREF c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

// One pixel drawn over the key (`overKey`) and over its complement, laid
// over `under`; `keyPixel` is the key as a DIB colour.
std::uint32_t LayPixel(std::uint32_t overKey, std::uint32_t overComplement, std::uint32_t under,
                       std::uint32_t keyPixel) {
  const std::uint32_t first = overKey & kRgbMask;
  const std::uint32_t second = overComplement & kRgbMask;
  if (first == second) return overKey;
  if (first == keyPixel && second == (keyPixel ^ kRgbMask)) return under;
  std::uint32_t blended = overKey & ~kRgbMask;
  for (int shift : {0, 8, 16}) {
    const bool keyHigh = ((keyPixel >> shift) & 0xFF) != 0;
    // The channel over 255 and over 0: what lies behind shows through by
    // their difference.
    const int high = static_cast<int>(((keyHigh ? first : second) >> shift) & 0xFF);
    const int low = static_cast<int>(((keyHigh ? second : first) >> shift) & 0xFF);
    if (high < low) return first == keyPixel ? under : overKey;
    const int behind = static_cast<int>((under >> shift) & 0xFF);
    blended |= static_cast<std::uint32_t>(low + ((high - low) * behind + 127) / 255) << shift;
  }
  return blended;
}

}  // namespace

void FillKeyColour(HDC image, const RECT& area, COLORREF key) {
  rt::UniqueBrush brush(CreateSolidBrush(key));
  FillRect(image, &area, brush.get());
}

void ComposeKeyedImage(HWND control, HDC source, COLORREF key, int kjLink) {
  SkinWindowRecord* host = HostSkinRecord(control, kjLink != 0);
  if (host == nullptr || host->compositionDc == nullptr) return;
  const RECT r = GetRectInSkinWindow(control);
  HDC target = host->compositionDc.get();
  ExcludeVisibleChildren(control, target);
  TransparentBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0, r.right - r.left,
                 r.bottom - r.top, key);
  SelectClipRgn(target, nullptr);
}

void LayDrawingOverKeys(HDC target, HDC overKey, HDC overComplement, COLORREF key, int width, int height) {
  DIBSECTION to{}, first{}, second{};
  if (!SelectedDib32(target, to) || !SelectedDib32(overKey, first) || !SelectedDib32(overComplement, second)) {
    TransparentBlt(target, 0, 0, width, height, overKey, 0, 0, width, height, key);
    return;
  }
  const int w = static_cast<int>(std::min<LONG>({width, to.dsBm.bmWidth, first.dsBm.bmWidth, second.dsBm.bmWidth}));
  const int h =
      static_cast<int>(std::min<LONG>({height, to.dsBm.bmHeight, first.dsBm.bmHeight, second.dsBm.bmHeight}));
  const std::uint32_t keyPixel = DibColour(key);
  for (int y = 0; y < h; ++y) {
    std::uint32_t* out = Row(to, y);
    const std::uint32_t* a = Row(first, y);
    const std::uint32_t* b = Row(second, y);
    for (int x = 0; x < w; ++x) out[x] = LayPixel(a[x], b[x], out[x], keyPixel);
  }
}

}  // namespace skin
