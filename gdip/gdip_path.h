// Owning wrapper of a GDI+ graphics path: figures of lines, arcs, curves,
// rectangles, ellipses, pies, polygons and text that painters fill, outline
// or clip to, plus the rounded rectangles the skins draw everywhere.
//
// Wrapper arguments are taken by their handles: an empty matrix means no
// transform, an empty pen bounds without the pen's width, an empty graphics
// tests in world units.
#pragma once

#include <span>
#include <vector>

#include "gdip/gdip_object.h"
#include "gdip/wide_text.h"
#include "runtime/byte_array.h"

namespace gdip {

class GdipFontFamily;
class GdipGraphics;
class GdipMatrix;
class GdipPen;
class GdipStringFormat;

// A path's points and their GDI+ point-type bytes, as GetPathData reads them.
struct PathData {
  int count = 0;
  std::vector<PointF> points;
  rt::ByteArray types;
};

class GdipPath : public GdipObject {
 public:
  GdipPath();
  GdipPath(GdipPath&&) noexcept = default;
  GdipPath& operator=(GdipPath&&) noexcept = default;

  bool Delete();
  // An empty path; alternate fill mode when omitted.
  bool Create(Opt<FillMode> fillMode = {});
  // A path of the given points and type bytes; there must be a point for
  // every type byte.
  bool CreateFromPoints(std::span<const PointF> points, const rt::ByteArray& types, Opt<FillMode> fillMode = {});
  bool CreateFromPointsI(std::span<const PointI> points, const rt::ByteArray& types, Opt<FillMode> fillMode = {});
  // An independent copy of this path in the target.
  bool CloneInto(GdipPath& target) const;
  bool Reset();

  // The arrays are replaced by count elements (the path's point count when
  // omitted) filled by GDI+.
  bool GetPathTypes(rt::ByteArray& types, Opt<int> count = {});
  bool GetPathPoints(std::vector<PointF>& points, Opt<int> count = {});
  bool GetPathPointsI(std::vector<PointI>& points, Opt<int> count = {});
  bool GetPathData(PathData& data);
  int GetPointCount();
  PointF GetLastPoint();
  FillMode GetFillMode();
  bool SetFillMode(FillMode fillMode);

  bool StartFigure();
  bool CloseFigure();
  bool CloseAllFigures();
  bool SetMarker();
  bool ClearMarkers();
  bool Reverse();

  bool AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
  bool AddLineI(INT x1, INT y1, INT x2, INT y2);
  bool AddLines(std::span<const PointF> points);
  bool AddLinesI(std::span<const PointI> points);
  bool AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  bool AddArcI(INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle);
  bool AddBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
  bool AddBezierI(INT x1, INT y1, INT x2, INT y2, INT x3, INT y3, INT x4, INT y4);
  bool AddBeziers(std::span<const PointF> points);
  bool AddBeziersI(std::span<const PointI> points);
  bool AddCurve(std::span<const PointF> points);
  bool AddCurveI(std::span<const PointI> points);
  bool AddCurve2(std::span<const PointF> points, REAL tension);
  bool AddCurve2I(std::span<const PointI> points, REAL tension);
  bool AddCurve3(std::span<const PointF> points, INT offset, INT segments, REAL tension);
  bool AddCurve3I(std::span<const PointI> points, INT offset, INT segments, REAL tension);
  bool AddClosedCurve(std::span<const PointF> points);
  bool AddClosedCurveI(std::span<const PointI> points);
  bool AddClosedCurve2(std::span<const PointF> points, REAL tension);
  bool AddClosedCurve2I(std::span<const PointI> points, REAL tension);
  bool AddRectangle(REAL x, REAL y, REAL width, REAL height);
  bool AddRectangleI(INT x, INT y, INT width, INT height);
  bool AddRectangles(std::span<const RectF> rects);
  bool AddRectanglesI(std::span<const RectI> rects);
  bool AddEllipse(REAL x, REAL y, REAL width, REAL height);
  bool AddEllipseI(INT x, INT y, INT width, INT height);
  bool AddPie(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  bool AddPieI(INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle);
  bool AddPolygon(std::span<const PointF> points);
  bool AddPolygonI(std::span<const PointI> points);
  bool AddPath(const GdipPath& other, Opt<bool> connect = {});

  // Text outlines. The W forms take the text as UTF-16 bytes ending with a
  // zero unit.
  bool AddString(const rt::Text& text, const GdipFontFamily& family, int emSize, const RectF& layout,
                 Opt<FontStyle> style, const GdipStringFormat& format);
  bool AddStringI(const rt::Text& text, const GdipFontFamily& family, int emSize, const RectI& layout,
                  Opt<FontStyle> style, const GdipStringFormat& format);
  bool AddStringW(const rt::ByteArray& text, const GdipFontFamily& family, int emSize, const RectF& layout,
                  Opt<FontStyle> style, const GdipStringFormat& format);
  bool AddStringIW(const rt::ByteArray& text, const GdipFontFamily& family, int emSize, const RectI& layout,
                   Opt<FontStyle> style, const GdipStringFormat& format);

  // A closed rectangle whose corners are quarter ellipses of percent % of
  // the width and height (percent clamped to 1..100; 100 gives the
  // inscribed ellipse). It starts a figure of its own.
  bool AddRoundRect(REAL x, REAL y, REAL width, REAL height, int percent);

  // Flatness 0.25 when omitted; warp mode 0 = perspective when omitted.
  bool Flatten(const GdipMatrix& matrix, Opt<REAL> flatness = {});
  bool Outline(const GdipMatrix& matrix, Opt<REAL> flatness = {});
  bool Warp(std::span<const PointF> destination, const RectF& source, const GdipMatrix& matrix,
            Opt<int> warpMode = {}, Opt<REAL> flatness = {});
  bool Widen(const GdipPen& pen, const GdipMatrix& matrix, Opt<REAL> flatness = {});
  bool Transform(const GdipMatrix& matrix);

  RectF GetBounds(const GdipMatrix& matrix, const GdipPen& pen);
  RectI GetBoundsI(const GdipMatrix& matrix, const GdipPen& pen);
  bool IsVisible(REAL x, REAL y, const GdipGraphics& graphics);
  bool IsVisibleI(INT x, INT y, const GdipGraphics& graphics);
  bool IsOutlineVisible(REAL x, REAL y, const GdipPen& pen, const GdipGraphics& graphics);
  bool IsOutlineVisibleI(INT x, INT y, const GdipPen& pen, const GdipGraphics& graphics);

 private:
  Gdiplus::GpPath* Native() const { return NativeAs<Gdiplus::GpPath>(); }
  template <class Record, class Call>
  bool CreateFromRecords(std::span<const Record> points, const rt::ByteArray& types, Call create);
  template <class Record, class Call>
  bool ReadPoints(std::vector<Record>& points, const Opt<int>& count, Call read);
  bool AddStringWith(const WideArg& text, const GdipFontFamily& family, int emSize, const Gdiplus::RectF* layoutF,
                     const Gdiplus::Rect* layoutI, const Opt<FontStyle>& style, const GdipStringFormat& format);
  bool CountToRead(const Opt<int>& count, INT& result);
};

}  // namespace gdip
