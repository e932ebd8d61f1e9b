// Owning wrapper of a GDI+ graphics object: the drawing surface on a
// device context, a window or an image through which every painter clips,
// transforms, draws and fills shapes, paths, images and text, and measures
// text.
//
// Wrapper arguments are passed by their handles: an empty string format or
// image-attributes object stands for GDI+'s default, an empty pen, brush,
// font or image makes the call fail. Combine modes, matrix orders, fill
// modes and container units that end an argument list are Replace, 0
// (prepend), Alternate and World when omitted; image source units are
// Pixel when omitted. The device context or image must outlive the object.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "gdip/gdip_object.h"
#include "runtime/byte_array.h"

namespace gdip {

class GdipBrush;
class GdipFont;
class GdipImage;
class GdipMatrix;
class GdipPath;
class GdipPen;
class GdipRegion;
class GdipStringFormat;
class WideArg;

class GdipGraphics : public GdipObject {
 public:
  GdipGraphics();
  GdipGraphics(GdipGraphics&&) noexcept = default;
  GdipGraphics& operator=(GdipGraphics&&) noexcept = default;

  // Surfaces. icm selects colour management on a window's surface.
  bool CreateFromHwnd(HWND hwnd, Opt<bool> icm = {});
  // Releases the surface and the image attributes DrawImageAlpha made.
  bool Delete();
  bool CreateFromHdc(HDC hdc, Opt<HANDLE> device = {});
  bool CreateFromImage(const GdipImage& image);
  // A DC for GDI drawing on the surface, until ReleaseDc.
  HDC GetDc();
  bool ReleaseDc(HDC hdc);

  // Quality and rendering settings.
  CompositingMode GetCompositingMode();
  bool SetCompositingMode(CompositingMode mode);
  bool GetRenderingOrigin(INT& x, INT& y);
  bool SetRenderingOrigin(INT x, INT y);
  CompositingQuality GetCompositingQuality();
  bool SetCompositingQuality(CompositingQuality quality);
  bool SetSmoothingMode(SmoothingMode mode);
  SmoothingMode GetSmoothingMode();
  bool SetTextRenderingHint(TextRenderingHint hint);
  TextRenderingHint GetTextRenderingHint();
  bool SetInterpolationMode(InterpolationMode mode);
  InterpolationMode GetInterpolationMode();
  bool SetPixelOffsetMode(PixelOffsetMode mode);
  PixelOffsetMode GetPixelOffsetMode();
  bool SetTextContrast(UINT contrast);
  UINT GetTextContrast();
  REAL GetDpiX();
  REAL GetDpiY();
  ARGB GetNearestColor(ARGB colour);

  // Clipping.
  bool SetClipGraphics(const GdipGraphics& other, Opt<CombineMode> mode = {});
  bool SetClipPath(const GdipPath& path, Opt<CombineMode> mode = {});
  bool SetClipRect(REAL x, REAL y, REAL width, REAL height, Opt<CombineMode> mode = {});
  bool SetClipRectI(INT x, INT y, INT width, INT height, Opt<CombineMode> mode = {});
  bool SetClipRegion(const GdipRegion& region, Opt<CombineMode> mode = {});
  bool SetClipHrgn(HRGN region, Opt<CombineMode> mode = {});
  bool ResetClip();
  bool TranslateClip(REAL dx, REAL dy);
  bool TranslateClipI(INT dx, INT dy);
  // The clip goes into the target, which gets a region of its own.
  bool GetClip(GdipRegion& target);
  RectF GetClipBounds();
  RectI GetClipBoundsI();
  bool IsClipEmpty();
  RectF GetVisibleClipBounds();
  RectI GetVisibleClipBoundsI();
  bool IsVisibleClipEmpty();
  bool IsVisiblePoint(REAL x, REAL y);
  bool IsVisiblePointI(INT x, INT y);
  bool IsVisibleRect(REAL x, REAL y, REAL width, REAL height);
  bool IsVisibleRectI(INT x, INT y, INT width, INT height);

  // States and containers.
  UINT Save();
  bool Restore(UINT state);
  UINT BeginContainer(const RectF& destination, const RectF& source, Opt<Unit> unit = {});
  UINT BeginContainerI(const RectI& destination, const RectI& source, Opt<Unit> unit = {});
  UINT BeginContainer2();
  bool EndContainer(UINT container);

  // Transforms.
  bool SetWorldTransform(const GdipMatrix& matrix);
  // The world transform goes into the target, which gets a matrix of its own.
  bool GetWorldTransform(GdipMatrix& target);
  bool ResetWorldTransform();
  bool MultiplyWorldTransform(const GdipMatrix& matrix, Opt<int> order = {});
  bool RotateWorldTransform(REAL angle, Opt<int> order = {});
  bool TranslateWorldTransform(REAL dx, REAL dy, Opt<int> order = {});
  bool ScaleWorldTransform(REAL sx, REAL sy, Opt<int> order = {});
  // Scale or rotation about a centre point (see transform_at.h).
  bool ScaleAt(REAL sx, REAL sy, const PointF& centre, Opt<int> order = {});
  bool RotateAt(REAL angle, const PointF& centre, Opt<int> order = {});
  bool SetPageUnit(Unit unit);
  Unit GetPageUnit();
  bool SetPageScale(REAL scale);
  REAL GetPageScale();
  // Transforms the points in place between two coordinate spaces.
  bool TransformPoints(int destinationSpace, int sourceSpace, std::span<PointF> points);
  bool TransformPointsI(int destinationSpace, int sourceSpace, std::span<PointI> points);

  // Outlines.
  bool DrawLine(const GdipPen& pen, REAL x1, REAL y1, REAL x2, REAL y2);
  bool DrawLineI(const GdipPen& pen, INT x1, INT y1, INT x2, INT y2);
  bool DrawLines(const GdipPen& pen, std::span<const PointF> points);
  bool DrawLinesI(const GdipPen& pen, std::span<const PointI> points);
  bool DrawArc(const GdipPen& pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  bool DrawArcI(const GdipPen& pen, INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle);
  bool DrawBezier(const GdipPen& pen, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
  bool DrawBezierI(const GdipPen& pen, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3, INT x4, INT y4);
  bool DrawBeziers(const GdipPen& pen, std::span<const PointF> points);
  bool DrawBeziersI(const GdipPen& pen, std::span<const PointI> points);
  bool DrawRectangle(const GdipPen& pen, REAL x, REAL y, REAL width, REAL height);
  bool DrawRectangleI(const GdipPen& pen, INT x, INT y, INT width, INT height);
  bool DrawRectangles(const GdipPen& pen, std::span<const RectF> rects);
  bool DrawRectanglesI(const GdipPen& pen, std::span<const RectI> rects);
  bool DrawEllipse(const GdipPen& pen, REAL x, REAL y, REAL width, REAL height);
  bool DrawEllipseI(const GdipPen& pen, INT x, INT y, INT width, INT height);
  bool DrawPie(const GdipPen& pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  bool DrawPieI(const GdipPen& pen, INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle);
  bool DrawPolygon(const GdipPen& pen, std::span<const PointF> points);
  bool DrawPolygonI(const GdipPen& pen, std::span<const PointI> points);
  bool DrawPath(const GdipPen& pen, const GdipPath& path);
  bool DrawCurve(const GdipPen& pen, std::span<const PointF> points);
  bool DrawCurveI(const GdipPen& pen, std::span<const PointI> points);
  bool DrawCurve2(const GdipPen& pen, std::span<const PointF> points, REAL tension);
  bool DrawCurve2I(const GdipPen& pen, std::span<const PointI> points, REAL tension);
  bool DrawCurve3(const GdipPen& pen, std::span<const PointF> points, INT offset, INT segments, REAL tension);
  bool DrawCurve3I(const GdipPen& pen, std::span<const PointI> points, INT offset, INT segments, REAL tension);
  bool DrawClosedCurve(const GdipPen& pen, std::span<const PointF> points);
  bool DrawClosedCurveI(const GdipPen& pen, std::span<const PointI> points);
  bool DrawClosedCurve2(const GdipPen& pen, std::span<const PointF> points, REAL tension);
  bool DrawClosedCurve2I(const GdipPen& pen, std::span<const PointI> points, REAL tension);

  // Fills. Clear replaces every pixel inside the clip, alpha included.
  bool Clear(Opt<ARGB> colour = {});
  bool FillRectangle(const GdipBrush& brush, REAL x, REAL y, REAL width, REAL height);
  bool FillRectangleI(const GdipBrush& brush, INT x, INT y, INT width, INT height);
  bool FillRectangleRect(const GdipBrush& brush, const RectF& rect);
  bool FillRectangles(const GdipBrush& brush, std::span<const RectF> rects);
  bool FillRectanglesI(const GdipBrush& brush, std::span<const RectI> rects);
  bool FillPolygon(const GdipBrush& brush, std::span<const PointF> points, Opt<FillMode> fillMode = {});
  bool FillPolygonI(const GdipBrush& brush, std::span<const PointI> points, Opt<FillMode> fillMode = {});
  bool FillEllipse(const GdipBrush& brush, REAL x, REAL y, REAL width, REAL height);
  bool FillEllipseI(const GdipBrush& brush, INT x, INT y, INT width, INT height);
  bool FillPie(const GdipBrush& brush, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  bool FillPieI(const GdipBrush& brush, INT x, INT y, INT width, INT height, REAL startAngle, REAL sweepAngle);
  bool FillPath(const GdipBrush& brush, const GdipPath& path);
  bool FillClosedCurve(const GdipBrush& brush, std::span<const PointF> points);
  bool FillClosedCurveI(const GdipBrush& brush, std::span<const PointI> points);
  bool FillClosedCurve2(const GdipBrush& brush, std::span<const PointF> points, REAL tension,
                        Opt<FillMode> fillMode = {});
  bool FillClosedCurve2I(const GdipBrush& brush, std::span<const PointI> points, REAL tension,
                         Opt<FillMode> fillMode = {});
  bool FillRegion(const GdipBrush& brush, const GdipRegion& region);

  // Images. DrawImage draws at natural size; the Rect forms stretch the
  // whole image; the Points forms map it onto the parallelogram of its
  // upper-left, upper-right and lower-left corners.
  bool DrawImage(const GdipImage& image, REAL x, REAL y);
  bool DrawImageI(const GdipImage& image, INT x, INT y);
  bool DrawImageRect(const GdipImage& image, REAL x, REAL y, REAL width, REAL height, Opt<Unit> sourceUnit = {});
  bool DrawImageRectI(const GdipImage& image, INT x, INT y, INT width, INT height, Opt<Unit> sourceUnit = {});
  bool DrawImagePoints(const GdipImage& image, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3);
  bool DrawImagePointsI(const GdipImage& image, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3);
  bool DrawImagePointRect(const GdipImage& image, REAL x, REAL y, REAL sourceX, REAL sourceY, REAL sourceWidth,
                          REAL sourceHeight, Opt<Unit> sourceUnit = {});
  bool DrawImagePointRectI(const GdipImage& image, INT x, INT y, INT sourceX, INT sourceY, INT sourceWidth,
                           INT sourceHeight, Opt<Unit> sourceUnit = {});
  // `attributes` is any object holding GDI+ image attributes (empty: none).
  bool DrawImageRectRect(const GdipImage& image, REAL x, REAL y, REAL width, REAL height, REAL sourceX, REAL sourceY,
                         REAL sourceWidth, REAL sourceHeight, Opt<Unit> sourceUnit, const GdipObject& attributes);
  bool DrawImageRectRectI(const GdipImage& image, INT x, INT y, INT width, INT height, INT sourceX, INT sourceY,
                          INT sourceWidth, INT sourceHeight, Opt<Unit> sourceUnit, const GdipObject& attributes);
  bool DrawImagePointsRect(const GdipImage& image, REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL sourceX,
                           REAL sourceY, REAL sourceWidth, REAL sourceHeight, Opt<Unit> sourceUnit,
                           const GdipObject& attributes);
  bool DrawImagePointsRectI(const GdipImage& image, INT x1, INT y1, INT x2, INT y2, INT x3, INT y3, INT sourceX,
                            INT sourceY, INT sourceWidth, INT sourceHeight, Opt<Unit> sourceUnit,
                            const GdipObject& attributes);
  // `cachedBitmap` is any object holding a GDI+ cached bitmap; the position
  // is truncated toward zero.
  bool DrawCachedBitmap(const GdipObject& cachedBitmap, REAL x, REAL y);
  // Draws the source part of the image into the destination with its alpha
  // multiplied by `alpha` (0 to 1). Leaves LastStatus alone.
  void DrawImageAlpha(const GdipImage& image, REAL x, REAL y, REAL width, REAL height, REAL sourceX, REAL sourceY,
                      REAL sourceWidth, REAL sourceHeight, Opt<REAL> alpha = {});

  // Text. An empty string format stands for GDI+'s default format. The W
  // forms take the text as UTF-16 bytes ending with a zero unit.
  bool DrawString(const rt::Text& text, const GdipFont& font, const GdipBrush& brush, const RectF& layout,
                  const GdipStringFormat& format);
  bool DrawStringW(const rt::ByteArray& text, const GdipFont& font, const GdipBrush& brush, const RectF& layout,
                   const GdipStringFormat& format);
  // Writes the bounding box of the laid-out text into `bounds`.
  bool MeasureString(const rt::Text& text, const GdipFont& font, const RectF& layout, const GdipStringFormat& format,
                     RectF& bounds);
  bool MeasureStringW(const rt::ByteArray& text, const GdipFont& font, const RectF& layout,
                      const GdipStringFormat& format, RectF& bounds);
  // One region per character range set on the format (count of them). On
  // success the array is replaced by the measured regions; on failure it is
  // left as it was and nothing made for the call survives it.
  bool MeasureCharacterRanges(const rt::Text& text, const GdipFont& font, const RectF& layout,
                              const GdipStringFormat& format, int count, std::vector<GdipRegion>& regions);
  bool MeasureCharacterRangesW(const rt::ByteArray& text, const GdipFont& font, const RectF& layout,
                               const GdipStringFormat& format, int count, std::vector<GdipRegion>& regions);
  // Glyphs at given positions: one position per character, or only the
  // first with flag 4 (realized advance). Flags 1 = cmap lookup when omitted.
  bool DrawDriverString(const rt::Text& text, const GdipFont& font, const GdipBrush& brush,
                        std::span<const PointF> positions, Opt<int> flags, const GdipMatrix& matrix);
  bool DrawDriverStringW(const rt::ByteArray& text, const GdipFont& font, const GdipBrush& brush,
                         std::span<const PointF> positions, Opt<int> flags, const GdipMatrix& matrix);

  bool Comment(const rt::ByteArray& data);
  // Flush intention 0 = flush when omitted. Leaves LastStatus alone.
  void Flush(Opt<int> intention = {});

 private:
  struct AttributesRelease {
    void operator()(Gdiplus::GpImageAttributes* attributes) const noexcept;
  };
  using ImageAttributes = std::unique_ptr<Gdiplus::GpImageAttributes, AttributesRelease>;

  Gdiplus::GpGraphics* Native() const { return NativeAs<Gdiplus::GpGraphics>(); }
  bool DrawStringWith(const WideArg& text, const GdipFont& font, const GdipBrush& brush, const RectF& layout,
                      const GdipStringFormat& format);
  bool MeasureStringWith(const WideArg& text, const GdipFont& font, const RectF& layout,
                         const GdipStringFormat& format, RectF& bounds);
  bool MeasureRangesWith(const WideArg& text, const GdipFont& font, const RectF& layout,
                         const GdipStringFormat& format, int count, std::vector<GdipRegion>& regions);
  bool DrawDriverStringWith(const WideArg& text, const GdipFont& font, const GdipBrush& brush,
                            std::span<const PointF> positions, const Opt<int>& flags, const GdipMatrix& matrix);

  // Made by the first DrawImageAlpha, released with the surface.
  ImageAttributes imageAttributes_;
};

}  // namespace gdip
