// Owning wrapper of a GDI+ pen: the outline of drawn lines, rectangles,
// ellipses and paths, made from a colour or a brush, with its width, unit,
// caps, joins, dashes, compound lines and transform.
//
// Caps, join, alignment and matrix order are GDI+'s own numbers, passed
// through unchanged.
#pragma once

#include <span>
#include <vector>

#include "gdip/gdip_object.h"
#include "gdip/object_transform.h"

namespace gdip {

class GdipBrush;
class GdipMatrix;

struct PenTransformCalls;

// The transform operations come from TransformOps (object_transform.h).
class GdipPen : public GdipObject, public TransformOps<GdipPen, PenTransformCalls> {
 public:
  GdipPen();
  GdipPen(GdipPen&&) noexcept = default;
  GdipPen& operator=(GdipPen&&) noexcept = default;

  bool Delete();
  // World unit when omitted.
  bool Create(ARGB colour, REAL width, Opt<Unit> unit = {});
  // A pen that paints with the brush.
  bool CreateFromBrush(const GdipBrush& brush, REAL width, Opt<Unit> unit = {});
  // An independent copy of this pen in the target.
  bool CloneInto(GdipPen& target) const;

  REAL GetWidth();
  bool SetWidth(REAL width);
  Unit GetUnit();
  bool SetUnit(Unit unit);
  bool SetLineCap(int startCap, int endCap, int dashCap);
  bool SetStartCap(int cap);
  bool SetEndCap(int cap);
  bool SetDashCap(int dashCap);
  int GetStartCap();
  int GetEndCap();
  int GetDashCap();
  bool SetLineJoin(int join);
  int GetLineJoin();
  bool SetMiterLimit(REAL limit);
  REAL GetMiterLimit();
  bool SetMode(int alignment);
  int GetMode();

  ARGB GetColor();
  bool SetColor(ARGB colour);
  bool SetBrushFill(const GdipBrush& brush);
  // A copy of the brush the pen paints with goes into the target.
  bool GetBrushFill(GdipBrush& target);
  int GetFillType();

  bool SetDashStyle(DashStyle style);
  DashStyle GetDashStyle();
  REAL GetDashOffset();
  bool SetDashOffset(REAL offset);
  // Replaces the array by the pen's dash lengths and returns their count.
  int GetDashArray(std::vector<REAL>& dashes);
  bool SetDashArray(std::span<const REAL> dashes);
  bool SetCompoundArray(std::span<const REAL> compounds);
  int GetCompoundArray(std::vector<REAL>& compounds);
  // Second names of GetDashCap and SetLineCap.
  int GetDashCap2();
  bool SetLineCap2(int startCap, int endCap, int dashCap);

 private:
  Gdiplus::GpPen* Native() const { return NativeAs<Gdiplus::GpPen>(); }
};

}  // namespace gdip
