// A GDI+ brush that blends from a centre colour to colours along the
// outline of a path or polygon.
#pragma once

#include <span>
#include <vector>

#include "gdip/gdip_brush.h"
#include "gdip/object_transform.h"

namespace gdip {

class GdipMatrix;
class GdipPath;

struct PathGradientTransformCalls;

// The transform operations come from TransformOps (object_transform.h).
class GdipPathGradientBrush : public GdipBrush, public TransformOps<GdipPathGradientBrush, PathGradientTransformCalls> {
 public:
  GdipPathGradientBrush() = default;
  GdipPathGradientBrush(GdipPathGradientBrush&&) noexcept = default;
  GdipPathGradientBrush& operator=(GdipPathGradientBrush&&) noexcept = default;

  // Bounded by the polygon of the points; clamped when the wrap mode is
  // omitted.
  bool Create(std::span<const PointF> points, Opt<WrapMode> wrapMode = {});
  bool CreateI(std::span<const PointI> points, Opt<WrapMode> wrapMode = {});
  // Bounded by the path's outline.
  bool CreateFromPath(const GdipPath& path);

  ARGB GetCenterColor();
  bool SetCenterColor(ARGB colour);
  // Fills the caller's array (its size is not changed): count gives the
  // colours wanted, at most the array's size, and receives the number
  // written.
  bool GetSurroundColors(std::vector<ARGB>& colours, INT& count);
  // The colours along the boundary. Without a count every colour is sent;
  // a given count (at most the array's size) receives the number GDI+
  // accepted.
  bool SetSurroundColors(std::span<const ARGB> colours, INT* count = nullptr);
  int GetSurroundColorCount();
  int GetPointCount();

  // The brush's boundary goes into the target, which gets a new path.
  bool GetPath(GdipPath& target);
  // The boundary goes into the given path's own native path (made first
  // when the object is empty).
  bool GetPathInto(GdipPath& path);

  PointF GetCenterPoint();
  bool SetCenterPoint(const PointF& centre);
  PointI GetCenterPointI();
  bool SetCenterPointI(const PointI& centre);
  RectF GetRect();
  RectI GetRectI();

  bool SetPresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions);
  int GetPresetBlend(std::vector<ARGB>& colours, std::vector<REAL>& positions);
  int GetPresetBlendCount();
  bool SetBlend(std::span<const REAL> factors, std::span<const REAL> positions);
  int GetBlend(std::vector<REAL>& factors, std::vector<REAL>& positions);
  int GetBlendCount();
  bool SetSigmaBlend(REAL focus, REAL scale);
  bool SetLinearBlend(REAL focus, REAL scale);
  WrapMode GetWrapMode();
  bool SetWrapMode(WrapMode wrapMode);
  bool SetGammaCorrection(bool useGamma);
  bool GetGammaCorrection();
  // The share (0 to 1) of the area around the centre that keeps the centre colour.
  bool GetFocusScales(REAL& xScale, REAL& yScale);
  bool SetFocusScales(REAL xScale, REAL yScale);

 private:
  Gdiplus::GpPathGradient* Native() const { return NativeAs<Gdiplus::GpPathGradient>(); }
  bool FillPath(GdipPath& path);
};

}  // namespace gdip
