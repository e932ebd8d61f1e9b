// Helpers of the graphics-layer tests: GDI+ started for the program, a
// test-only wrapper kind, and plain flat-call owners for filling shapes
// without depending on the drawing wrappers.
#pragma once

#include <memory>

#include "gdip/gdip_object.h"
#include "tests/support/gdip_test_env.h"

namespace gdip_test {

inline bool RunningOnWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The flat calls an operation makes, counted around a statement.
class FlatCalls {
 public:
  FlatCalls() : start_(gdip::FlatCallCount()) {}
  unsigned long made() const { return gdip::FlatCallCount() - start_; }

 private:
  unsigned long start_;
};

struct GraphicsDelete {
  void operator()(Gdiplus::GpGraphics* g) const { gdip::flat::GdipDeleteGraphics(g); }
};
struct BrushDelete {
  void operator()(Gdiplus::GpSolidFill* b) const { gdip::flat::GdipDeleteBrush(b); }
};
struct BitmapHandleDelete {
  void operator()(HBITMAP b) const { DeleteObject(b); }
};
using GraphicsOwner = std::unique_ptr<Gdiplus::GpGraphics, GraphicsDelete>;
using BrushOwner = std::unique_ptr<Gdiplus::GpSolidFill, BrushDelete>;
using HbitmapOwner = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapHandleDelete>;

inline GraphicsOwner GraphicsOn(const gdip::GdipObject& image) {
  Gdiplus::GpGraphics* g = nullptr;
  gdip::flat::GdipGetImageGraphicsContext(gdip::NativeOf<Gdiplus::GpImage>(image), &g);
  return GraphicsOwner(g);
}

inline BrushOwner SolidBrush(gdip::ARGB colour) {
  Gdiplus::GpSolidFill* b = nullptr;
  gdip::flat::GdipCreateSolidFill(colour, &b);
  return BrushOwner(b);
}

}  // namespace gdip_test

namespace gdip_test {

// A wrapper of any native kind, for the argument objects whose classes the
// tests do not need (pens, font families, string formats).
template <class Native, Gdiplus::GpStatus(WINGDIPAPI* Release)(Native*)>
class TestObject : public gdip::GdipObject {
 public:
  TestObject() : GdipObject([](void* native) { return Release(static_cast<Native*>(native)); }) {}
};

using TestPen = TestObject<Gdiplus::GpPen, gdip::flat::GdipDeletePen>;
using TestFontFamily = TestObject<Gdiplus::GpFontFamily, gdip::flat::GdipDeleteFontFamily>;
using TestStringFormat = TestObject<Gdiplus::GpStringFormat, gdip::flat::GdipDeleteStringFormat>;

}  // namespace gdip_test
