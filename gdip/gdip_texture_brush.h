// A GDI+ brush that tiles an image (or part of one).
#pragma once

#include "gdip/gdip_brush.h"

namespace gdip {

class GdipImage;
class GdipMatrix;

class GdipTextureBrush : public GdipBrush {
 public:
  GdipTextureBrush() = default;
  GdipTextureBrush(GdipTextureBrush&&) noexcept = default;
  GdipTextureBrush& operator=(GdipTextureBrush&&) noexcept = default;

  // Wrap mode 0 = tile when omitted.
  bool Create(const GdipImage& image, Opt<int> wrapMode = {});
  // The part (x, y, width, height) of the image.
  bool Create2(const GdipImage& image, REAL x, REAL y, REAL width, REAL height, Opt<int> wrapMode = {});
  bool Create2I(const GdipImage& image, INT x, INT y, INT width, INT height, Opt<int> wrapMode = {});
  // The part of the image under image attributes (any object holding them).
  bool CreateIA(const GdipImage& image, REAL x, REAL y, REAL width, REAL height, const GdipObject& attributes);
  bool CreateIAI(const GdipImage& image, INT x, INT y, INT width, INT height, const GdipObject& attributes);

  // The brush's transform goes into the target, which gets a matrix of its own.
  bool GetTransform(GdipMatrix& target);
  bool SetTransform(const GdipMatrix& matrix);
  bool ResetTransform();
  bool MultiplyTransform(const GdipMatrix& matrix, Opt<int> order = {});
  bool TranslateTransform(REAL dx, REAL dy, Opt<int> order = {});
  bool ScaleTransform(REAL sx, REAL sy, Opt<int> order = {});
  bool RotateTransform(REAL angle, Opt<int> order = {});
  bool ScaleTransformAt(REAL sx, REAL sy, const PointF& centre, Opt<int> order = {});
  bool RotateTransformAt(REAL angle, const PointF& centre, Opt<int> order = {});

  int GetWrapMode();
  bool SetWrapMode(int wrapMode);
  // A copy of the brush's image goes into the target; what the target held
  // is disposed of first.
  bool GetImage(GdipImage& target);

 private:
  Gdiplus::GpTexture* Native() const { return NativeAs<Gdiplus::GpTexture>(); }
};

}  // namespace gdip
