// Wrapper of a GDI+ font collection. The layer never makes one: an empty
// collection stands for the installed fonts wherever a collection is
// asked for. A collection handed over with SetHandle is owned and released
// with the object, unless it is GDI+'s own collection of installed fonts.
#pragma once

#include <vector>

#include "gdip/gdip_font_family.h"
#include "gdip/gdip_object.h"

namespace gdip {

class GdipFontCollection : public GdipObject {
 public:
  GdipFontCollection();
  GdipFontCollection(GdipFontCollection&&) noexcept = default;
  GdipFontCollection& operator=(GdipFontCollection&&) noexcept = default;

  int GetFamilyCount();
  // Replaces the array by count families, each owning its own reference to
  // a family of the collection (empty beyond those found), and returns the
  // number found. A count below 1 is refused and leaves the array as it was.
  int GetFamilies(int count, std::vector<GdipFontFamily>& families);

 private:
  Gdiplus::GpFontCollection* Native() const { return NativeAs<Gdiplus::GpFontCollection>(); }
};

}  // namespace gdip
