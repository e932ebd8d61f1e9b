// A control's font as the GDI+ painters use it, and text widths in a font.
#pragma once

#include <windows.h>

#include <memory>

#include "gdip/gdip_font.h"
#include "runtime/byte_array.h"
#include "skin/core/font_spec.h"

namespace skin {

// The face, whole em size and GDI+ style of the window's WM_GETFONT font;
// "宋体", 12, regular when it has none (or GDI+ cannot say).
FontSpec GetControlFont(HWND window);

// The laid-out width of the text in that font on the screen, in whole
// pixels plus one.
int MeasureTextWidth(const rt::Text& text, const rt::Text& face, int size, int style);

// A GDI+ font kept by the record that draws with it: making one by family
// name costs more than drawing a short caption, so it is made again only
// when the face, size, style or unit asked for changes.
class KeptFont {
 public:
  // The font of that face, em size, style and unit; nullptr when the face
  // is not installed (asked again next time). The kept font is a cache, so
  // a const owner may fill it.
  const gdip::GdipFont* Get(const rt::Text& face, float size, int style, gdip::Unit unit = gdip::Unit::World) const;
  const gdip::GdipFont* Get(const FontSpec& font, gdip::Unit unit = gdip::Unit::World) const {
    return Get(font.face, static_cast<float>(font.size), font.style, unit);
  }

  // Lets go of the font (before GDI+ shuts down); the next Get makes it again.
  void Forget() const;

 private:
  mutable rt::Text face_;
  mutable float size_ = 0;
  mutable int style_ = 0;
  mutable gdip::Unit unit_ = gdip::Unit::World;
  // Shared, so the record that holds this stays copyable.
  mutable std::shared_ptr<gdip::GdipFont> font_;
};

// The same width, measured with the kept font of that face, size and style.
int MeasureTextWidth(const rt::Text& text, const FontSpec& font, const KeptFont& kept);

}  // namespace skin
