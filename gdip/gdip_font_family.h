// Owning wrapper of a GDI+ font family: looked up by name among the
// installed fonts (or a collection's), read for its name and design
// metrics, and handed to GdipFont to make a font of a given size.
#pragma once

#include "gdip/gdip_object.h"
#include "runtime/byte_array.h"

namespace gdip {

class GdipFontCollection;

class GdipFontFamily : public GdipObject {
 public:
  GdipFontFamily();
  GdipFontFamily(GdipFontFamily&&) noexcept = default;
  GdipFontFamily& operator=(GdipFontFamily&&) noexcept = default;

  bool Delete();
  // The family of that name in the collection; an empty collection stands
  // for the installed fonts.
  bool CreateFromName(const rt::Text& name, const GdipFontCollection& collection);
  // The name as UTF-16 bytes ending with a zero unit.
  bool CreateFromNameW(const rt::ByteArray& wideName, const GdipFontCollection& collection);
  // An independent copy of this family in the target.
  bool CloneInto(GdipFontFamily& target) const;
  bool CreateGenericSansSerif();
  bool CreateGenericSerif();
  bool CreateGenericMonospace();

  // The family name in the program's code page; empty when none is known.
  rt::Text GetName();
  // The 64 bytes (32 UTF-16 units) of the family name as GDI+ writes it.
  rt::ByteArray GetNameW();
  bool IsStyleAvailable(FontStyle style);
  // Design-unit metrics of the given style.
  UINT16 GetEmHeight(FontStyle style);
  UINT16 GetCellAscent(FontStyle style);
  UINT16 GetCellDescent(FontStyle style);
  UINT16 GetLineSpacing(FontStyle style);

 private:
  Gdiplus::GpFontFamily* Native() const { return NativeAs<Gdiplus::GpFontFamily>(); }
  bool CreateFromWide(const WCHAR* name, const GdipFontCollection& collection);
};

}  // namespace gdip
