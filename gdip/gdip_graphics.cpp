#include "gdip/gdip_graphics.h"

#include <array>

#include "gdip/colour_matrix.h"
#include "gdip/gdip_brush.h"
#include "gdip/gdip_font.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_matrix.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_region.h"
#include "gdip/gdip_string_format.h"
#include "gdip/transform_at.h"
#include "gdip/wide_text.h"

namespace gdip {

using Gdiplus::GpBrush;
using Gdiplus::GpCachedBitmap;
using Gdiplus::GpFont;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpImageAttributes;
using Gdiplus::GpMatrix;
using Gdiplus::GpPath;
using Gdiplus::GpPen;
using Gdiplus::GpRegion;
using Gdiplus::GpStringFormat;

namespace {

GpStatus DeleteGraphics(void* native) { return flat::GdipDeleteGraphics(static_cast<GpGraphics*>(native)); }

GpPen* PenOf(const GdipPen& pen) { return NativeOf<GpPen>(pen); }
GpBrush* BrushOf(const GdipBrush& brush) { return NativeOf<GpBrush>(brush); }
GpPath* PathOf(const GdipPath& path) { return NativeOf<GpPath>(path); }
GpImage* ImageOf(const GdipImage& image) { return NativeOf<GpImage>(image); }
GpRegion* RegionOf(const GdipRegion& region) { return NativeOf<GpRegion>(region); }
GpMatrix* MatrixOf(const GdipMatrix& matrix) { return NativeOf<GpMatrix>(matrix); }
GpFont* FontOf(const GdipFont& font) { return NativeOf<GpFont>(font); }
GpStringFormat* FormatOf(const GdipStringFormat& format) { return NativeOf<GpStringFormat>(format); }
GpImageAttributes* AttributesOf(const GdipObject& attributes) { return NativeOf<GpImageAttributes>(attributes); }

Gdiplus::CombineMode CombineModeOf(const Opt<CombineMode>& mode) {
  return static_cast<Gdiplus::CombineMode>(mode.value);
}
Gdiplus::MatrixOrder OrderOf(const Opt<int>& order) { return static_cast<Gdiplus::MatrixOrder>(order.value); }
Gdiplus::FillMode FillModeOf(const Opt<FillMode>& mode) { return static_cast<Gdiplus::FillMode>(mode.value); }
Gdiplus::Unit ContainerUnitOf(const Opt<Unit>& unit) { return static_cast<Gdiplus::Unit>(unit.value); }

// Image sources are measured in pixels unless told otherwise.
Gdiplus::Unit SourceUnitOf(const Opt<Unit>& unit) { return static_cast<Gdiplus::Unit>(unit.Or(Unit::Pixel)); }

// Glyph positions are looked up through the font's character map unless
// told otherwise.
int DriverFlagsOf(const Opt<int>& flags) { return flags.Or(Gdiplus::DriverStringOptionsCmapLookup); }

// `answer` is read only after the call that fills it has run.
bool IsTrue(GpStatus status, const BOOL& answer) { return Record(status) && answer != FALSE; }

// The three corners (upper-left, upper-right, lower-left) of an image's
// destination parallelogram.
template <class Point, class Coordinate>
std::array<Point, 3> Corners(Coordinate x1, Coordinate y1, Coordinate x2, Coordinate y2, Coordinate x3,
                             Coordinate y3) {
  return {Point(x1, y1), Point(x2, y2), Point(x3, y3)};
}

// The image's pixel size, read the way GdipImage reads it.
struct ImageSize {
  UINT width = 0, height = 0;
};

ImageSize SizeOf(const GdipImage& image) {
  ImageSize size;
  Record(flat::GdipGetImageWidth(ImageOf(image), &size.width));
  Record(flat::GdipGetImageHeight(ImageOf(image), &size.height));
  return size;
}

}  // namespace

void GdipGraphics::AttributesRelease::operator()(GpImageAttributes* attributes) const noexcept {
  NoteNativeReleased();
  RecordUnstored(flat::GdipDisposeImageAttributes(attributes));
}

GdipGraphics::GdipGraphics() : GdipObject(DeleteGraphics) {}

// ---------------------------------------------------------------------------
// Surfaces

bool GdipGraphics::CreateFromHwnd(HWND hwnd, Opt<bool> icm) {
  return CreateWith<GpGraphics>([&](GpGraphics** out) {
    return icm.value ? flat::GdipCreateFromHWNDICM(hwnd, out) : flat::GdipCreateFromHWND(hwnd, out);
  });
}

bool GdipGraphics::Delete() {
  imageAttributes_.reset();
  return ReleaseNative();
}

bool GdipGraphics::CreateFromHdc(HDC hdc, Opt<HANDLE> device) {
  return CreateWith<GpGraphics>([&](GpGraphics** out) {
    return device.given ? flat::GdipCreateFromHDC2(hdc, device.value, out) : flat::GdipCreateFromHDC(hdc, out);
  });
}

bool GdipGraphics::CreateFromImage(const GdipImage& image) {
  return CreateWith<GpGraphics>([&](GpGraphics** out) { return flat::GdipGetImageGraphicsContext(ImageOf(image), out); });
}

HDC GdipGraphics::GetDc() {
  HDC hdc = nullptr;
  Record(flat::GdipGetDC(Native(), &hdc));
  return hdc;
}

bool GdipGraphics::ReleaseDc(HDC hdc) { return Record(flat::GdipReleaseDC(Native(), hdc)); }

// ---------------------------------------------------------------------------
// Quality and rendering settings

gdip::CompositingMode GdipGraphics::GetCompositingMode() {
  Gdiplus::CompositingMode mode = Gdiplus::CompositingModeSourceOver;
  Record(flat::GdipGetCompositingMode(Native(), &mode));
  return static_cast<gdip::CompositingMode>(mode);
}

bool GdipGraphics::SetCompositingMode(gdip::CompositingMode mode) {
  return Record(flat::GdipSetCompositingMode(Native(), static_cast<Gdiplus::CompositingMode>(mode)));
}

bool GdipGraphics::GetRenderingOrigin(INT& x, INT& y) { return Record(flat::GdipGetRenderingOrigin(Native(), &x, &y)); }

bool GdipGraphics::SetRenderingOrigin(INT x, INT y) { return Record(flat::GdipSetRenderingOrigin(Native(), x, y)); }

gdip::CompositingQuality GdipGraphics::GetCompositingQuality() {
  Gdiplus::CompositingQuality quality = Gdiplus::CompositingQualityDefault;
  Record(flat::GdipGetCompositingQuality(Native(), &quality));
  return static_cast<gdip::CompositingQuality>(quality);
}

bool GdipGraphics::SetCompositingQuality(gdip::CompositingQuality quality) {
  return Record(flat::GdipSetCompositingQuality(Native(), static_cast<Gdiplus::CompositingQuality>(quality)));
}

bool GdipGraphics::SetSmoothingMode(gdip::SmoothingMode mode) {
  return Record(flat::GdipSetSmoothingMode(Native(), static_cast<Gdiplus::SmoothingMode>(mode)));
}

gdip::SmoothingMode GdipGraphics::GetSmoothingMode() {
  Gdiplus::SmoothingMode mode = Gdiplus::SmoothingModeDefault;
  Record(flat::GdipGetSmoothingMode(Native(), &mode));
  return static_cast<gdip::SmoothingMode>(mode);
}

bool GdipGraphics::SetTextRenderingHint(gdip::TextRenderingHint hint) {
  return Record(flat::GdipSetTextRenderingHint(Native(), static_cast<Gdiplus::TextRenderingHint>(hint)));
}

gdip::TextRenderingHint GdipGraphics::GetTextRenderingHint() {
  Gdiplus::TextRenderingHint hint = Gdiplus::TextRenderingHintSystemDefault;
  Record(flat::GdipGetTextRenderingHint(Native(), &hint));
  return static_cast<gdip::TextRenderingHint>(hint);
}

bool GdipGraphics::SetInterpolationMode(gdip::InterpolationMode mode) {
  return Record(flat::GdipSetInterpolationMode(Native(), static_cast<Gdiplus::InterpolationMode>(mode)));
}

gdip::InterpolationMode GdipGraphics::GetInterpolationMode() {
  Gdiplus::InterpolationMode mode = Gdiplus::InterpolationModeDefault;
  Record(flat::GdipGetInterpolationMode(Native(), &mode));
  return static_cast<gdip::InterpolationMode>(mode);
}

bool GdipGraphics::SetPixelOffsetMode(gdip::PixelOffsetMode mode) {
  return Record(flat::GdipSetPixelOffsetMode(Native(), static_cast<Gdiplus::PixelOffsetMode>(mode)));
}

gdip::PixelOffsetMode GdipGraphics::GetPixelOffsetMode() {
  Gdiplus::PixelOffsetMode mode = Gdiplus::PixelOffsetModeDefault;
  Record(flat::GdipGetPixelOffsetMode(Native(), &mode));
  return static_cast<gdip::PixelOffsetMode>(mode);
}

bool GdipGraphics::SetTextContrast(UINT contrast) { return Record(flat::GdipSetTextContrast(Native(), contrast)); }

UINT GdipGraphics::GetTextContrast() {
  UINT contrast = 0;
  Record(flat::GdipGetTextContrast(Native(), &contrast));
  return contrast;
}

REAL GdipGraphics::GetDpiX() {
  REAL dpi = 0;
  Record(flat::GdipGetDpiX(Native(), &dpi));
  return dpi;
}

REAL GdipGraphics::GetDpiY() {
  REAL dpi = 0;
  Record(flat::GdipGetDpiY(Native(), &dpi));
  return dpi;
}

ARGB GdipGraphics::GetNearestColor(ARGB colour) {
  Record(flat::GdipGetNearestColor(Native(), &colour));
  return colour;
}

// ---------------------------------------------------------------------------
// Clipping

bool GdipGraphics::SetClipGraphics(const GdipGraphics& other, Opt<CombineMode> mode) {
  return Record(flat::GdipSetClipGraphics(Native(), other.Native(), CombineModeOf(mode)));
}

bool GdipGraphics::SetClipPath(const GdipPath& path, Opt<CombineMode> mode) {
  return Record(flat::GdipSetClipPath(Native(), PathOf(path), CombineModeOf(mode)));
}

bool GdipGraphics::SetClipRect(REAL x, REAL y, REAL width, REAL height, Opt<CombineMode> mode) {
  return Record(flat::GdipSetClipRect(Native(), x, y, width, height, CombineModeOf(mode)));
}

bool GdipGraphics::SetClipRectI(INT x, INT y, INT width, INT height, Opt<CombineMode> mode) {
  return Record(flat::GdipSetClipRectI(Native(), x, y, width, height, CombineModeOf(mode)));
}

bool GdipGraphics::SetClipRegion(const GdipRegion& region, Opt<CombineMode> mode) {
  return Record(flat::GdipSetClipRegion(Native(), RegionOf(region), CombineModeOf(mode)));
}

bool GdipGraphics::SetClipHrgn(HRGN region, Opt<CombineMode> mode) {
  return Record(flat::GdipSetClipHrgn(Native(), region, CombineModeOf(mode)));
}

bool GdipGraphics::ResetClip() { return Record(flat::GdipResetClip(Native())); }

bool GdipGraphics::TranslateClip(REAL dx, REAL dy) { return Record(flat::GdipTranslateClip(Native(), dx, dy)); }

bool GdipGraphics::TranslateClipI(INT dx, INT dy) { return Record(flat::GdipTranslateClipI(Native(), dx, dy)); }

bool GdipGraphics::GetClip(GdipRegion& target) {
  // GDI+ copies the clip into an existing region.
  if (!target.Create()) return false;
  return Record(flat::GdipGetClip(Native(), RegionOf(target)));
}

RectF GdipGraphics::GetClipBounds() {
  Gdiplus::RectF bounds(0, 0, 0, 0);
  Record(flat::GdipGetClipBounds(Native(), &bounds));
  return FromNative(bounds);
}

RectI GdipGraphics::GetClipBoundsI() {
  Gdiplus::Rect bounds(0, 0, 0, 0);
  Record(flat::GdipGetClipBoundsI(Native(), &bounds));
  return FromNative(bounds);
}

bool GdipGraphics::IsClipEmpty() {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsClipEmpty(Native(), &answer), answer);
}

RectF GdipGraphics::GetVisibleClipBounds() {
  Gdiplus::RectF bounds(0, 0, 0, 0);
  Record(flat::GdipGetVisibleClipBounds(Native(), &bounds));
  return FromNative(bounds);
}

RectI GdipGraphics::GetVisibleClipBoundsI() {
  Gdiplus::Rect bounds(0, 0, 0, 0);
  Record(flat::GdipGetVisibleClipBoundsI(Native(), &bounds));
  return FromNative(bounds);
}

bool GdipGraphics::IsVisibleClipEmpty() {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsVisibleClipEmpty(Native(), &answer), answer);
}

bool GdipGraphics::IsVisiblePoint(REAL x, REAL y) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsVisiblePoint(Native(), x, y, &answer), answer);
}

bool GdipGraphics::IsVisiblePointI(INT x, INT y) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsVisiblePointI(Native(), x, y, &answer), answer);
}

bool GdipGraphics::IsVisibleRect(REAL x, REAL y, REAL width, REAL height) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsVisibleRect(Native(), x, y, width, height, &answer), answer);
}

bool GdipGraphics::IsVisibleRectI(INT x, INT y, INT width, INT height) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsVisibleRectI(Native(), x, y, width, height, &answer), answer);
}

// ---------------------------------------------------------------------------
// States and containers

UINT GdipGraphics::Save() {
  Gdiplus::GraphicsState state = 0;
  Record(flat::GdipSaveGraphics(Native(), &state));
  return state;
}

bool GdipGraphics::Restore(UINT state) { return Record(flat::GdipRestoreGraphics(Native(), state)); }

UINT GdipGraphics::BeginContainer(const RectF& destination, const RectF& source, Opt<Unit> unit) {
  const Gdiplus::RectF dst = ToNative(destination), src = ToNative(source);
  Gdiplus::GraphicsContainer container = 0;
  Record(flat::GdipBeginContainer(Native(), &dst, &src, ContainerUnitOf(unit), &container));
  return container;
}

UINT GdipGraphics::BeginContainerI(const RectI& destination, const RectI& source, Opt<Unit> unit) {
  const Gdiplus::Rect dst = ToNative(destination), src = ToNative(source);
  Gdiplus::GraphicsContainer container = 0;
  Record(flat::GdipBeginContainerI(Native(), &dst, &src, ContainerUnitOf(unit), &container));
  return container;
}

UINT GdipGraphics::BeginContainer2() {
  Gdiplus::GraphicsContainer container = 0;
  Record(flat::GdipBeginContainer2(Native(), &container));
  return container;
}

bool GdipGraphics::EndContainer(UINT container) { return Record(flat::GdipEndContainer(Native(), container)); }

// ---------------------------------------------------------------------------
// Transforms

bool GdipGraphics::SetWorldTransform(const GdipMatrix& matrix) {
  return Record(flat::GdipSetWorldTransform(Native(), MatrixOf(matrix)));
}

bool GdipGraphics::GetWorldTransform(GdipMatrix& target) {
  // GDI+ copies the transform into an existing matrix.
  if (!target.Create()) return false;
  return Record(flat::GdipGetWorldTransform(Native(), MatrixOf(target)));
}

bool GdipGraphics::ResetWorldTransform() { return Record(flat::GdipResetWorldTransform(Native())); }

bool GdipGraphics::MultiplyWorldTransform(const GdipMatrix& matrix, Opt<int> order) {
  return Record(flat::GdipMultiplyWorldTransform(Native(), MatrixOf(matrix), OrderOf(order)));
}

bool GdipGraphics::RotateWorldTransform(REAL angle, Opt<int> order) {
  return Record(flat::GdipRotateWorldTransform(Native(), angle, OrderOf(order)));
}

bool GdipGraphics::TranslateWorldTransform(REAL dx, REAL dy, Opt<int> order) {
  return Record(flat::GdipTranslateWorldTransform(Native(), dx, dy, OrderOf(order)));
}

bool GdipGraphics::ScaleWorldTransform(REAL sx, REAL sy, Opt<int> order) {
  return Record(flat::GdipScaleWorldTransform(Native(), sx, sy, OrderOf(order)));
}

bool GdipGraphics::ScaleAt(REAL sx, REAL sy, const PointF& centre, Opt<int> order) {
  return TransformAt(
      centre, order,
      [&](REAL dx, REAL dy, Gdiplus::MatrixOrder o) { return flat::GdipTranslateWorldTransform(Native(), dx, dy, o); },
      [&](Gdiplus::MatrixOrder o) { return flat::GdipScaleWorldTransform(Native(), sx, sy, o); });
}

bool GdipGraphics::RotateAt(REAL angle, const PointF& centre, Opt<int> order) {
  return TransformAt(
      centre, order,
      [&](REAL dx, REAL dy, Gdiplus::MatrixOrder o) { return flat::GdipTranslateWorldTransform(Native(), dx, dy, o); },
      [&](Gdiplus::MatrixOrder o) { return flat::GdipRotateWorldTransform(Native(), angle, o); });
}

bool GdipGraphics::SetPageUnit(Unit unit) {
  return Record(flat::GdipSetPageUnit(Native(), static_cast<Gdiplus::Unit>(unit)));
}

Unit GdipGraphics::GetPageUnit() {
  Gdiplus::Unit unit = Gdiplus::UnitWorld;
  Record(flat::GdipGetPageUnit(Native(), &unit));
  return static_cast<Unit>(unit);
}

bool GdipGraphics::SetPageScale(REAL scale) { return Record(flat::GdipSetPageScale(Native(), scale)); }

REAL GdipGraphics::GetPageScale() {
  REAL scale = 0;
  Record(flat::GdipGetPageScale(Native(), &scale));
  return scale;
}

bool GdipGraphics::TransformPoints(int destinationSpace, int sourceSpace, std::span<PointF> points) {
  NativeArray<PointF> buffer{std::span<const PointF>(points)};
  const bool ok = Record(flat::GdipTransformPoints(Native(), static_cast<Gdiplus::CoordinateSpace>(destinationSpace),
                                                   static_cast<Gdiplus::CoordinateSpace>(sourceSpace), buffer.data(),
                                                   buffer.count()));
  buffer.CopyBack(points);
  return ok;
}

bool GdipGraphics::TransformPointsI(int destinationSpace, int sourceSpace, std::span<PointI> points) {
  NativeArray<PointI> buffer{std::span<const PointI>(points)};
  const bool ok = Record(flat::GdipTransformPointsI(Native(), static_cast<Gdiplus::CoordinateSpace>(destinationSpace),
                                                    static_cast<Gdiplus::CoordinateSpace>(sourceSpace),
                                                    buffer.data(), buffer.count()));
  buffer.CopyBack(points);
  return ok;
}

// ---------------------------------------------------------------------------
// Outlines

bool GdipGraphics::DrawLine(const GdipPen& pen, REAL x1, REAL y1, REAL x2, REAL y2) {
  return Record(flat::GdipDrawLine(Native(), PenOf(pen), x1, y1, x2, y2));
}

bool GdipGraphics::DrawLineI(const GdipPen& pen, INT x1, INT y1, INT x2, INT y2) {
  return Record(flat::GdipDrawLineI(Native(), PenOf(pen), x1, y1, x2, y2));
}

bool GdipGraphics::DrawLines(const GdipPen& pen, std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipDrawLines(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawLinesI(const GdipPen& pen, std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipDrawLinesI(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawArc(const GdipPen& pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                           REAL sweepAngle) {
  return Record(flat::GdipDrawArc(Native(), PenOf(pen), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::DrawArcI(const GdipPen& pen, INT x, INT y, INT width, INT height, REAL startAngle,
                            REAL sweepAngle) {
  return Record(flat::GdipDrawArcI(Native(), PenOf(pen), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::DrawBezier(const GdipPen& pen, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4,
                              REAL y4) {
  return Record(flat::GdipDrawBezier(Native(), PenOf(pen), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GdipGraphics::DrawBezierI(const GdipPen& pen, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3, INT x4, INT y4) {
  return Record(flat::GdipDrawBezierI(Native(), PenOf(pen), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GdipGraphics::DrawBeziers(const GdipPen& pen, std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipDrawBeziers(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawBeziersI(const GdipPen& pen, std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipDrawBeziersI(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawRectangle(const GdipPen& pen, REAL x, REAL y, REAL width, REAL height) {
  return Record(flat::GdipDrawRectangle(Native(), PenOf(pen), x, y, width, height));
}

bool GdipGraphics::DrawRectangleI(const GdipPen& pen, INT x, INT y, INT width, INT height) {
  return Record(flat::GdipDrawRectangleI(Native(), PenOf(pen), x, y, width, height));
}

bool GdipGraphics::DrawRectangles(const GdipPen& pen, std::span<const RectF> rects) {
  NativeArray<RectF> buffer(rects);
  return Record(flat::GdipDrawRectangles(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawRectanglesI(const GdipPen& pen, std::span<const RectI> rects) {
  NativeArray<RectI> buffer(rects);
  return Record(flat::GdipDrawRectanglesI(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawEllipse(const GdipPen& pen, REAL x, REAL y, REAL width, REAL height) {
  return Record(flat::GdipDrawEllipse(Native(), PenOf(pen), x, y, width, height));
}

bool GdipGraphics::DrawEllipseI(const GdipPen& pen, INT x, INT y, INT width, INT height) {
  return Record(flat::GdipDrawEllipseI(Native(), PenOf(pen), x, y, width, height));
}

bool GdipGraphics::DrawPie(const GdipPen& pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                           REAL sweepAngle) {
  return Record(flat::GdipDrawPie(Native(), PenOf(pen), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::DrawPieI(const GdipPen& pen, INT x, INT y, INT width, INT height, REAL startAngle,
                            REAL sweepAngle) {
  return Record(flat::GdipDrawPieI(Native(), PenOf(pen), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::DrawPolygon(const GdipPen& pen, std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipDrawPolygon(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawPolygonI(const GdipPen& pen, std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipDrawPolygonI(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawPath(const GdipPen& pen, const GdipPath& path) {
  return Record(flat::GdipDrawPath(Native(), PenOf(pen), PathOf(path)));
}

bool GdipGraphics::DrawCurve(const GdipPen& pen, std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipDrawCurve(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawCurveI(const GdipPen& pen, std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipDrawCurveI(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawCurve2(const GdipPen& pen, std::span<const PointF> points, REAL tension) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipDrawCurve2(Native(), PenOf(pen), buffer.data(), buffer.count(), tension));
}

bool GdipGraphics::DrawCurve2I(const GdipPen& pen, std::span<const PointI> points, REAL tension) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipDrawCurve2I(Native(), PenOf(pen), buffer.data(), buffer.count(), tension));
}

bool GdipGraphics::DrawCurve3(const GdipPen& pen, std::span<const PointF> points, INT offset, INT segments,
                              REAL tension) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipDrawCurve3(Native(), PenOf(pen), buffer.data(), buffer.count(), offset, segments, tension));
}

bool GdipGraphics::DrawCurve3I(const GdipPen& pen, std::span<const PointI> points, INT offset, INT segments,
                               REAL tension) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipDrawCurve3I(Native(), PenOf(pen), buffer.data(), buffer.count(), offset, segments, tension));
}

bool GdipGraphics::DrawClosedCurve(const GdipPen& pen, std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipDrawClosedCurve(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawClosedCurveI(const GdipPen& pen, std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipDrawClosedCurveI(Native(), PenOf(pen), buffer.data(), buffer.count()));
}

bool GdipGraphics::DrawClosedCurve2(const GdipPen& pen, std::span<const PointF> points, REAL tension) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipDrawClosedCurve2(Native(), PenOf(pen), buffer.data(), buffer.count(), tension));
}

bool GdipGraphics::DrawClosedCurve2I(const GdipPen& pen, std::span<const PointI> points, REAL tension) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipDrawClosedCurve2I(Native(), PenOf(pen), buffer.data(), buffer.count(), tension));
}

// ---------------------------------------------------------------------------
// Fills

bool GdipGraphics::Clear(Opt<ARGB> colour) { return Record(flat::GdipGraphicsClear(Native(), colour.value)); }

bool GdipGraphics::FillRectangle(const GdipBrush& brush, REAL x, REAL y, REAL width, REAL height) {
  return Record(flat::GdipFillRectangle(Native(), BrushOf(brush), x, y, width, height));
}

bool GdipGraphics::FillRectangleI(const GdipBrush& brush, INT x, INT y, INT width, INT height) {
  return Record(flat::GdipFillRectangleI(Native(), BrushOf(brush), x, y, width, height));
}

bool GdipGraphics::FillRectangleRect(const GdipBrush& brush, const RectF& rect) {
  return FillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

bool GdipGraphics::FillRectangles(const GdipBrush& brush, std::span<const RectF> rects) {
  NativeArray<RectF> buffer(rects);
  return Record(flat::GdipFillRectangles(Native(), BrushOf(brush), buffer.data(), buffer.count()));
}

bool GdipGraphics::FillRectanglesI(const GdipBrush& brush, std::span<const RectI> rects) {
  NativeArray<RectI> buffer(rects);
  return Record(flat::GdipFillRectanglesI(Native(), BrushOf(brush), buffer.data(), buffer.count()));
}

bool GdipGraphics::FillPolygon(const GdipBrush& brush, std::span<const PointF> points, Opt<FillMode> fillMode) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipFillPolygon(Native(), BrushOf(brush), buffer.data(), buffer.count(), FillModeOf(fillMode)));
}

bool GdipGraphics::FillPolygonI(const GdipBrush& brush, std::span<const PointI> points, Opt<FillMode> fillMode) {
  NativeArray<PointI> buffer(points);
  return Record(
      flat::GdipFillPolygonI(Native(), BrushOf(brush), buffer.data(), buffer.count(), FillModeOf(fillMode)));
}

bool GdipGraphics::FillEllipse(const GdipBrush& brush, REAL x, REAL y, REAL width, REAL height) {
  return Record(flat::GdipFillEllipse(Native(), BrushOf(brush), x, y, width, height));
}

bool GdipGraphics::FillEllipseI(const GdipBrush& brush, INT x, INT y, INT width, INT height) {
  return Record(flat::GdipFillEllipseI(Native(), BrushOf(brush), x, y, width, height));
}

bool GdipGraphics::FillPie(const GdipBrush& brush, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                           REAL sweepAngle) {
  return Record(flat::GdipFillPie(Native(), BrushOf(brush), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::FillPieI(const GdipBrush& brush, INT x, INT y, INT width, INT height, REAL startAngle,
                            REAL sweepAngle) {
  return Record(flat::GdipFillPieI(Native(), BrushOf(brush), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::FillPath(const GdipBrush& brush, const GdipPath& path) {
  return Record(flat::GdipFillPath(Native(), BrushOf(brush), PathOf(path)));
}

bool GdipGraphics::FillClosedCurve(const GdipBrush& brush, std::span<const PointF> points) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipFillClosedCurve(Native(), BrushOf(brush), buffer.data(), buffer.count()));
}

bool GdipGraphics::FillClosedCurveI(const GdipBrush& brush, std::span<const PointI> points) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipFillClosedCurveI(Native(), BrushOf(brush), buffer.data(), buffer.count()));
}

bool GdipGraphics::FillClosedCurve2(const GdipBrush& brush, std::span<const PointF> points, REAL tension,
                                    Opt<FillMode> fillMode) {
  NativeArray<PointF> buffer(points);
  return Record(flat::GdipFillClosedCurve2(Native(), BrushOf(brush), buffer.data(), buffer.count(), tension,
                                           FillModeOf(fillMode)));
}

bool GdipGraphics::FillClosedCurve2I(const GdipBrush& brush, std::span<const PointI> points, REAL tension,
                                     Opt<FillMode> fillMode) {
  NativeArray<PointI> buffer(points);
  return Record(flat::GdipFillClosedCurve2I(Native(), BrushOf(brush), buffer.data(), buffer.count(), tension,
                                            FillModeOf(fillMode)));
}

bool GdipGraphics::FillRegion(const GdipBrush& brush, const GdipRegion& region) {
  return Record(flat::GdipFillRegion(Native(), BrushOf(brush), RegionOf(region)));
}

// ---------------------------------------------------------------------------
// Images

bool GdipGraphics::DrawImage(const GdipImage& image, REAL x, REAL y) {
  return Record(flat::GdipDrawImage(Native(), ImageOf(image), x, y));
}

bool GdipGraphics::DrawImageI(const GdipImage& image, INT x, INT y) {
  return Record(flat::GdipDrawImageI(Native(), ImageOf(image), x, y));
}

bool GdipGraphics::DrawImageRect(const GdipImage& image, REAL x, REAL y, REAL width, REAL height,
                                 Opt<Unit> sourceUnit) {
  const ImageSize size = SizeOf(image);
  return Record(flat::GdipDrawImageRectRect(Native(), ImageOf(image), x, y, width, height, 0, 0,
                                            static_cast<REAL>(size.width), static_cast<REAL>(size.height),
                                            SourceUnitOf(sourceUnit), nullptr, nullptr, nullptr));
}

bool GdipGraphics::DrawImageRectI(const GdipImage& image, INT x, INT y, INT width, INT height, Opt<Unit> sourceUnit) {
  const ImageSize size = SizeOf(image);
  return Record(flat::GdipDrawImageRectRectI(Native(), ImageOf(image), x, y, width, height, 0, 0,
                                             static_cast<INT>(size.width), static_cast<INT>(size.height),
                                             SourceUnitOf(sourceUnit), nullptr, nullptr, nullptr));
}

bool GdipGraphics::DrawImagePoints(const GdipImage& image, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3) {
  const auto corners = Corners<Gdiplus::PointF>(x1, y1, x2, y2, x3, y3);
  return Record(flat::GdipDrawImagePoints(Native(), ImageOf(image), corners.data(), 3));
}

bool GdipGraphics::DrawImagePointsI(const GdipImage& image, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3) {
  const auto corners = Corners<Gdiplus::Point>(x1, y1, x2, y2, x3, y3);
  return Record(flat::GdipDrawImagePointsI(Native(), ImageOf(image), corners.data(), 3));
}

bool GdipGraphics::DrawImagePointRect(const GdipImage& image, REAL x, REAL y, REAL sourceX, REAL sourceY,
                                      REAL sourceWidth, REAL sourceHeight, Opt<Unit> sourceUnit) {
  return Record(flat::GdipDrawImagePointRect(Native(), ImageOf(image), x, y, sourceX, sourceY, sourceWidth,
                                             sourceHeight, SourceUnitOf(sourceUnit)));
}

bool GdipGraphics::DrawImagePointRectI(const GdipImage& image, INT x, INT y, INT sourceX, INT sourceY,
                                       INT sourceWidth, INT sourceHeight, Opt<Unit> sourceUnit) {
  return Record(flat::GdipDrawImagePointRectI(Native(), ImageOf(image), x, y, sourceX, sourceY, sourceWidth,
                                              sourceHeight, SourceUnitOf(sourceUnit)));
}

bool GdipGraphics::DrawImageRectRect(const GdipImage& image, REAL x, REAL y, REAL width, REAL height, REAL sourceX,
                                     REAL sourceY, REAL sourceWidth, REAL sourceHeight, Opt<Unit> sourceUnit,
                                     const GdipObject& attributes) {
  return Record(flat::GdipDrawImageRectRect(Native(), ImageOf(image), x, y, width, height, sourceX, sourceY,
                                            sourceWidth, sourceHeight, SourceUnitOf(sourceUnit),
                                            AttributesOf(attributes), nullptr, nullptr));
}

bool GdipGraphics::DrawImageRectRectI(const GdipImage& image, INT x, INT y, INT width, INT height, INT sourceX,
                                      INT sourceY, INT sourceWidth, INT sourceHeight, Opt<Unit> sourceUnit,
                                      const GdipObject& attributes) {
  return Record(flat::GdipDrawImageRectRectI(Native(), ImageOf(image), x, y, width, height, sourceX, sourceY,
                                             sourceWidth, sourceHeight, SourceUnitOf(sourceUnit),
                                             AttributesOf(attributes), nullptr, nullptr));
}

bool GdipGraphics::DrawImagePointsRect(const GdipImage& image, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3,
                                       REAL sourceX, REAL sourceY, REAL sourceWidth, REAL sourceHeight,
                                       Opt<Unit> sourceUnit, const GdipObject& attributes) {
  const auto corners = Corners<Gdiplus::PointF>(x1, y1, x2, y2, x3, y3);
  return Record(flat::GdipDrawImagePointsRect(Native(), ImageOf(image), corners.data(), 3, sourceX, sourceY,
                                              sourceWidth, sourceHeight, SourceUnitOf(sourceUnit),
                                              AttributesOf(attributes), nullptr, nullptr));
}

bool GdipGraphics::DrawImagePointsRectI(const GdipImage& image, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3,
                                        INT sourceX, INT sourceY, INT sourceWidth, INT sourceHeight,
                                        Opt<Unit> sourceUnit, const GdipObject& attributes) {
  const auto corners = Corners<Gdiplus::Point>(x1, y1, x2, y2, x3, y3);
  return Record(flat::GdipDrawImagePointsRectI(Native(), ImageOf(image), corners.data(), 3, sourceX, sourceY,
                                               sourceWidth, sourceHeight, SourceUnitOf(sourceUnit),
                                               AttributesOf(attributes), nullptr, nullptr));
}

bool GdipGraphics::DrawCachedBitmap(const GdipObject& cachedBitmap, REAL x, REAL y) {
  return Record(flat::GdipDrawCachedBitmap(Native(), NativeOf<GpCachedBitmap>(cachedBitmap), static_cast<INT>(x),
                                           static_cast<INT>(y)));
}

void GdipGraphics::DrawImageAlpha(const GdipImage& image, REAL x, REAL y, REAL width, REAL height, REAL sourceX,
                                  REAL sourceY, REAL sourceWidth, REAL sourceHeight, Opt<REAL> alpha) {
  // Identity on the colours, the alpha channel scaled.
  for (int i : {0, 1, 2, 4}) ColourMatrix.m[i][i] = 1.0f;
  ColourMatrix.m[3][3] = alpha.value;
  if (!imageAttributes_) {
    GpImageAttributes* made = nullptr;
    if (RecordUnstored(flat::GdipCreateImageAttributes(&made))) {
      imageAttributes_.reset(made);
      NoteNativeMade();
    }
  }
  RecordUnstored(flat::GdipSetImageAttributesColorMatrix(imageAttributes_.get(), Gdiplus::ColorAdjustTypeBitmap, TRUE,
                                                         &ColourMatrix, nullptr, Gdiplus::ColorMatrixFlagsDefault));
  RecordUnstored(flat::GdipDrawImageRectRect(Native(), ImageOf(image), x, y, width, height, sourceX, sourceY,
                                             sourceWidth, sourceHeight, Gdiplus::UnitPixel, imageAttributes_.get(),
                                             nullptr, nullptr));
}

// ---------------------------------------------------------------------------
// Text

bool GdipGraphics::DrawStringWith(const WideArg& text, const GdipFont& font, const GdipBrush& brush,
                                  const RectF& layout, const GdipStringFormat& format) {
  if (!text.valid()) return RefuseArgument();
  const Gdiplus::RectF box = ToNative(layout);
  return Record(flat::GdipDrawString(Native(), text.text(), text.length(), FontOf(font), &box, FormatOf(format),
                                     BrushOf(brush)));
}

bool GdipGraphics::DrawString(const rt::Text& text, const GdipFont& font, const GdipBrush& brush, const RectF& layout,
                              const GdipStringFormat& format) {
  return DrawStringWith(WideArg::Ansi(text), font, brush, layout, format);
}

bool GdipGraphics::DrawStringW(const rt::ByteArray& text, const GdipFont& font, const GdipBrush& brush,
                               const RectF& layout, const GdipStringFormat& format) {
  return DrawStringWith(WideArg::Utf16(text), font, brush, layout, format);
}

bool GdipGraphics::MeasureStringWith(const WideArg& text, const GdipFont& font, const RectF& layout,
                                     const GdipStringFormat& format, RectF& bounds) {
  if (!text.valid()) return RefuseArgument();
  const Gdiplus::RectF box = ToNative(layout);
  Gdiplus::RectF measured(0, 0, 0, 0);
  const bool ok = Record(flat::GdipMeasureString(Native(), text.text(), text.length(), FontOf(font), &box,
                                                 FormatOf(format), &measured, nullptr, nullptr));
  bounds = FromNative(measured);
  return ok;
}

bool GdipGraphics::MeasureString(const rt::Text& text, const GdipFont& font, const RectF& layout,
                                 const GdipStringFormat& format, RectF& bounds) {
  return MeasureStringWith(WideArg::Ansi(text), font, layout, format, bounds);
}

bool GdipGraphics::MeasureStringW(const rt::ByteArray& text, const GdipFont& font, const RectF& layout,
                                  const GdipStringFormat& format, RectF& bounds) {
  return MeasureStringWith(WideArg::Utf16(text), font, layout, format, bounds);
}

bool GdipGraphics::MeasureRangesWith(const WideArg& text, const GdipFont& font, const RectF& layout,
                                     const GdipStringFormat& format, int count, std::vector<GdipRegion>& regions) {
  if (count < 1 || !text.valid()) return RefuseArgument();
  // GDI+ fills existing regions. They are owned here until the measure
  // succeeds, so a failure releases every one of them; LastStatus keeps the
  // failure, not the status of those releases.
  std::vector<GdipRegion> measured(static_cast<std::size_t>(count));
  const auto fail = [&measured] {
    const GpStatus failure = LastStatus;
    measured.clear();
    LastStatus = failure;
    return false;
  };
  std::vector<GpRegion*> handles;
  handles.reserve(measured.size());
  for (GdipRegion& region : measured) {
    if (!region.Create()) return fail();
    handles.push_back(RegionOf(region));
  }
  const Gdiplus::RectF box = ToNative(layout);
  if (!Record(flat::GdipMeasureCharacterRanges(Native(), text.text(), text.length(), FontOf(font), box,
                                               FormatOf(format), count, handles.data())))
    return fail();
  regions = std::move(measured);
  return true;
}

bool GdipGraphics::MeasureCharacterRanges(const rt::Text& text, const GdipFont& font, const RectF& layout,
                                          const GdipStringFormat& format, int count,
                                          std::vector<GdipRegion>& regions) {
  return MeasureRangesWith(WideArg::Ansi(text), font, layout, format, count, regions);
}

bool GdipGraphics::MeasureCharacterRangesW(const rt::ByteArray& text, const GdipFont& font, const RectF& layout,
                                           const GdipStringFormat& format, int count,
                                           std::vector<GdipRegion>& regions) {
  return MeasureRangesWith(WideArg::Utf16(text), font, layout, format, count, regions);
}

bool GdipGraphics::DrawDriverStringWith(const WideArg& text, const GdipFont& font, const GdipBrush& brush,
                                        std::span<const PointF> positions, const Opt<int>& flags,
                                        const GdipMatrix& matrix) {
  if (!text.valid()) return RefuseArgument();
  const int options = DriverFlagsOf(flags);
  // GDI+ reads a position per glyph, or only the first one when the glyphs
  // advance by themselves.
  const std::size_t needed = (options & Gdiplus::DriverStringOptionsRealizedAdvance) != 0
                                 ? (text.length() > 0 ? 1u : 0u)
                                 : static_cast<std::size_t>(text.length());
  if (positions.size() < needed) return RefuseArgument();
  NativeArray<PointF> buffer(positions);
  return Record(flat::GdipDrawDriverString(Native(), reinterpret_cast<const UINT16*>(text.text()), text.length(),
                                           FontOf(font), BrushOf(brush), buffer.data(), options, MatrixOf(matrix)));
}

bool GdipGraphics::DrawDriverString(const rt::Text& text, const GdipFont& font, const GdipBrush& brush,
                                    std::span<const PointF> positions, Opt<int> flags, const GdipMatrix& matrix) {
  return DrawDriverStringWith(WideArg::Ansi(text), font, brush, positions, flags, matrix);
}

bool GdipGraphics::DrawDriverStringW(const rt::ByteArray& text, const GdipFont& font, const GdipBrush& brush,
                                     std::span<const PointF> positions, Opt<int> flags, const GdipMatrix& matrix) {
  return DrawDriverStringWith(WideArg::Utf16(text), font, brush, positions, flags, matrix);
}

// ---------------------------------------------------------------------------
// Others

bool GdipGraphics::Comment(const rt::ByteArray& data) {
  return Record(flat::GdipComment(Native(), static_cast<UINT>(data.size()), data.empty() ? nullptr : data.data()));
}

void GdipGraphics::Flush(Opt<int> intention) {
  RecordUnstored(flat::GdipFlush(Native(), static_cast<Gdiplus::FlushIntention>(intention.value)));
}

}  // namespace gdip
