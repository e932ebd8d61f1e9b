#include "gdip/gdip_region.h"

#include <memory>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_matrix.h"
#include "gdip/gdip_path.h"

namespace gdip {

using Gdiplus::GpGraphics;
using Gdiplus::GpMatrix;
using Gdiplus::GpPath;
using Gdiplus::GpRegion;

namespace {

GpStatus DeleteRegion(void* native) { return flat::GdipDeleteRegion(static_cast<GpRegion*>(native)); }

// Region combinations intersect unless told otherwise.
Gdiplus::CombineMode CombineModeOf(const Opt<CombineMode>& mode) {
  return static_cast<Gdiplus::CombineMode>(mode.Or(CombineMode::Intersect));
}

GpGraphics* GraphicsOf(const GdipGraphics& graphics) { return NativeOf<GpGraphics>(graphics); }

// `answer` is read only after the call that fills it has run.
bool IsTrue(GpStatus status, const BOOL& answer) { return Record(status) && answer != FALSE; }

// The matrix the scans are read under: the given one, or an identity made
// for the call, since GDI+ may refuse a null matrix. The identity's own
// calls leave LastStatus to the scan calls.
class ScanMatrix {
 public:
  explicit ScanMatrix(const GdipMatrix& given) : given_(NativeOf<GpMatrix>(given)) {
    if (given_ != nullptr) return;
    GpMatrix* made = nullptr;
    if (RecordUnstored(flat::GdipCreateMatrix(&made))) identity_.reset(made);
  }
  GpMatrix* get() const { return given_ != nullptr ? given_ : identity_.get(); }

 private:
  struct MatrixRelease {
    void operator()(GpMatrix* matrix) const noexcept { RecordUnstored(flat::GdipDeleteMatrix(matrix)); }
  };

  GpMatrix* given_;
  std::unique_ptr<GpMatrix, MatrixRelease> identity_;
};

}  // namespace

GdipRegion::GdipRegion() : GdipObject(DeleteRegion) {}

bool GdipRegion::Delete() { return ReleaseNative(); }

bool GdipRegion::Create() {
  return CreateWith<GpRegion>([](GpRegion** out) { return flat::GdipCreateRegion(out); });
}

bool GdipRegion::CreateFromRect(const RectF& rect) {
  const Gdiplus::RectF native = ToNative(rect);
  return CreateWith<GpRegion>([&](GpRegion** out) { return flat::GdipCreateRegionRect(&native, out); });
}

bool GdipRegion::CreateFromRectI(const RectI& rect) {
  const Gdiplus::Rect native = ToNative(rect);
  return CreateWith<GpRegion>([&](GpRegion** out) { return flat::GdipCreateRegionRectI(&native, out); });
}

bool GdipRegion::CreateFromPath(const GdipPath& path) {
  return CreateWith<GpRegion>([&](GpRegion** out) { return flat::GdipCreateRegionPath(NativeOf<GpPath>(path), out); });
}

bool GdipRegion::CreateFromHrgn(HRGN region) {
  return CreateWith<GpRegion>([&](GpRegion** out) { return flat::GdipCreateRegionHrgn(region, out); });
}

bool GdipRegion::CreateFromRgnData(const rt::ByteArray& data, INT size) {
  // GDI+ reads `size` bytes: never more than the array holds.
  if (size < 0 || static_cast<std::size_t>(size) > data.size()) return RefuseArgument();
  const BYTE* bytes = data.empty() ? nullptr : data.data();
  return CreateWith<GpRegion>([&](GpRegion** out) { return flat::GdipCreateRegionRgnData(bytes, size, out); });
}

bool GdipRegion::CloneInto(GdipRegion& target) const {
  if (&target == this) return RefuseArgument();
  return target.CreateWith<GpRegion>([&](GpRegion** out) { return flat::GdipCloneRegion(Native(), out); });
}

bool GdipRegion::SetInfinite() { return Record(flat::GdipSetInfinite(Native())); }
bool GdipRegion::SetEmpty() { return Record(flat::GdipSetEmpty(Native())); }

bool GdipRegion::CombineRect(const RectF& rect, Opt<CombineMode> mode) {
  const Gdiplus::RectF native = ToNative(rect);
  return Record(flat::GdipCombineRegionRect(Native(), &native, CombineModeOf(mode)));
}

bool GdipRegion::CombineRectI(const RectI& rect, Opt<CombineMode> mode) {
  const Gdiplus::Rect native = ToNative(rect);
  return Record(flat::GdipCombineRegionRectI(Native(), &native, CombineModeOf(mode)));
}

bool GdipRegion::CombineRegion(const GdipRegion& other, Opt<CombineMode> mode) {
  return Record(flat::GdipCombineRegionRegion(Native(), other.Native(), CombineModeOf(mode)));
}

bool GdipRegion::CombinePath(const GdipPath& path, Opt<CombineMode> mode) {
  return Record(flat::GdipCombineRegionPath(Native(), NativeOf<GpPath>(path), CombineModeOf(mode)));
}

bool GdipRegion::Translate(REAL dx, REAL dy) { return Record(flat::GdipTranslateRegion(Native(), dx, dy)); }
bool GdipRegion::TranslateI(INT dx, INT dy) { return Record(flat::GdipTranslateRegionI(Native(), dx, dy)); }

bool GdipRegion::Transform(const GdipMatrix& matrix) {
  return Record(flat::GdipTransformRegion(Native(), NativeOf<GpMatrix>(matrix)));
}

RectF GdipRegion::GetBounds(const GdipGraphics& graphics) {
  Gdiplus::RectF bounds(0, 0, 0, 0);
  Record(flat::GdipGetRegionBounds(Native(), GraphicsOf(graphics), &bounds));
  return FromNative(bounds);
}

RectI GdipRegion::GetBoundsI(const GdipGraphics& graphics) {
  Gdiplus::Rect bounds(0, 0, 0, 0);
  Record(flat::GdipGetRegionBoundsI(Native(), GraphicsOf(graphics), &bounds));
  return FromNative(bounds);
}

UINT GdipRegion::GetDataSize() {
  UINT size = 0;
  Record(flat::GdipGetRegionDataSize(Native(), &size));
  return size;
}

rt::ByteArray GdipRegion::GetData(UINT bufferSize, UINT* filled) {
  rt::ByteArray data(bufferSize, 0);
  UINT written = 0;
  Record(flat::GdipGetRegionData(Native(), data.empty() ? nullptr : data.data(), bufferSize, &written));
  if (filled != nullptr) *filled = written;
  return data;
}

HRGN GdipRegion::GetHrgn(const GdipGraphics& graphics) {
  HRGN region = nullptr;
  Record(flat::GdipGetRegionHRgn(Native(), GraphicsOf(graphics), &region));
  return region;
}

bool GdipRegion::IsEmpty(const GdipGraphics& graphics) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsEmptyRegion(Native(), GraphicsOf(graphics), &answer), answer);
}

bool GdipRegion::IsInfinite(const GdipGraphics& graphics) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsInfiniteRegion(Native(), GraphicsOf(graphics), &answer), answer);
}

bool GdipRegion::IsEqual(const GdipRegion& other, const GdipGraphics& graphics) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsEqualRegion(Native(), other.Native(), GraphicsOf(graphics), &answer), answer);
}

bool GdipRegion::IsVisiblePoint(const PointF& point, const GdipGraphics& graphics) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsVisibleRegionPoint(Native(), point.x, point.y, GraphicsOf(graphics), &answer), answer);
}

bool GdipRegion::IsVisiblePointI(const PointI& point, const GdipGraphics& graphics) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsVisibleRegionPointI(Native(), point.x, point.y, GraphicsOf(graphics), &answer), answer);
}

bool GdipRegion::IsVisibleRect(const RectF& rect, const GdipGraphics& graphics) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsVisibleRegionRect(Native(), rect.x, rect.y, rect.width, rect.height,
                                              GraphicsOf(graphics), &answer),
                answer);
}

bool GdipRegion::IsVisibleRectI(const RectI& rect, const GdipGraphics& graphics) {
  BOOL answer = FALSE;
  return IsTrue(flat::GdipIsVisibleRegionRectI(Native(), rect.x, rect.y, rect.width, rect.height,
                                               GraphicsOf(graphics), &answer),
                answer);
}

int GdipRegion::GetScansCount(const GdipMatrix& matrix) {
  const ScanMatrix transform(matrix);
  UINT count = 0;
  Record(flat::GdipGetRegionScansCount(Native(), &count, transform.get()));
  return static_cast<int>(count);
}

template <class Record, class Call>
int GdipRegion::ReadScans(const GdipMatrix& matrix, std::vector<Record>& rects, Call read) {
  const ScanMatrix transform(matrix);
  UINT count = 0;
  if (!gdip::Record(flat::GdipGetRegionScansCount(Native(), &count, transform.get()))) return 0;
  rects.assign(count, Record{});
  NativeArray<Record> buffer{std::span<const Record>(rects)};
  INT readCount = buffer.count();
  gdip::Record(read(buffer.data(), &readCount, transform.get()));
  buffer.CopyBack(rects);
  return static_cast<int>(count);
}

int GdipRegion::GetScans(const GdipMatrix& matrix, std::vector<RectF>& rects) {
  return ReadScans(matrix, rects, [&](Gdiplus::RectF* buffer, INT* count, GpMatrix* transform) {
    return flat::GdipGetRegionScans(Native(), buffer, count, transform);
  });
}

int GdipRegion::GetScansI(const GdipMatrix& matrix, std::vector<RectI>& rects) {
  return ReadScans(matrix, rects, [&](Gdiplus::Rect* buffer, INT* count, GpMatrix* transform) {
    return flat::GdipGetRegionScansI(Native(), buffer, count, transform);
  });
}

}  // namespace gdip
