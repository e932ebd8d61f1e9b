// A GDI+ brush that tiles an image (or part of one).
#pragma once

#include "gdip/gdip_brush.h"
#include "gdip/object_transform.h"

namespace gdip {

class GdipImage;
class GdipMatrix;

struct TextureTransformCalls;

// The transform operations come from TransformOps (object_transform.h).
class GdipTextureBrush : public GdipBrush, public TransformOps<GdipTextureBrush, TextureTransformCalls> {
 public:
  GdipTextureBrush() = default;
  GdipTextureBrush(GdipTextureBrush&&) noexcept = default;
  GdipTextureBrush& operator=(GdipTextureBrush&&) noexcept = default;

  // Tiled when the wrap mode is omitted.
  bool Create(const GdipImage& image, Opt<WrapMode> wrapMode = {});
  // The part (x, y, width, height) of the image.
  bool Create2(const GdipImage& image, REAL x, REAL y, REAL width, REAL height, Opt<WrapMode> wrapMode = {});
  bool Create2I(const GdipImage& image, INT x, INT y, INT width, INT height, Opt<WrapMode> wrapMode = {});
  // The part of the image under image attributes (any object holding them).
  bool CreateIA(const GdipImage& image, REAL x, REAL y, REAL width, REAL height, const GdipObject& attributes);
  bool CreateIAI(const GdipImage& image, INT x, INT y, INT width, INT height, const GdipObject& attributes);

  WrapMode GetWrapMode();
  bool SetWrapMode(WrapMode wrapMode);
  // A copy of the brush's image goes into the target; what the target held
  // is disposed of first.
  bool GetImage(GdipImage& target);

 private:
  Gdiplus::GpTexture* Native() const { return NativeAs<Gdiplus::GpTexture>(); }
};

}  // namespace gdip
