#include "gdip/gdip_matrix.h"

namespace gdip {

namespace {

GpStatus DeleteMatrix(void* native) {
  return flat::GdipDeleteMatrix(static_cast<Gdiplus::GpMatrix*>(native));
}

Gdiplus::GpMatrixOrder OrderOf(const Opt<int>& order) {
  return static_cast<Gdiplus::GpMatrixOrder>(order.value);
}

}  // namespace

GdipMatrix::GdipMatrix() : GdipObject(DeleteMatrix) {}

bool GdipMatrix::Delete() { return ReleaseNative(); }

bool GdipMatrix::Create() {
  return CreateWith<Gdiplus::GpMatrix>([](Gdiplus::GpMatrix** out) { return flat::GdipCreateMatrix(out); });
}

bool GdipMatrix::Translate(REAL dx, REAL dy, Opt<int> order) {
  return Record(flat::GdipTranslateMatrix(Native(), dx, dy, OrderOf(order)));
}

bool GdipMatrix::Rotate(REAL angle, Opt<int> order) {
  return Record(flat::GdipRotateMatrix(Native(), angle, OrderOf(order)));
}

}  // namespace gdip
