#include "gdip/gdip_bitmap.h"

#include <cmath>
#include <numbers>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_matrix.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/wide_text.h"

namespace gdip {

using Gdiplus::GpBitmap;

namespace {

// Whole pixels that hold a computed extent; what floating-point error adds
// beyond a whole number does not cost a pixel.
INT CanvasExtent(REAL extent) { return static_cast<INT>(std::ceil(static_cast<double>(extent) - 1e-3)); }

}  // namespace

template <class Call>
bool GdipBitmap::CreateBitmap(Call call) {
  Dispose();
  return CreateWith<GpBitmap>(call);
}

bool GdipBitmap::Create(INT width, INT height, Opt<int> pixelFormat) {
  return CreateFromScan0(width, height, 0, pixelFormat.Or(kPixelFormat32bppArgb));
}

bool GdipBitmap::CreateFromScan0(INT width, INT height, INT stride, int pixelFormat, Opt<BYTE*> pixels) {
  return CreateBitmap([&](GpBitmap** out) {
    return flat::GdipCreateBitmapFromScan0(width, height, stride, pixelFormat, pixels.value, out);
  });
}

bool GdipBitmap::CreateFromGraphics(INT width, INT height, const GdipGraphics& graphics) {
  return CreateBitmap([&](GpBitmap** out) {
    return flat::GdipCreateBitmapFromGraphics(width, height, NativeOf<Gdiplus::GpGraphics>(graphics), out);
  });
}

bool GdipBitmap::CreateFromFile(const rt::Text& path, Opt<bool> icm) { return CreateFromFileW(ToWideBytes(path), icm); }

bool GdipBitmap::CreateFromFileW(const rt::ByteArray& widePath, Opt<bool> icm) {
  const WideArg path = WideArg::Utf16(widePath);
  if (!path.valid()) return RefuseArgument();
  return CreateBitmap([&](GpBitmap** out) {
    return icm.value ? flat::GdipCreateBitmapFromFileICM(path.text(), out)
                     : flat::GdipCreateBitmapFromFile(path.text(), out);
  });
}

bool GdipBitmap::CreateFromStream(const rt::ByteArray& bytes, Opt<bool> icm) {
  Dispose();
  IStream* stream = Stream().CreateFromBytes(bytes);
  return CreateWith<GpBitmap>([&](GpBitmap** out) {
    return icm.value ? flat::GdipCreateBitmapFromStreamICM(stream, out) : flat::GdipCreateBitmapFromStream(stream, out);
  });
}

bool GdipBitmap::CreateFromHbitmap(HBITMAP bitmap, Opt<HPALETTE> palette) {
  return CreateBitmap([&](GpBitmap** out) { return flat::GdipCreateBitmapFromHBITMAP(bitmap, palette.value, out); });
}

bool GdipBitmap::CreateFromHicon(HICON icon) {
  return CreateBitmap([&](GpBitmap** out) { return flat::GdipCreateBitmapFromHICON(icon, out); });
}

bool GdipBitmap::CreateFromGdiDib(const BITMAPINFO* info, void* bits) {
  return CreateBitmap([&](GpBitmap** out) { return flat::GdipCreateBitmapFromGdiDib(info, bits, out); });
}

bool GdipBitmap::CreateFromResource(HINSTANCE module, const WCHAR* name) {
  return CreateBitmap([&](GpBitmap** out) { return flat::GdipCreateBitmapFromResource(module, name, out); });
}

HBITMAP GdipBitmap::GetHbitmap(Opt<ARGB> background) {
  HBITMAP bitmap = nullptr;
  if (!Record(flat::GdipCreateHBITMAPFromBitmap(Native(), &bitmap, background.value))) return nullptr;
  return bitmap;
}

HICON GdipBitmap::GetHicon() {
  HICON icon = nullptr;
  if (!Record(flat::GdipCreateHICONFromBitmap(Native(), &icon))) return nullptr;
  return icon;
}

bool GdipBitmap::CloneArea(const RectF& area, int pixelFormat, GdipBitmap& target) const {
  if (&target == this) return RefuseArgument();
  return target.CreateBitmap([&](GpBitmap** out) {
    return flat::GdipCloneBitmapArea(area.x, area.y, area.width, area.height, pixelFormat, Native(), out);
  });
}

bool GdipBitmap::CloneAreaI(const RectI& area, int pixelFormat, GdipBitmap& target) const {
  if (&target == this) return RefuseArgument();
  return target.CreateBitmap([&](GpBitmap** out) {
    return flat::GdipCloneBitmapAreaI(area.x, area.y, area.width, area.height, pixelFormat, Native(), out);
  });
}

bool GdipBitmap::LockBits(const RectI& area, UINT flags, int pixelFormat, BitmapData& data) {
  const Gdiplus::Rect rect = ToNative(area);
  return Record(flat::GdipBitmapLockBits(Native(), &rect, flags, pixelFormat, &data));
}

bool GdipBitmap::UnlockBits(BitmapData& data) { return Record(flat::GdipBitmapUnlockBits(Native(), &data)); }

ARGB GdipBitmap::GetPixel(INT x, INT y) {
  ARGB colour = 0;
  if (!Record(flat::GdipBitmapGetPixel(Native(), x, y, &colour))) return 0;
  return colour;
}

bool GdipBitmap::SetPixel(INT x, INT y, ARGB colour) { return Record(flat::GdipBitmapSetPixel(Native(), x, y, colour)); }

bool GdipBitmap::SetResolution(REAL horizontalDpi, REAL verticalDpi) {
  return Record(flat::GdipBitmapSetResolution(Native(), horizontalDpi, verticalDpi));
}

void GdipBitmap::RotatedBounds(REAL width, REAL height, REAL angle, REAL& rotatedWidth, REAL& rotatedHeight) {
  const double radians = static_cast<double>(angle) * std::numbers::pi / 180.0;
  const double c = std::fabs(std::cos(radians));
  const double s = std::fabs(std::sin(radians));
  rotatedWidth = static_cast<REAL>(width * c + height * s);
  rotatedHeight = static_cast<REAL>(width * s + height * c);
}

bool GdipBitmap::Rotate(REAL angle, GdipBitmap& target, Opt<ARGB> background, Opt<InterpolationMode> interpolation,
                        Opt<ImageDimension> size) {
  if (&target == this) return RefuseArgument();
  const REAL width = static_cast<REAL>(GetWidth());
  const REAL height = static_cast<REAL>(GetHeight());
  INT canvasWidth = 0, canvasHeight = 0;
  if (size.given) {
    canvasWidth = static_cast<INT>(size.value.width);
    canvasHeight = static_cast<INT>(size.value.height);
  } else {
    REAL w = 0, h = 0;
    RotatedBounds(width, height, angle, w, h);
    canvasWidth = CanvasExtent(w);
    canvasHeight = CanvasExtent(h);
  }

  GdipBitmap canvas;
  if (!canvas.Create(canvasWidth, canvasHeight, kPixelFormat32bppArgb)) return false;
  // Drawn at its natural size, the picture keeps its pixel size.
  canvas.SetResolution(GetHorizontalResolution(), GetVerticalResolution());
  GdipGraphics graphics;
  if (!graphics.CreateFromImage(canvas)) return false;

  const REAL W = static_cast<REAL>(canvasWidth), H = static_cast<REAL>(canvasHeight);
  if (background.given) {
    GdipSolidBrush brush;
    if (!brush.Create(background.value)) return false;
    graphics.FillRectangle(brush, 0, 0, W, H);
  }
  if (interpolation.given) graphics.SetInterpolationMode(interpolation.value);

  // Centre of the picture onto the centre of the canvas, turned about it.
  GdipMatrix turn;
  if (!turn.Create()) return false;
  turn.Translate(W / 2, H / 2);
  turn.Rotate(angle);
  turn.Translate(-W / 2, -H / 2);
  turn.Translate((W - width) / 2, (H - height) / 2);
  graphics.SetWorldTransform(turn);
  const bool drawn = graphics.DrawImage(*this, 0, 0);
  const GpStatus status = LastStatus;
  graphics.Delete();

  if (drawn) target = std::move(canvas);
  // The result and LastStatus tell how the drawing went, not the clean-up.
  LastStatus = status;
  return drawn;
}

}  // namespace gdip
