#include "gdip/gdip_texture_brush.h"

#include "gdip/gdip_image.h"
#include "gdip/gdip_matrix.h"
#include "gdip/transform_at.h"

namespace gdip {

using Gdiplus::GpImage;
using Gdiplus::GpImageAttributes;
using Gdiplus::GpMatrix;
using Gdiplus::GpTexture;

namespace {

Gdiplus::WrapMode WrapModeOf(const Opt<int>& mode) { return static_cast<Gdiplus::WrapMode>(mode.value); }
Gdiplus::MatrixOrder OrderOf(const Opt<int>& order) { return static_cast<Gdiplus::MatrixOrder>(order.value); }

}  // namespace

bool GdipTextureBrush::Create(const GdipImage& image, Opt<int> wrapMode) {
  return CreateWith<GpTexture>(
      [&](GpTexture** out) { return flat::GdipCreateTexture(NativeOf<GpImage>(image), WrapModeOf(wrapMode), out); });
}

bool GdipTextureBrush::Create2(const GdipImage& image, REAL x, REAL y, REAL width, REAL height, Opt<int> wrapMode) {
  return CreateWith<GpTexture>([&](GpTexture** out) {
    return flat::GdipCreateTexture2(NativeOf<GpImage>(image), WrapModeOf(wrapMode), x, y, width, height, out);
  });
}

bool GdipTextureBrush::Create2I(const GdipImage& image, INT x, INT y, INT width, INT height, Opt<int> wrapMode) {
  return CreateWith<GpTexture>([&](GpTexture** out) {
    return flat::GdipCreateTexture2I(NativeOf<GpImage>(image), WrapModeOf(wrapMode), x, y, width, height, out);
  });
}

bool GdipTextureBrush::CreateIA(const GdipImage& image, REAL x, REAL y, REAL width, REAL height,
                                const GdipObject& attributes) {
  return CreateWith<GpTexture>([&](GpTexture** out) {
    return flat::GdipCreateTextureIA(NativeOf<GpImage>(image), NativeOf<GpImageAttributes>(attributes), x, y, width,
                                     height, out);
  });
}

bool GdipTextureBrush::CreateIAI(const GdipImage& image, INT x, INT y, INT width, INT height,
                                 const GdipObject& attributes) {
  return CreateWith<GpTexture>([&](GpTexture** out) {
    return flat::GdipCreateTextureIAI(NativeOf<GpImage>(image), NativeOf<GpImageAttributes>(attributes), x, y, width,
                                      height, out);
  });
}

bool GdipTextureBrush::GetTransform(GdipMatrix& target) {
  // GDI+ copies the transform into an existing matrix.
  if (!target.Create()) return false;
  return Record(flat::GdipGetTextureTransform(Native(), NativeOf<GpMatrix>(target)));
}

bool GdipTextureBrush::SetTransform(const GdipMatrix& matrix) {
  return Record(flat::GdipSetTextureTransform(Native(), NativeOf<GpMatrix>(matrix)));
}

bool GdipTextureBrush::ResetTransform() { return Record(flat::GdipResetTextureTransform(Native())); }

bool GdipTextureBrush::MultiplyTransform(const GdipMatrix& matrix, Opt<int> order) {
  return Record(flat::GdipMultiplyTextureTransform(Native(), NativeOf<GpMatrix>(matrix), OrderOf(order)));
}

bool GdipTextureBrush::TranslateTransform(REAL dx, REAL dy, Opt<int> order) {
  return Record(flat::GdipTranslateTextureTransform(Native(), dx, dy, OrderOf(order)));
}

bool GdipTextureBrush::ScaleTransform(REAL sx, REAL sy, Opt<int> order) {
  return Record(flat::GdipScaleTextureTransform(Native(), sx, sy, OrderOf(order)));
}

bool GdipTextureBrush::RotateTransform(REAL angle, Opt<int> order) {
  return Record(flat::GdipRotateTextureTransform(Native(), angle, OrderOf(order)));
}

bool GdipTextureBrush::ScaleTransformAt(REAL sx, REAL sy, const PointF& centre, Opt<int> order) {
  return TransformAt(
      centre, order,
      [&](REAL dx, REAL dy, Gdiplus::MatrixOrder o) { return flat::GdipTranslateTextureTransform(Native(), dx, dy, o); },
      [&](Gdiplus::MatrixOrder o) { return flat::GdipScaleTextureTransform(Native(), sx, sy, o); });
}

bool GdipTextureBrush::RotateTransformAt(REAL angle, const PointF& centre, Opt<int> order) {
  return TransformAt(
      centre, order,
      [&](REAL dx, REAL dy, Gdiplus::MatrixOrder o) { return flat::GdipTranslateTextureTransform(Native(), dx, dy, o); },
      [&](Gdiplus::MatrixOrder o) { return flat::GdipRotateTextureTransform(Native(), angle, o); });
}

int GdipTextureBrush::GetWrapMode() {
  Gdiplus::WrapMode mode = Gdiplus::WrapModeTile;
  Record(flat::GdipGetTextureWrapMode(Native(), &mode));
  return static_cast<int>(mode);
}

bool GdipTextureBrush::SetWrapMode(int wrapMode) {
  return Record(flat::GdipSetTextureWrapMode(Native(), static_cast<Gdiplus::WrapMode>(wrapMode)));
}

bool GdipTextureBrush::GetImage(GdipImage& target) {
  // Disposing first also frees a stream the target's old image read from.
  target.Dispose();
  return target.CreateWith<GpImage>([&](GpImage** out) { return flat::GdipGetTextureImage(Native(), out); });
}

}  // namespace gdip
