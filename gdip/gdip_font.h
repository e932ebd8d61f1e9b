// Owning wrapper of a GDI+ font: made from a family name, a family object,
// a window font, a device context or a LOGFONT, and read back for its size,
// style, unit, height, LOGFONT and family.
//
// An em size of 0 or less makes no font: such a request is refused before
// GDI+ is asked, the same on every platform.
#pragma once

#include "gdip/gdip_object.h"
#include "runtime/byte_array.h"

namespace gdip {

class GdipFontFamily;
class GdipGraphics;

class GdipFont : public GdipObject {
 public:
  GdipFont();
  GdipFont(GdipFont&&) noexcept = default;
  GdipFont& operator=(GdipFont&&) noexcept = default;

  bool Delete();
  // Regular style and world unit when omitted.
  bool Create(const GdipFontFamily& family, REAL emSize, Opt<FontStyle> style = {}, Opt<Unit> unit = {});
  // The font currently selected into the device context.
  bool CreateFromDc(HDC hdc);
  // An independent copy of this font in the target.
  bool CloneInto(GdipFont& target) const;

  FontStyle GetStyle();
  REAL GetSize();
  Unit GetUnit();
  // Line spacing in the graphics' unit.
  REAL GetHeight(const GdipGraphics& graphics);
  REAL GetHeightGivenDpi(REAL dpi);

  // A null LOGFONT makes the font from the device context instead.
  bool CreateFromLogfontA(HDC hdc, const LOGFONTA* logfont);
  bool CreateFromLogfontW(HDC hdc, const LOGFONTW* logfont);
  // A font of an installed family; false (and no font) when the family is
  // not installed.
  bool CreateFromName(const rt::Text& familyName, REAL emSize, Opt<FontStyle> style = {}, Opt<Unit> unit = {});
  // The family name as UTF-16 bytes ending with a zero unit.
  bool CreateFromNameW(const rt::ByteArray& wideFamilyName, REAL emSize, Opt<FontStyle> style = {},
                       Opt<Unit> unit = {});
  // The font of a window (as WM_GETFONT gives it); handle 0, or a handle
  // that is no font, takes the device context's font.
  bool CreateFromHfont(HDC hdc, HFONT font);
  // The system's default GUI font, measured on the screen.
  bool CreateDefaultGui();

  // Writes the font's LOGFONTA into the array, which must hold one.
  bool GetLogFontA(const GdipGraphics& graphics, rt::ByteArray& logfont);
  bool GetLogFontW(const GdipGraphics& graphics, LOGFONTW* logfont);
  // The font's family goes into the given object.
  bool GetFamily(GdipFontFamily& family);

 private:
  Gdiplus::GpFont* Native() const { return NativeAs<Gdiplus::GpFont>(); }
  bool CreateFromLogfontOrDc(HDC hdc, const LOGFONTA* logfont);
};

}  // namespace gdip
