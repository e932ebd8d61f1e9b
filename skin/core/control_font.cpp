#include "skin/core/control_font.h"

#include <cmath>

#include "gdip/gdip_font.h"
#include "gdip/gdip_font_family.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"

namespace skin {

FontSpec GetControlFont(HWND window) {
  const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (!font) return {kDefaultFontFace, kDefaultFontSize, 0};

  rt::WindowDc dc(window);
  gdip::GdipFont gdiplusFont;
  gdiplusFont.CreateFromHfont(dc.get(), font);
  float size = gdiplusFont.GetSize();
  if (std::fabs(size) <= 1e-7f) size = kDefaultFontSize;

  gdip::GdipFontFamily family;
  gdiplusFont.GetFamily(family);
  rt::Text face = family.GetName();
  if (face.empty()) face = kDefaultFontFace;
  return {std::move(face), static_cast<int>(size), gdip::ToInt(gdiplusFont.GetStyle())};
}

int MeasureTextWidth(const rt::Text& text, const rt::Text& face, int size, int style) {
  rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc.get());
  gdip::GdipFont font;
  font.CreateFromName(face, static_cast<float>(size), gdip::FontStyle{style});
  const gdip::GdipStringFormat noFormat;  // GDI+'s default layout
  gdip::RectF bounds;
  graphics.MeasureString(text, font, gdip::RectF{}, noFormat, bounds);
  return static_cast<int>(bounds.width) + 1;
}

}  // namespace skin
