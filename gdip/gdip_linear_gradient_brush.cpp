#include "gdip/gdip_linear_gradient_brush.h"

#include "gdip/array_reads.h"
#include "gdip/gdip_matrix.h"
#include "gdip/object_transform_calls.h"

namespace gdip {

using Gdiplus::GpLineGradient;
using Gdiplus::GpMatrix;

namespace {

// Linear gradients always tile beyond their ends when made.
constexpr Gdiplus::WrapMode kCreatedWrapMode = Gdiplus::WrapModeTile;

Gdiplus::LinearGradientMode GradientModeOf(LinearGradientMode mode) {
  return static_cast<Gdiplus::LinearGradientMode>(mode);
}

}  // namespace

// The flat calls behind the shared transform operations.
struct LineTransformCalls {
  using Native = Gdiplus::GpLineGradient;
  static inline const auto Get = flat::GdipGetLineTransform;
  static inline const auto Set = flat::GdipSetLineTransform;
  static inline const auto Reset = flat::GdipResetLineTransform;
  static inline const auto Multiply = flat::GdipMultiplyLineTransform;
  static inline const auto Translate = flat::GdipTranslateLineTransform;
  static inline const auto Scale = flat::GdipScaleLineTransform;
  static inline const auto Rotate = flat::GdipRotateLineTransform;
};

template class TransformOps<GdipLinearGradientBrush, LineTransformCalls>;

bool GdipLinearGradientBrush::Create(const PointF& point1, const PointF& point2, ARGB colour1, ARGB colour2) {
  const Gdiplus::PointF p1 = ToNative(point1), p2 = ToNative(point2);
  return CreateWith<GpLineGradient>([&](GpLineGradient** out) {
    return flat::GdipCreateLineBrush(&p1, &p2, colour1, colour2, kCreatedWrapMode, out);
  });
}

bool GdipLinearGradientBrush::CreateI(const PointI& point1, const PointI& point2, ARGB colour1, ARGB colour2) {
  const Gdiplus::Point p1 = ToNative(point1), p2 = ToNative(point2);
  return CreateWith<GpLineGradient>([&](GpLineGradient** out) {
    return flat::GdipCreateLineBrushI(&p1, &p2, colour1, colour2, kCreatedWrapMode, out);
  });
}

bool GdipLinearGradientBrush::CreateFromRect(const RectF& rect, ARGB colour1, ARGB colour2, LinearGradientMode mode) {
  const Gdiplus::RectF r = ToNative(rect);
  return CreateWith<GpLineGradient>([&](GpLineGradient** out) {
    return flat::GdipCreateLineBrushFromRect(&r, colour1, colour2, GradientModeOf(mode), kCreatedWrapMode, out);
  });
}

bool GdipLinearGradientBrush::CreateFromRectI(const RectI& rect, ARGB colour1, ARGB colour2, LinearGradientMode mode) {
  const Gdiplus::Rect r = ToNative(rect);
  return CreateWith<GpLineGradient>([&](GpLineGradient** out) {
    return flat::GdipCreateLineBrushFromRectI(&r, colour1, colour2, GradientModeOf(mode), kCreatedWrapMode, out);
  });
}

bool GdipLinearGradientBrush::CreateFromRectWithAngle(const RectF& rect, ARGB colour1, ARGB colour2, REAL angle,
                                                      bool angleIsScalable) {
  const Gdiplus::RectF r = ToNative(rect);
  return CreateWith<GpLineGradient>([&](GpLineGradient** out) {
    return flat::GdipCreateLineBrushFromRectWithAngle(&r, colour1, colour2, angle, angleIsScalable ? TRUE : FALSE,
                                                      kCreatedWrapMode, out);
  });
}

bool GdipLinearGradientBrush::CreateFromRectWithAngleI(const RectI& rect, ARGB colour1, ARGB colour2, REAL angle,
                                                       bool angleIsScalable) {
  const Gdiplus::Rect r = ToNative(rect);
  return CreateWith<GpLineGradient>([&](GpLineGradient** out) {
    return flat::GdipCreateLineBrushFromRectWithAngleI(&r, colour1, colour2, angle, angleIsScalable ? TRUE : FALSE,
                                                       kCreatedWrapMode, out);
  });
}

bool GdipLinearGradientBrush::GetColors(ARGB& colour1, ARGB& colour2) {
  ARGB colours[2] = {0, 0};
  const bool ok = Record(flat::GdipGetLineColors(Native(), colours));
  colour1 = ok ? colours[0] : 0;
  colour2 = ok ? colours[1] : 0;
  return ok;
}

bool GdipLinearGradientBrush::SetColors(ARGB colour1, ARGB colour2) {
  return Record(flat::GdipSetLineColors(Native(), colour1, colour2));
}

RectF GdipLinearGradientBrush::GetRect() {
  Gdiplus::RectF rect(0, 0, 0, 0);
  Record(flat::GdipGetLineRect(Native(), &rect));
  return FromNative(rect);
}

RectI GdipLinearGradientBrush::GetRectI() {
  Gdiplus::Rect rect(0, 0, 0, 0);
  Record(flat::GdipGetLineRectI(Native(), &rect));
  return FromNative(rect);
}

bool GdipLinearGradientBrush::SetGammaCorrection(bool useGamma) {
  return Record(flat::GdipSetLineGammaCorrection(Native(), useGamma ? TRUE : FALSE));
}

bool GdipLinearGradientBrush::GetGammaCorrection() {
  BOOL useGamma = FALSE;
  Record(flat::GdipGetLineGammaCorrection(Native(), &useGamma));
  return useGamma != FALSE;
}

bool GdipLinearGradientBrush::SetBlend(std::span<const REAL> factors, std::span<const REAL> positions) {
  if (!CoversCount(factors, positions)) return RefuseArgument();
  return Record(flat::GdipSetLineBlend(Native(), FirstOrNull(factors), FirstOrNull(positions),
                                       static_cast<INT>(factors.size())));
}

int GdipLinearGradientBrush::GetBlend(std::vector<REAL>& factors, std::vector<REAL>& positions) {
  return ReadArrays([&](INT* n) { return flat::GdipGetLineBlendCount(Native(), n); },
                    [&](REAL* f, REAL* p, INT n) { return flat::GdipGetLineBlend(Native(), f, p, n); }, factors,
                    positions);
}

int GdipLinearGradientBrush::GetBlendCount() {
  INT count = 0;
  Record(flat::GdipGetLineBlendCount(Native(), &count));
  return count;
}

bool GdipLinearGradientBrush::SetPresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions) {
  if (!CoversCount(colours, positions)) return RefuseArgument();
  return Record(flat::GdipSetLinePresetBlend(Native(), FirstOrNull(colours), FirstOrNull(positions),
                                             static_cast<INT>(colours.size())));
}

int GdipLinearGradientBrush::GetPresetBlend(std::vector<ARGB>& colours, std::vector<REAL>& positions) {
  return ReadArrays([&](INT* n) { return flat::GdipGetLinePresetBlendCount(Native(), n); },
                    [&](ARGB* c, REAL* p, INT n) { return flat::GdipGetLinePresetBlend(Native(), c, p, n); }, colours,
                    positions);
}

bool GdipLinearGradientBrush::SetSigmaBlend(REAL focus, REAL scale) {
  return Record(flat::GdipSetLineSigmaBlend(Native(), focus, scale));
}

bool GdipLinearGradientBrush::SetLinearBlend(REAL focus, REAL scale) {
  return Record(flat::GdipSetLineLinearBlend(Native(), focus, scale));
}

WrapMode GdipLinearGradientBrush::GetWrapMode() {
  Gdiplus::WrapMode mode = Gdiplus::WrapModeTile;
  Record(flat::GdipGetLineWrapMode(Native(), &mode));
  return static_cast<WrapMode>(mode);
}

bool GdipLinearGradientBrush::SetWrapMode(WrapMode wrapMode) {
  return Record(flat::GdipSetLineWrapMode(Native(), static_cast<Gdiplus::WrapMode>(wrapMode)));
}

}  // namespace gdip
