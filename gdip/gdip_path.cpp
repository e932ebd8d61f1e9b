#include "gdip/gdip_path.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gdip/gdip_font_family.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_matrix.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_string_format.h"

namespace gdip {

using Gdiplus::GpFillMode;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpMatrix;
using Gdiplus::GpPath;
using Gdiplus::GpPen;
using Gdiplus::GpStringFormat;

namespace {

constexpr REAL kDefaultFlatness = 0.25f;

GpStatus DeletePath(void* native) { return flat::GdipDeletePath(static_cast<GpPath*>(native)); }

GpFillMode FillModeOf(const Opt<FillMode>& mode) { return static_cast<GpFillMode>(mode.value); }

GpMatrix* MatrixOf(const GdipMatrix& matrix) { return NativeOf<GpMatrix>(matrix); }

// GDI+'s path-data block; its buffers come from GDI+'s allocator.
struct NativePathData {
  INT Count;
  Gdiplus::PointF* Points;
  BYTE* Types;
};

}  // namespace

GdipPath::GdipPath() : GdipObject(DeletePath) {}

bool GdipPath::Delete() { return ReleaseNative(); }

bool GdipPath::Create(Opt<FillMode> fillMode) {
  return CreateWith<GpPath>([&](GpPath** out) { return flat::GdipCreatePath(FillModeOf(fillMode), out); });
}

template <class Record, class Call>
bool GdipPath::CreateFromRecords(std::span<const Record> points, const rt::ByteArray& types, Call create) {
  // GDI+ reads one point per type byte.
  if (points.size() < types.size()) return RefuseArgument();
  NativeArray<Record> buffer(points);
  const BYTE* typeBytes = types.empty() ? nullptr : types.data();
  const INT count = static_cast<INT>(types.size());
  return CreateWith<GpPath>([&](GpPath** out) { return create(buffer.data(), typeBytes, count, out); });
}

bool GdipPath::CreateFromPoints(std::span<const PointF> points, const rt::ByteArray& types, Opt<FillMode> fillMode) {
  return CreateFromRecords(points, types, [&](const Gdiplus::PointF* p, const BYTE* t, INT n, GpPath** out) {
    return flat::GdipCreatePath2(p, t, n, FillModeOf(fillMode), out);
  });
}

bool GdipPath::CreateFromPointsI(std::span<const PointI> points, const rt::ByteArray& types, Opt<FillMode> fillMode) {
  return CreateFromRecords(points, types, [&](const Gdiplus::Point* p, const BYTE* t, INT n, GpPath** out) {
    return flat::GdipCreatePath2I(p, t, n, FillModeOf(fillMode), out);
  });
}

bool GdipPath::CloneInto(GdipPath& target) const {
  if (&target == this) return RefuseArgument();
  return target.CreateWith<GpPath>([&](GpPath** out) { return flat::GdipClonePath(Native(), out); });
}

bool GdipPath::Reset() { return Record(flat::GdipResetPath(Native())); }

// The element count to read: the given one, or the path's point count.
bool GdipPath::CountToRead(const Opt<int>& count, INT& result) {
  if (count.given) {
    if (count.value < 0) return RefuseArgument();
    result = count.value;
    return true;
  }
  INT points = 0;
  if (!Record(flat::GdipGetPointCount(Native(), &points)) || points == 0) return false;
  result = points;
  return true;
}

bool GdipPath::GetPathTypes(rt::ByteArray& types, Opt<int> count) {
  INT n = 0;
  if (!CountToRead(count, n)) return false;
  types.assign(static_cast<std::size_t>(n), 0);
  return Record(flat::GdipGetPathTypes(Native(), types.empty() ? nullptr : types.data(), n));
}

template <class Record, class Call>
bool GdipPath::ReadPoints(std::vector<Record>& points, const Opt<int>& count, Call read) {
  INT n = 0;
  if (!CountToRead(count, n)) return false;
  points.assign(static_cast<std::size_t>(n), Record{});
  NativeArray<Record> buffer{std::span<const Record>(points)};
  const bool ok = gdip::Record(read(buffer.data(), buffer.count()));
  buffer.CopyBack(points);
  return ok;
}

bool GdipPath::GetPathPoints(std::vector<PointF>& points, Opt<int> count) {
  return ReadPoints(points, count, [&](Gdiplus::PointF* p, INT n) { return flat::GdipGetPathPoints(Native(), p, n); });
}

bool GdipPath::GetPathPointsI(std::vector<PointI>& points, Opt<int> count) {
  return ReadPoints(points, count, [&](Gdiplus::Point* p, INT n) { return flat::GdipGetPathPointsI(Native(), p, n); });
}

bool GdipPath::GetPathData(PathData& data) {
  INT n = 0;
  if (!Record(flat::GdipGetPointCount(Native(), &n))) return false;
  data.count = n;
  data.points.assign(static_cast<std::size_t>(n), PointF{});
  data.types.assign(static_cast<std::size_t>(n), 0);
  if (n == 0) return false;

  GdipMemory points = Alloc(sizeof(Gdiplus::PointF) * static_cast<std::size_t>(n));
  GdipMemory types = Alloc(static_cast<std::size_t>(n));
  if (!points || !types) {
    LastStatus = Gdiplus::OutOfMemory;
    return false;
  }
  NativePathData block{n, static_cast<Gdiplus::PointF*>(points.get()), static_cast<BYTE*>(types.get())};
  if (!Record(flat::GdipGetPathData(Native(), reinterpret_cast<Gdiplus::GpPathData*>(&block)))) return false;

  // GDI+ never reports more points than the buffers were made for.
  data.count = std::min(block.Count, n);
  for (INT i = 0; i < n; ++i) data.points[static_cast<std::size_t>(i)] = FromNative(block.Points[i]);
  std::memcpy(data.types.data(), block.Types, static_cast<std::size_t>(n));
  return true;
}

int GdipPath::GetPointCount() {
  INT n = 0;
  Record(flat::GdipGetPointCount(Native(), &n));
  return n;
}

PointF GdipPath::GetLastPoint() {
  Gdiplus::PointF last(0, 0);
  Record(flat::GdipGetPathLastPoint(Native(), &last));
  return FromNative(last);
}

FillMode GdipPath::GetFillMode() {
  GpFillMode mode = Gdiplus::FillModeAlternate;
  Record(flat::GdipGetPathFillMode(Native(), &mode));
  return static_cast<FillMode>(mode);
}

bool GdipPath::SetFillMode(FillMode fillMode) {
  return Record(flat::GdipSetPathFillMode(Native(), static_cast<GpFillMode>(fillMode)));
}

bool GdipPath::StartFigure() { return Record(flat::GdipStartPathFigure(Native())); }
bool GdipPath::CloseFigure() { return Record(flat::GdipClosePathFigure(Native())); }
bool GdipPath::CloseAllFigures() { return Record(flat::GdipClosePathFigures(Native())); }
bool GdipPath::SetMarker() { return Record(flat::GdipSetPathMarker(Native())); }
bool GdipPath::ClearMarkers() { return Record(flat::GdipClearPathMarkers(Native())); }
bool GdipPath::Reverse() { return Record(flat::GdipReversePath(Native())); }

bool GdipPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2) {
  return Record(flat::GdipAddPathLine(Native(), x1, y1, x2, y2));
}

bool GdipPath::AddLineI(INT x1, INT y1, INT x2, INT y2) {
  return Record(flat::GdipAddPathLineI(Native(), x1, y1, x2, y2));
}

bool GdipPath::AddLines(std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipAddPathLine2(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddLinesI(std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipAddPathLine2I(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle) {
  return Record(flat::GdipAddPathArc(Native(), x, y, width, height, startAngle, sweepAngle));
}

bool GdipPath::AddArcI(INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle) {
  return Record(flat::GdipAddPathArcI(Native(), x, y, width, height, startAngle, sweepAngle));
}

bool GdipPath::AddBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4) {
  return Record(flat::GdipAddPathBezier(Native(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GdipPath::AddBezierI(INT x1, INT y1, INT x2, INT y2, INT x3, INT y3, INT x4, INT y4) {
  return Record(flat::GdipAddPathBezierI(Native(), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GdipPath::AddBeziers(std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipAddPathBeziers(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddBeziersI(std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipAddPathBeziersI(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddCurve(std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipAddPathCurve(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddCurveI(std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipAddPathCurveI(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddCurve2(std::span<const PointF> points, REAL tension) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipAddPathCurve2(Native(), buffer.data(), buffer.count(), tension));
}

bool GdipPath::AddCurve2I(std::span<const PointI> points, REAL tension) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipAddPathCurve2I(Native(), buffer.data(), buffer.count(), tension));
}

bool GdipPath::AddCurve3(std::span<const PointF> points, INT offset, INT segments, REAL tension) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipAddPathCurve3(Native(), buffer.data(), buffer.count(), offset, segments, tension));
}

bool GdipPath::AddCurve3I(std::span<const PointI> points, INT offset, INT segments, REAL tension) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipAddPathCurve3I(Native(), buffer.data(), buffer.count(), offset, segments, tension));
}

bool GdipPath::AddClosedCurve(std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipAddPathClosedCurve(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddClosedCurveI(std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipAddPathClosedCurveI(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddClosedCurve2(std::span<const PointF> points, REAL tension) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipAddPathClosedCurve2(Native(), buffer.data(), buffer.count(), tension));
}

bool GdipPath::AddClosedCurve2I(std::span<const PointI> points, REAL tension) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipAddPathClosedCurve2I(Native(), buffer.data(), buffer.count(), tension));
}

bool GdipPath::AddRectangle(REAL x, REAL y, REAL width, REAL height) {
  return Record(flat::GdipAddPathRectangle(Native(), x, y, width, height));
}

bool GdipPath::AddRectangleI(INT x, INT y, INT width, INT height) {
  return Record(flat::GdipAddPathRectangleI(Native(), x, y, width, height));
}

bool GdipPath::AddRectangles(std::span<const RectF> rects) {
  NativeArray<RectF> buffer(rects);
  return Record(flat::GdipAddPathRectangles(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddRectanglesI(std::span<const RectI> rects) {
  NativeArray<RectI> buffer(rects);
  return Record(flat::GdipAddPathRectanglesI(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddEllipse(REAL x, REAL y, REAL width, REAL height) {
  return Record(flat::GdipAddPathEllipse(Native(), x, y, width, height));
}

bool GdipPath::AddEllipseI(INT x, INT y, INT width, INT height) {
  return Record(flat::GdipAddPathEllipseI(Native(), x, y, width, height));
}

bool GdipPath::AddPie(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle) {
  return Record(flat::GdipAddPathPie(Native(), x, y, width, height, startAngle, sweepAngle));
}

bool GdipPath::AddPieI(INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle) {
  return Record(flat::GdipAddPathPieI(Native(), x, y, width, height, startAngle, sweepAngle));
}

bool GdipPath::AddPolygon(std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipAddPathPolygon(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddPolygonI(std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipAddPathPolygonI(Native(), buffer.data(), buffer.count()));
}

bool GdipPath::AddPath(const GdipPath& other, Opt<bool> connect) {
  return Record(flat::GdipAddPathPath(Native(), other.Native(), connect.value ? TRUE : FALSE));
}

bool GdipPath::AddStringWith(const WideArg& text, const GdipFontFamily& family, int emSize,
                             const Gdiplus::RectF* layoutF, const Gdiplus::Rect* layoutI, const Opt<FontStyle>& style,
                             const GdipStringFormat& format) {
  if (!text.valid()) return RefuseArgument();
  const auto* nativeFamily = NativeOf<GpFontFamily>(family);
  const auto* nativeFormat = NativeOf<GpStringFormat>(format);
  const REAL size = static_cast<REAL>(emSize);
  if (layoutF != nullptr)
    return Record(flat::GdipAddPathString(Native(), text.text(), text.length(), nativeFamily, ToInt(style.value), size,
                                          layoutF, nativeFormat));
  return Record(flat::GdipAddPathStringI(Native(), text.text(), text.length(), nativeFamily, ToInt(style.value), size,
                                         layoutI, nativeFormat));
}

bool GdipPath::AddString(const rt::Text& text, const GdipFontFamily& family, int emSize, const RectF& layout,
                         Opt<FontStyle> style, const GdipStringFormat& format) {
  const Gdiplus::RectF rect = ToNative(layout);
  return AddStringWith(WideArg::Ansi(text), family, emSize, &rect, nullptr, style, format);
}

bool GdipPath::AddStringI(const rt::Text& text, const GdipFontFamily& family, int emSize, const RectI& layout,
                          Opt<FontStyle> style, const GdipStringFormat& format) {
  const Gdiplus::Rect rect = ToNative(layout);
  return AddStringWith(WideArg::Ansi(text), family, emSize, nullptr, &rect, style, format);
}

bool GdipPath::AddStringW(const rt::ByteArray& text, const GdipFontFamily& family, int emSize, const RectF& layout,
                          Opt<FontStyle> style, const GdipStringFormat& format) {
  const Gdiplus::RectF rect = ToNative(layout);
  return AddStringWith(WideArg::Utf16(text), family, emSize, &rect, nullptr, style, format);
}

bool GdipPath::AddStringIW(const rt::ByteArray& text, const GdipFontFamily& family, int emSize, const RectI& layout,
                           Opt<FontStyle> style, const GdipStringFormat& format) {
  const Gdiplus::Rect rect = ToNative(layout);
  return AddStringWith(WideArg::Utf16(text), family, emSize, nullptr, &rect, style, format);
}

bool GdipPath::AddRoundRect(REAL x, REAL y, REAL width, REAL height, int percent) {
  percent = std::clamp(percent, 1, 100);
  const double left = x;
  const double top = y;
  const REAL right = static_cast<REAL>(left + width);
  const REAL bottom = static_cast<REAL>(top + height);
  // The corner ellipses' bounding box, in whole units.
  const double cw = std::trunc(static_cast<double>(width) * percent / 100.0);
  const double ch = std::trunc(static_cast<double>(height) * percent / 100.0);

  // The rectangle is a figure of its own, never joined to an open one.
  Record(flat::GdipStartPathFigure(Native()));
  if (cw == 0 || ch == 0) {
    // No corner to round: the four straight edges.
    const Gdiplus::PointF corners[] = {{right, y}, {right, bottom}, {x, bottom}, {x, y}};
    RecordUnstored(flat::GdipAddPathLine2(Native(), corners, 4));
  } else {
    const auto box = [](double v) { return static_cast<REAL>(v); };
    const REAL w = box(cw), h = box(ch);
    RecordUnstored(flat::GdipAddPathArc(Native(), box(right - cw), y, w, h, 270.0f, 90.0f));
    RecordUnstored(flat::GdipAddPathArc(Native(), box(right - cw), box(bottom - ch), w, h, 0.0f, 90.0f));
    RecordUnstored(flat::GdipAddPathArc(Native(), x, box(bottom - ch), w, h, 90.0f, 90.0f));
    RecordUnstored(flat::GdipAddPathArc(Native(), x, y, w, h, 180.0f, 90.0f));
  }
  return Record(flat::GdipClosePathFigure(Native()));
}

bool GdipPath::Flatten(const GdipMatrix& matrix, Opt<REAL> flatness) {
  return Record(flat::GdipFlattenPath(Native(), MatrixOf(matrix), flatness.Or(kDefaultFlatness)));
}

bool GdipPath::Outline(const GdipMatrix& matrix, Opt<REAL> flatness) {
  return Record(flat::GdipWindingModeOutline(Native(), MatrixOf(matrix), flatness.Or(kDefaultFlatness)));
}

bool GdipPath::Warp(std::span<const PointF> destination, const RectF& source, const GdipMatrix& matrix,
                    Opt<int> warpMode, Opt<REAL> flatness) {
  NativeArray<PointF> buffer(destination);
  return Record(flat::GdipWarpPath(Native(), MatrixOf(matrix), buffer.data(), buffer.count(), source.x, source.y,
                                   source.width, source.height, static_cast<Gdiplus::WarpMode>(warpMode.value),
                                   flatness.Or(kDefaultFlatness)));
}

bool GdipPath::Widen(const GdipPen& pen, const GdipMatrix& matrix, Opt<REAL> flatness) {
  return Record(
      flat::GdipWidenPath(Native(), NativeOf<GpPen>(pen), MatrixOf(matrix), flatness.Or(kDefaultFlatness)));
}

bool GdipPath::Transform(const GdipMatrix& matrix) {
  return Record(flat::GdipTransformPath(Native(), MatrixOf(matrix)));
}

RectF GdipPath::GetBounds(const GdipMatrix& matrix, const GdipPen& pen) {
  Gdiplus::RectF bounds(0, 0, 0, 0);
  Record(flat::GdipGetPathWorldBounds(Native(), &bounds, MatrixOf(matrix), NativeOf<GpPen>(pen)));
  return FromNative(bounds);
}

RectI GdipPath::GetBoundsI(const GdipMatrix& matrix, const GdipPen& pen) {
  Gdiplus::Rect bounds(0, 0, 0, 0);
  Record(flat::GdipGetPathWorldBoundsI(Native(), &bounds, MatrixOf(matrix), NativeOf<GpPen>(pen)));
  return FromNative(bounds);
}

bool GdipPath::IsVisible(REAL x, REAL y, const GdipGraphics& graphics) {
  BOOL visible = FALSE;
  Record(flat::GdipIsVisiblePathPoint(Native(), x, y, NativeOf<GpGraphics>(graphics), &visible));
  return visible != FALSE;
}

bool GdipPath::IsVisibleI(INT x, INT y, const GdipGraphics& graphics) {
  BOOL visible = FALSE;
  Record(flat::GdipIsVisiblePathPointI(Native(), x, y, NativeOf<GpGraphics>(graphics), &visible));
  return visible != FALSE;
}

bool GdipPath::IsOutlineVisible(REAL x, REAL y, const GdipPen& pen, const GdipGraphics& graphics) {
  BOOL visible = FALSE;
  Record(flat::GdipIsOutlineVisiblePathPoint(Native(), x, y, NativeOf<GpPen>(pen), NativeOf<GpGraphics>(graphics),
                                             &visible));
  return visible != FALSE;
}

bool GdipPath::IsOutlineVisibleI(INT x, INT y, const GdipPen& pen, const GdipGraphics& graphics) {
  BOOL visible = FALSE;
  Record(flat::GdipIsOutlineVisiblePathPointI(Native(), x, y, NativeOf<GpPen>(pen),
                                              NativeOf<GpGraphics>(graphics), &visible));
  return visible != FALSE;
}

}  // namespace gdip
