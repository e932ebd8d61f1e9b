#include "skin/frames/image_dc.h"

#include <utility>

#include "gdip/gdip_bitmap.h"
#include "runtime/gdi_object.h"
#include "skin/core/dc_cache.h"

namespace skin {

CachedDc CreateImageDc(int width, int height, const std::optional<rt::ByteArray>& image) {
  gdip::GdipBitmap picture;
  const bool made =
      image ? picture.CreateFromStream(*image) : picture.Create(width, height, gdip::kPixelFormat32bppArgb);
  if (!made) return {};
  rt::UniqueBitmap bitmap(picture.GetHbitmap(gdip::ARGB{0}));
  picture.Dispose();
  return CacheBitmapDc(std::move(bitmap));
}

}  // namespace skin
