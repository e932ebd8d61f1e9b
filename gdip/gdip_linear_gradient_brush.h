// A GDI+ brush that blends two colours along a line, tiled beyond its ends.
#pragma once

#include <span>
#include <vector>

#include "gdip/gdip_brush.h"
#include "gdip/object_transform.h"

namespace gdip {

class GdipMatrix;

struct LineTransformCalls;

// The transform operations come from TransformOps (object_transform.h).
class GdipLinearGradientBrush : public GdipBrush, public TransformOps<GdipLinearGradientBrush, LineTransformCalls> {
 public:
  GdipLinearGradientBrush() = default;
  GdipLinearGradientBrush(GdipLinearGradientBrush&&) noexcept = default;
  GdipLinearGradientBrush& operator=(GdipLinearGradientBrush&&) noexcept = default;

  // From colour 1 at point 1 to colour 2 at point 2.
  bool Create(const PointF& point1, const PointF& point2, ARGB colour1, ARGB colour2);
  // Across the rectangle in the given direction.
  bool CreateFromRect(const RectF& rect, ARGB colour1, ARGB colour2, LinearGradientMode mode);
  bool CreateFromRectWithAngle(const RectF& rect, ARGB colour1, ARGB colour2, REAL angle, bool angleIsScalable);
  bool CreateI(const PointI& point1, const PointI& point2, ARGB colour1, ARGB colour2);
  bool CreateFromRectI(const RectI& rect, ARGB colour1, ARGB colour2, LinearGradientMode mode);
  bool CreateFromRectWithAngleI(const RectI& rect, ARGB colour1, ARGB colour2, REAL angle, bool angleIsScalable);

  // Both colours, zero when the call fails.
  bool GetColors(ARGB& colour1, ARGB& colour2);
  bool SetColors(ARGB colour1, ARGB colour2);
  RectF GetRect();
  RectI GetRectI();
  bool SetGammaCorrection(bool useGamma);
  bool GetGammaCorrection();

  // One position per factor; the count is the number of factors.
  bool SetBlend(std::span<const REAL> factors, std::span<const REAL> positions);
  // Replaces both arrays and returns their length (0, arrays untouched,
  // when the count cannot be read).
  int GetBlend(std::vector<REAL>& factors, std::vector<REAL>& positions);
  int GetBlendCount();
  // One position per colour; the count is the number of colours.
  bool SetPresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions);
  int GetPresetBlend(std::vector<ARGB>& colours, std::vector<REAL>& positions);
  bool SetSigmaBlend(REAL focus, REAL scale);
  // The gradient rises from colour 1 to colour 2 at the focus (0 to 1) and
  // falls back; scale is the colour 2 share reached there.
  bool SetLinearBlend(REAL focus, REAL scale);
  WrapMode GetWrapMode();
  bool SetWrapMode(WrapMode wrapMode);

 private:
  Gdiplus::GpLineGradient* Native() const { return NativeAs<Gdiplus::GpLineGradient>(); }
};

}  // namespace gdip
