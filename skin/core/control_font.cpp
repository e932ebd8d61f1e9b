#include "skin/core/control_font.h"

#include <cmath>
#include <utility>

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

namespace {

// Measured on a memory DC of the screen, with GDI+'s default layout.
int MeasureWidth(const rt::Text& text, const gdip::GdipFont& font) {
  rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc.get());
  const gdip::GdipStringFormat noFormat;  // GDI+'s default layout
  gdip::RectF bounds;
  graphics.MeasureString(text, font, gdip::RectF{}, noFormat, bounds);
  return static_cast<int>(bounds.width) + 1;
}

}  // namespace

int MeasureTextWidth(const rt::Text& text, const rt::Text& face, int size, int style) {
  gdip::GdipFont font;
  font.CreateFromName(face, static_cast<float>(size), gdip::FontStyle{style});
  return MeasureWidth(text, font);
}

int MeasureTextWidth(const rt::Text& text, const FontSpec& font, const KeptFont& kept) {
  const gdip::GdipFont* made = kept.Get(font);
  if (made == nullptr) return MeasureWidth(text, gdip::GdipFont());
  return MeasureWidth(text, *made);
}

const gdip::GdipFont* KeptFont::Get(const rt::Text& face, float size, int style, gdip::Unit unit) const {
  if (!font_ || face != face_ || size != size_ || style != style_ || unit != unit_) {
    auto font = std::make_shared<gdip::GdipFont>();
    if (!font->CreateFromName(face, size, gdip::FontStyle{style}, unit)) font.reset();
    font_ = std::move(font);
    face_ = face;
    size_ = size;
    style_ = style;
    unit_ = unit;
  }
  return font_.get();
}

void KeptFont::Forget() const { font_.reset(); }

}  // namespace skin
