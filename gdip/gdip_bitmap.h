// Owning wrapper of a GDI+ bitmap: an image whose pixels can be made,
// read and written, cut into areas, turned, and handed to GDI.
#pragma once

#include "gdip/gdip_image.h"

namespace gdip {

// The pixel format of every picture the engine composes: 32 bits per
// pixel with alpha.
inline constexpr int kPixelFormat32bppArgb = PixelFormat32bppARGB;
// 32 bits per pixel, the top byte unused: a DIB section's pixels.
inline constexpr int kPixelFormat32bppRgb = PixelFormat32bppRGB;

class GdipGraphics;

class GdipBitmap : public GdipImage {
 public:
  GdipBitmap() = default;
  GdipBitmap(GdipBitmap&&) noexcept = default;
  GdipBitmap& operator=(GdipBitmap&&) noexcept = default;

  // An empty bitmap whose pixels GDI+ allocates; 32-bit ARGB when no pixel
  // format is given.
  bool Create(INT width, INT height, Opt<int> pixelFormat = {});
  // Pixels at the caller's pointer (GDI+ allocates them when omitted).
  bool CreateFromScan0(INT width, INT height, INT stride, int pixelFormat, Opt<BYTE*> pixels = {});
  bool CreateFromGraphics(INT width, INT height, const GdipGraphics& graphics);
  bool CreateFromFile(const rt::Text& path, Opt<bool> icm = {});
  bool CreateFromFileW(const rt::ByteArray& widePath, Opt<bool> icm = {});
  // Decoded from encoded bytes; the bitmap keeps its own copy of them.
  bool CreateFromStream(const rt::ByteArray& bytes, Opt<bool> icm = {});
  // The GDI bitmap, icon, DIB or resource stays the caller's.
  bool CreateFromHbitmap(HBITMAP bitmap, Opt<HPALETTE> palette = {});
  bool CreateFromHicon(HICON icon);
  bool CreateFromGdiDib(const BITMAPINFO* info, void* bits);
  bool CreateFromResource(HINSTANCE module, const WCHAR* name);

  // A new GDI bitmap (DIB section) or icon of the pixels, owned by the
  // caller; null on failure.
  HBITMAP GetHbitmap(Opt<ARGB> background = {});
  HICON GetHicon();

  // A copy of an area, in the given pixel format, goes into another bitmap.
  bool CloneArea(const RectF& area, int pixelFormat, GdipBitmap& target) const;
  bool CloneAreaI(const RectI& area, int pixelFormat, GdipBitmap& target) const;

  bool LockBits(const RectI& area, UINT flags, int pixelFormat, BitmapData& data);
  bool UnlockBits(BitmapData& data);
  // 0 when the pixel cannot be read.
  ARGB GetPixel(INT x, INT y);
  bool SetPixel(INT x, INT y, ARGB colour);
  bool SetResolution(REAL horizontalDpi, REAL verticalDpi);

  // This bitmap turned by angle degrees about its centre, drawn into a new
  // 32-bit ARGB canvas that goes into another bitmap. The canvas is `size`
  // when given, else just large enough for the whole turned picture; it is
  // filled with the background when one is given.
  bool Rotate(REAL angle, GdipBitmap& target, Opt<ARGB> background = {}, Opt<InterpolationMode> interpolation = {},
              Opt<ImageDimension> size = {});
  // Size of the whole picture of width x height turned by angle degrees.
  static void RotatedBounds(REAL width, REAL height, REAL angle, REAL& rotatedWidth, REAL& rotatedHeight);

 private:
  Gdiplus::GpBitmap* Native() const { return NativeAs<Gdiplus::GpBitmap>(); }
  template <class Call>
  bool CreateBitmap(Call call);
};

}  // namespace gdip
