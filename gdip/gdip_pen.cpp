#include "gdip/gdip_pen.h"

#include "gdip/array_reads.h"
#include "gdip/gdip_brush.h"
#include "gdip/gdip_matrix.h"
#include "gdip/object_transform_calls.h"

namespace gdip {

using Gdiplus::GpBrush;
using Gdiplus::GpMatrix;
using Gdiplus::GpPen;

namespace {

GpStatus DeletePen(void* native) { return flat::GdipDeletePen(static_cast<GpPen*>(native)); }

Gdiplus::Unit UnitOf(Unit unit) { return static_cast<Gdiplus::Unit>(unit); }
Gdiplus::LineCap CapOf(int cap) { return static_cast<Gdiplus::LineCap>(cap); }
Gdiplus::DashCap DashCapOf(int cap) { return static_cast<Gdiplus::DashCap>(cap); }

}  // namespace

// The flat calls behind the shared transform operations.
struct PenTransformCalls {
  using Native = Gdiplus::GpPen;
  static inline const auto Get = flat::GdipGetPenTransform;
  static inline const auto Set = flat::GdipSetPenTransform;
  static inline const auto Reset = flat::GdipResetPenTransform;
  static inline const auto Multiply = flat::GdipMultiplyPenTransform;
  static inline const auto Translate = flat::GdipTranslatePenTransform;
  static inline const auto Scale = flat::GdipScalePenTransform;
  static inline const auto Rotate = flat::GdipRotatePenTransform;
};

template class TransformOps<GdipPen, PenTransformCalls>;

GdipPen::GdipPen() : GdipObject(DeletePen) {}

bool GdipPen::Delete() { return ReleaseNative(); }

bool GdipPen::Create(ARGB colour, REAL width, Opt<Unit> unit) {
  return CreateWith<GpPen>([&](GpPen** out) { return flat::GdipCreatePen1(colour, width, UnitOf(unit.value), out); });
}

bool GdipPen::CreateFromBrush(const GdipBrush& brush, REAL width, Opt<Unit> unit) {
  return CreateWith<GpPen>(
      [&](GpPen** out) { return flat::GdipCreatePen2(NativeOf<GpBrush>(brush), width, UnitOf(unit.value), out); });
}

bool GdipPen::CloneInto(GdipPen& target) const {
  if (&target == this) return RefuseArgument();
  return target.CreateWith<GpPen>([&](GpPen** out) { return flat::GdipClonePen(Native(), out); });
}

REAL GdipPen::GetWidth() {
  REAL width = 0;
  Record(flat::GdipGetPenWidth(Native(), &width));
  return width;
}

bool GdipPen::SetWidth(REAL width) { return Record(flat::GdipSetPenWidth(Native(), width)); }

Unit GdipPen::GetUnit() {
  Gdiplus::Unit unit = Gdiplus::UnitWorld;
  Record(flat::GdipGetPenUnit(Native(), &unit));
  return static_cast<Unit>(unit);
}

bool GdipPen::SetUnit(Unit unit) { return Record(flat::GdipSetPenUnit(Native(), UnitOf(unit))); }

bool GdipPen::SetLineCap(int startCap, int endCap, int dashCap) {
  return Record(flat::GdipSetPenLineCap197819(Native(), CapOf(startCap), CapOf(endCap), DashCapOf(dashCap)));
}

bool GdipPen::SetLineCap2(int startCap, int endCap, int dashCap) { return SetLineCap(startCap, endCap, dashCap); }

bool GdipPen::SetStartCap(int cap) { return Record(flat::GdipSetPenStartCap(Native(), CapOf(cap))); }
bool GdipPen::SetEndCap(int cap) { return Record(flat::GdipSetPenEndCap(Native(), CapOf(cap))); }
bool GdipPen::SetDashCap(int dashCap) { return Record(flat::GdipSetPenDashCap197819(Native(), DashCapOf(dashCap))); }

int GdipPen::GetStartCap() {
  Gdiplus::LineCap cap = Gdiplus::LineCapFlat;
  Record(flat::GdipGetPenStartCap(Native(), &cap));
  return static_cast<int>(cap);
}

int GdipPen::GetEndCap() {
  Gdiplus::LineCap cap = Gdiplus::LineCapFlat;
  Record(flat::GdipGetPenEndCap(Native(), &cap));
  return static_cast<int>(cap);
}

int GdipPen::GetDashCap() {
  Gdiplus::DashCap cap = Gdiplus::DashCapFlat;
  Record(flat::GdipGetPenDashCap197819(Native(), &cap));
  return static_cast<int>(cap);
}

int GdipPen::GetDashCap2() { return GetDashCap(); }

bool GdipPen::SetLineJoin(int join) {
  return Record(flat::GdipSetPenLineJoin(Native(), static_cast<Gdiplus::LineJoin>(join)));
}

int GdipPen::GetLineJoin() {
  Gdiplus::LineJoin join = Gdiplus::LineJoinMiter;
  Record(flat::GdipGetPenLineJoin(Native(), &join));
  return static_cast<int>(join);
}

bool GdipPen::SetMiterLimit(REAL limit) { return Record(flat::GdipSetPenMiterLimit(Native(), limit)); }

REAL GdipPen::GetMiterLimit() {
  REAL limit = 0;
  Record(flat::GdipGetPenMiterLimit(Native(), &limit));
  return limit;
}

bool GdipPen::SetMode(int alignment) {
  return Record(flat::GdipSetPenMode(Native(), static_cast<Gdiplus::PenAlignment>(alignment)));
}

int GdipPen::GetMode() {
  Gdiplus::PenAlignment alignment = Gdiplus::PenAlignmentCenter;
  Record(flat::GdipGetPenMode(Native(), &alignment));
  return static_cast<int>(alignment);
}

ARGB GdipPen::GetColor() {
  ARGB colour = 0;
  Record(flat::GdipGetPenColor(Native(), &colour));
  return colour;
}

bool GdipPen::SetColor(ARGB colour) { return Record(flat::GdipSetPenColor(Native(), colour)); }

bool GdipPen::SetBrushFill(const GdipBrush& brush) {
  return Record(flat::GdipSetPenBrushFill(Native(), NativeOf<GpBrush>(brush)));
}

bool GdipPen::GetBrushFill(GdipBrush& target) {
  return target.CreateWith<GpBrush>([&](GpBrush** out) { return flat::GdipGetPenBrushFill(Native(), out); });
}

int GdipPen::GetFillType() {
  Gdiplus::PenType type = Gdiplus::PenTypeSolidColor;
  Record(flat::GdipGetPenFillType(Native(), &type));
  return static_cast<int>(type);
}

bool GdipPen::SetDashStyle(DashStyle style) {
  return Record(flat::GdipSetPenDashStyle(Native(), static_cast<Gdiplus::DashStyle>(style)));
}

DashStyle GdipPen::GetDashStyle() {
  Gdiplus::DashStyle style = Gdiplus::DashStyleSolid;
  Record(flat::GdipGetPenDashStyle(Native(), &style));
  return static_cast<DashStyle>(style);
}

REAL GdipPen::GetDashOffset() {
  REAL offset = 0;
  Record(flat::GdipGetPenDashOffset(Native(), &offset));
  return offset;
}

bool GdipPen::SetDashOffset(REAL offset) { return Record(flat::GdipSetPenDashOffset(Native(), offset)); }

int GdipPen::GetDashArray(std::vector<REAL>& dashes) {
  return ReadArrays([&](INT* n) { return flat::GdipGetPenDashCount(Native(), n); },
                    [&](REAL* first, INT n) { return flat::GdipGetPenDashArray(Native(), first, n); }, dashes);
}

bool GdipPen::SetDashArray(std::span<const REAL> dashes) {
  return Record(flat::GdipSetPenDashArray(Native(), FirstOrNull(dashes), static_cast<INT>(dashes.size())));
}

bool GdipPen::SetCompoundArray(std::span<const REAL> compounds) {
  return Record(flat::GdipSetPenCompoundArray(Native(), FirstOrNull(compounds), static_cast<INT>(compounds.size())));
}

int GdipPen::GetCompoundArray(std::vector<REAL>& compounds) {
  return ReadArrays([&](INT* n) { return flat::GdipGetPenCompoundCount(Native(), n); },
                    [&](REAL* first, INT n) { return flat::GdipGetPenCompoundArray(Native(), first, n); }, compounds);
}

}  // namespace gdip
