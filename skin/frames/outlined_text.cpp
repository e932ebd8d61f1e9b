#include "skin/frames/outlined_text.h"

#include "gdip/gdip_font.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "skin/core/colour_convert.h"

namespace skin {

namespace {

struct TextTools {
  gdip::GdipFont font;
  gdip::GdipStringFormat format;
  gdip::GdipSolidBrush brush;
};

}  // namespace

void DrawOutlinedText(gdip::GdipGraphics& graphics, const rt::Text& text, const RectF& layout,
                      COLORREF textColour, COLORREF outlineColour, std::optional<int> width,
                      std::optional<rt::Text> face, std::optional<int> style, std::optional<float> size,
                      std::optional<int> align, std::optional<int> lineAlign, std::optional<bool> wrap,
                      std::optional<bool> trimming) {
  const float shift = static_cast<float>(width.value_or(1));
  const auto make = [&](COLORREF colour, int alpha) {
    TextTools tools;
    tools.font.CreateFromName(face.value_or("宋体"), size.value_or(13.0f), gdip::FontStyle{style.value_or(0)});
    const gdip::StringFormatFlags lineLimit = gdip::StringFormatFlags::LineLimit;
    tools.format.Create(wrap.value_or(true) ? lineLimit : gdip::StringFormatFlags::NoWrap | lineLimit);
    if (trimming.value_or(false)) tools.format.SetTrimming(gdip::StringTrimming::EllipsisCharacter);
    tools.format.SetAlign(gdip::StringAlignment{align.value_or(0)});
    tools.format.SetLineAlign(gdip::StringAlignment{lineAlign.value_or(0)});
    tools.brush.Create(ToArgb(colour, alpha));
    return tools;
  };
  {
    TextTools outline = make(outlineColour, 150);
    const RectF shifted[] = {{layout.x + shift, layout.y, layout.width, layout.height},
                             {layout.x - shift, layout.y, layout.width, layout.height},
                             {layout.x, layout.y + shift, layout.width, layout.height},
                             {layout.x, layout.y - shift, layout.width, layout.height}};
    for (const RectF& r : shifted) graphics.DrawString(text, outline.font, outline.brush, r, outline.format);
  }
  TextTools ink = make(textColour, 255);
  graphics.DrawString(text, ink.font, ink.brush, layout, ink.format);
}

}  // namespace skin
