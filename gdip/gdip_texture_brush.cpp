#include "gdip/gdip_texture_brush.h"

#include "gdip/gdip_image.h"
#include "gdip/gdip_matrix.h"
#include "gdip/object_transform_calls.h"

namespace gdip {

using Gdiplus::GpImage;
using Gdiplus::GpImageAttributes;
using Gdiplus::GpMatrix;
using Gdiplus::GpTexture;

namespace {

Gdiplus::WrapMode WrapModeOf(const Opt<WrapMode>& mode) { return static_cast<Gdiplus::WrapMode>(mode.value); }

}  // namespace

// The flat calls behind the shared transform operations.
struct TextureTransformCalls {
  using Native = Gdiplus::GpTexture;
  static inline const auto Get = flat::GdipGetTextureTransform;
  static inline const auto Set = flat::GdipSetTextureTransform;
  static inline const auto Reset = flat::GdipResetTextureTransform;
  static inline const auto Multiply = flat::GdipMultiplyTextureTransform;
  static inline const auto Translate = flat::GdipTranslateTextureTransform;
  static inline const auto Scale = flat::GdipScaleTextureTransform;
  static inline const auto Rotate = flat::GdipRotateTextureTransform;
};

template class TransformOps<GdipTextureBrush, TextureTransformCalls>;

bool GdipTextureBrush::Create(const GdipImage& image, Opt<WrapMode> wrapMode) {
  return CreateWith<GpTexture>(
      [&](GpTexture** out) { return flat::GdipCreateTexture(NativeOf<GpImage>(image), WrapModeOf(wrapMode), out); });
}

bool GdipTextureBrush::Create2(const GdipImage& image, REAL x, REAL y, REAL width, REAL height,
                               Opt<WrapMode> wrapMode) {
  return CreateWith<GpTexture>([&](GpTexture** out) {
    return flat::GdipCreateTexture2(NativeOf<GpImage>(image), WrapModeOf(wrapMode), x, y, width, height, out);
  });
}

bool GdipTextureBrush::Create2I(const GdipImage& image, INT x, INT y, INT width, INT height, Opt<WrapMode> wrapMode) {
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

WrapMode GdipTextureBrush::GetWrapMode() {
  Gdiplus::WrapMode mode = Gdiplus::WrapModeTile;
  Record(flat::GdipGetTextureWrapMode(Native(), &mode));
  return static_cast<WrapMode>(mode);
}

bool GdipTextureBrush::SetWrapMode(WrapMode wrapMode) {
  return Record(flat::GdipSetTextureWrapMode(Native(), static_cast<Gdiplus::WrapMode>(wrapMode)));
}

bool GdipTextureBrush::GetImage(GdipImage& target) {
  // Disposing first also frees a stream the target's old image read from.
  target.Dispose();
  return target.CreateWith<GpImage>([&](GpImage** out) { return flat::GdipGetTextureImage(Native(), out); });
}

}  // namespace gdip
