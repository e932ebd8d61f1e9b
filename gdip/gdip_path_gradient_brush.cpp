#include "gdip/gdip_path_gradient_brush.h"

#include "gdip/array_reads.h"
#include "gdip/gdip_matrix.h"
#include "gdip/gdip_path.h"
#include "gdip/object_transform_calls.h"

namespace gdip {

using Gdiplus::GpMatrix;
using Gdiplus::GpPath;
using Gdiplus::GpPathGradient;

namespace {

// Path gradients clamp outside their boundary unless told otherwise.
Gdiplus::WrapMode WrapModeOf(const Opt<WrapMode>& mode) {
  return static_cast<Gdiplus::WrapMode>(mode.Or(WrapMode::Clamp));
}

}  // namespace

// The flat calls behind the shared transform operations.
struct PathGradientTransformCalls {
  using Native = Gdiplus::GpPathGradient;
  static inline const auto Get = flat::GdipGetPathGradientTransform;
  static inline const auto Set = flat::GdipSetPathGradientTransform;
  static inline const auto Reset = flat::GdipResetPathGradientTransform;
  static inline const auto Multiply = flat::GdipMultiplyPathGradientTransform;
  static inline const auto Translate = flat::GdipTranslatePathGradientTransform;
  static inline const auto Scale = flat::GdipScalePathGradientTransform;
  static inline const auto Rotate = flat::GdipRotatePathGradientTransform;
};

template class TransformOps<GdipPathGradientBrush, PathGradientTransformCalls>;

bool GdipPathGradientBrush::Create(std::span<const PointF> points, Opt<WrapMode> wrapMode) {
  NativeArray<PointF> buffer(points);
  return CreateWith<GpPathGradient>([&](GpPathGradient** out) {
    return flat::GdipCreatePathGradient(buffer.data(), buffer.count(), WrapModeOf(wrapMode), out);
  });
}

bool GdipPathGradientBrush::CreateI(std::span<const PointI> points, Opt<WrapMode> wrapMode) {
  NativeArray<PointI> buffer(points);
  return CreateWith<GpPathGradient>([&](GpPathGradient** out) {
    return flat::GdipCreatePathGradientI(buffer.data(), buffer.count(), WrapModeOf(wrapMode), out);
  });
}

bool GdipPathGradientBrush::CreateFromPath(const GdipPath& path) {
  return CreateWith<GpPathGradient>(
      [&](GpPathGradient** out) { return flat::GdipCreatePathGradientFromPath(NativeOf<GpPath>(path), out); });
}

ARGB GdipPathGradientBrush::GetCenterColor() {
  ARGB colour = 0;
  Record(flat::GdipGetPathGradientCenterColor(Native(), &colour));
  return colour;
}

bool GdipPathGradientBrush::SetCenterColor(ARGB colour) {
  return Record(flat::GdipSetPathGradientCenterColor(Native(), colour));
}

bool GdipPathGradientBrush::GetSurroundColors(std::vector<ARGB>& colours, INT& count) {
  // GDI+ writes up to `count` colours into the array.
  if (count < 0 || static_cast<std::size_t>(count) > colours.size()) return RefuseArgument();
  return Record(
      flat::GdipGetPathGradientSurroundColorsWithCount(Native(), FirstOrNull(std::span<ARGB>(colours)), &count));
}

bool GdipPathGradientBrush::SetSurroundColors(std::span<const ARGB> colours, INT* count) {
  INT sent = static_cast<INT>(colours.size());
  if (count != nullptr) {
    // GDI+ reads `count` colours from the array.
    if (*count < 0 || static_cast<std::size_t>(*count) > colours.size()) return RefuseArgument();
    sent = *count;
  }
  const bool ok = Record(flat::GdipSetPathGradientSurroundColorsWithCount(Native(), FirstOrNull(colours), &sent));
  if (count != nullptr) *count = sent;
  return ok;
}

int GdipPathGradientBrush::GetSurroundColorCount() {
  INT count = 0;
  Record(flat::GdipGetPathGradientSurroundColorCount(Native(), &count));
  return count;
}

int GdipPathGradientBrush::GetPointCount() {
  INT count = 0;
  Record(flat::GdipGetPathGradientPointCount(Native(), &count));
  return count;
}

bool GdipPathGradientBrush::FillPath(GdipPath& path) {
  return Record(flat::GdipGetPathGradientPath(Native(), NativeOf<GpPath>(path)));
}

bool GdipPathGradientBrush::GetPath(GdipPath& target) {
  // GDI+ copies the boundary into an existing path.
  if (!target.Create()) return false;
  return FillPath(target);
}

bool GdipPathGradientBrush::GetPathInto(GdipPath& path) {
  if (path.IsEmpty() && !path.Create()) return false;
  return FillPath(path);
}

PointF GdipPathGradientBrush::GetCenterPoint() {
  Gdiplus::PointF centre(0, 0);
  Record(flat::GdipGetPathGradientCenterPoint(Native(), &centre));
  return FromNative(centre);
}

bool GdipPathGradientBrush::SetCenterPoint(const PointF& centre) {
  const Gdiplus::PointF native = ToNative(centre);
  return Record(flat::GdipSetPathGradientCenterPoint(Native(), &native));
}

PointI GdipPathGradientBrush::GetCenterPointI() {
  Gdiplus::Point centre(0, 0);
  Record(flat::GdipGetPathGradientCenterPointI(Native(), &centre));
  return FromNative(centre);
}

bool GdipPathGradientBrush::SetCenterPointI(const PointI& centre) {
  return SetCenterPoint(PointF{static_cast<REAL>(centre.x), static_cast<REAL>(centre.y)});
}

RectF GdipPathGradientBrush::GetRect() {
  Gdiplus::RectF rect(0, 0, 0, 0);
  Record(flat::GdipGetPathGradientRect(Native(), &rect));
  return FromNative(rect);
}

RectI GdipPathGradientBrush::GetRectI() {
  Gdiplus::Rect rect(0, 0, 0, 0);
  Record(flat::GdipGetPathGradientRectI(Native(), &rect));
  return FromNative(rect);
}

bool GdipPathGradientBrush::SetPresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions) {
  if (!CoversCount(colours, positions)) return RefuseArgument();
  return Record(flat::GdipSetPathGradientPresetBlend(Native(), FirstOrNull(colours), FirstOrNull(positions),
                                                     static_cast<INT>(colours.size())));
}

int GdipPathGradientBrush::GetPresetBlend(std::vector<ARGB>& colours, std::vector<REAL>& positions) {
  return ReadArrays([&](INT* n) { return flat::GdipGetPathGradientPresetBlendCount(Native(), n); },
                    [&](ARGB* c, REAL* p, INT n) { return flat::GdipGetPathGradientPresetBlend(Native(), c, p, n); },
                    colours, positions);
}

int GdipPathGradientBrush::GetPresetBlendCount() {
  INT count = 0;
  Record(flat::GdipGetPathGradientPresetBlendCount(Native(), &count));
  return count;
}

bool GdipPathGradientBrush::SetBlend(std::span<const REAL> factors, std::span<const REAL> positions) {
  if (!CoversCount(factors, positions)) return RefuseArgument();
  return Record(flat::GdipSetPathGradientBlend(Native(), FirstOrNull(factors), FirstOrNull(positions),
                                               static_cast<INT>(factors.size())));
}

int GdipPathGradientBrush::GetBlend(std::vector<REAL>& factors, std::vector<REAL>& positions) {
  return ReadArrays([&](INT* n) { return flat::GdipGetPathGradientBlendCount(Native(), n); },
                    [&](REAL* f, REAL* p, INT n) { return flat::GdipGetPathGradientBlend(Native(), f, p, n); },
                    factors, positions);
}

int GdipPathGradientBrush::GetBlendCount() {
  INT count = 0;
  Record(flat::GdipGetPathGradientBlendCount(Native(), &count));
  return count;
}

bool GdipPathGradientBrush::SetSigmaBlend(REAL focus, REAL scale) {
  return Record(flat::GdipSetPathGradientSigmaBlend(Native(), focus, scale));
}

bool GdipPathGradientBrush::SetLinearBlend(REAL focus, REAL scale) {
  return Record(flat::GdipSetPathGradientLinearBlend(Native(), focus, scale));
}

WrapMode GdipPathGradientBrush::GetWrapMode() {
  Gdiplus::WrapMode mode = Gdiplus::WrapModeTile;
  Record(flat::GdipGetPathGradientWrapMode(Native(), &mode));
  return static_cast<WrapMode>(mode);
}

bool GdipPathGradientBrush::SetWrapMode(WrapMode wrapMode) {
  return Record(flat::GdipSetPathGradientWrapMode(Native(), static_cast<Gdiplus::WrapMode>(wrapMode)));
}

bool GdipPathGradientBrush::SetGammaCorrection(bool useGamma) {
  return Record(flat::GdipSetPathGradientGammaCorrection(Native(), useGamma ? TRUE : FALSE));
}

bool GdipPathGradientBrush::GetGammaCorrection() {
  BOOL useGamma = FALSE;
  Record(flat::GdipGetPathGradientGammaCorrection(Native(), &useGamma));
  return useGamma != FALSE;
}

bool GdipPathGradientBrush::GetFocusScales(REAL& xScale, REAL& yScale) {
  REAL x = 0, y = 0;
  const bool ok = Record(flat::GdipGetPathGradientFocusScales(Native(), &x, &y));
  xScale = x;
  yScale = y;
  return ok;
}

bool GdipPathGradientBrush::SetFocusScales(REAL xScale, REAL yScale) {
  return Record(flat::GdipSetPathGradientFocusScales(Native(), xScale, yScale));
}

}  // namespace gdip
