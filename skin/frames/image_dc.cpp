#include "skin/frames/image_dc.h"

#include "gdip/gdip_bitmap.h"
#include "runtime/gdi_object.h"
#include "skin/core/dc_cache.h"

namespace skin {

HDC CreateImageDc(int width, int height, const std::optional<rt::ByteArray>& image) {
  gdip::GdipBitmap picture;
  const bool made =
      image ? picture.CreateFromStream(*image) : picture.Create(width, height, gdip::kPixelFormat32bppArgb);
  if (!made) return nullptr;
  rt::UniqueBitmap bitmap(picture.GetHbitmap(gdip::ARGB{0}));
  picture.Dispose();
  if (!bitmap) return nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return nullptr;
  HGDIOBJ previous = SelectObject(dc, bitmap.get());
  RegisterCachedDc(dc, bitmap.release(), previous);
  return dc;
}

}  // namespace skin
