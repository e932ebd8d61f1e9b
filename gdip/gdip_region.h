// Owning wrapper of a GDI+ region: an area built from rectangles and paths
// and combined by set operations. GdipGraphics::MeasureCharacterRanges
// fills regions, one per measured character range.
//
// An omitted combine mode intersects. The graphics argument of the
// queries gives the device the answer is computed for.
#pragma once

#include <vector>

#include "gdip/gdip_object.h"
#include "runtime/byte_array.h"

namespace gdip {

class GdipGraphics;
class GdipMatrix;
class GdipPath;

class GdipRegion : public GdipObject {
 public:
  GdipRegion();
  GdipRegion(GdipRegion&&) noexcept = default;
  GdipRegion& operator=(GdipRegion&&) noexcept = default;

  // Whether the wrapper holds no region; IsEmpty(graphics) below asks
  // whether a held region covers no area.
  using GdipObject::IsEmpty;

  bool Delete();
  // An infinite region.
  bool Create();
  bool CreateFromRect(const RectF& rect);
  bool CreateFromPath(const GdipPath& path);
  // The GDI region stays the caller's.
  bool CreateFromHrgn(HRGN region);
  // Region data as GetData gives it; size must not exceed the array.
  bool CreateFromRgnData(const rt::ByteArray& data, INT size);
  // An independent copy of this region in the target.
  bool CloneInto(GdipRegion& target) const;
  bool SetInfinite();
  bool SetEmpty();
  bool CombineRect(const RectF& rect, Opt<CombineMode> mode = {});
  bool CombineRegion(const GdipRegion& other, Opt<CombineMode> mode = {});
  bool CombinePath(const GdipPath& path, Opt<CombineMode> mode = {});
  bool Translate(REAL dx, REAL dy);
  bool Transform(const GdipMatrix& matrix);
  RectF GetBounds(const GdipGraphics& graphics);
  UINT GetDataSize();
  // A zero-filled array of bufferSize bytes that GDI+ writes the region
  // data into; *filled receives the bytes written when given.
  rt::ByteArray GetData(UINT bufferSize, UINT* filled = nullptr);
  // A new GDI region owned by the caller, 0 on failure.
  HRGN GetHrgn(const GdipGraphics& graphics);
  bool IsEmpty(const GdipGraphics& graphics);
  bool IsInfinite(const GdipGraphics& graphics);
  bool IsEqual(const GdipRegion& other, const GdipGraphics& graphics);
  bool IsVisiblePoint(const PointF& point, const GdipGraphics& graphics);
  bool IsVisibleRect(const RectF& rect, const GdipGraphics& graphics);
  // Replaces the array by the region's scan rectangles under the matrix
  // (the identity when the matrix is empty) and returns their count; 0 with
  // the array untouched when the count cannot be read.
  int GetScans(const GdipMatrix& matrix, std::vector<RectF>& rects);

  bool CreateFromRectI(const RectI& rect);
  bool CombineRectI(const RectI& rect, Opt<CombineMode> mode = {});
  bool TranslateI(INT dx, INT dy);
  RectI GetBoundsI(const GdipGraphics& graphics);
  bool IsVisiblePointI(const PointI& point, const GdipGraphics& graphics);
  bool IsVisibleRectI(const RectI& rect, const GdipGraphics& graphics);
  int GetScansI(const GdipMatrix& matrix, std::vector<RectI>& rects);
  int GetScansCount(const GdipMatrix& matrix);

 private:
  Gdiplus::GpRegion* Native() const { return NativeAs<Gdiplus::GpRegion>(); }
  template <class Record, class Call>
  int ReadScans(const GdipMatrix& matrix, std::vector<Record>& rects, Call read);
};

}  // namespace gdip
