// The engine's halo text: a soft glow of the halo colour behind the
// glyphs, a one-pixel four-way outline at alpha 60, and the text itself,
// one pixel right of and below the box's corner.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_string_format.h"
#include "runtime/byte_array.h"
#include "skin/core/control_font.h"
#include "skin/core/font_spec.h"
#include "skin/core/skin_geometry.h"

namespace skin {

// How a painter lays its text out: what a string format is made from.
// The defaults are those of a freshly made format.
struct TextLayout {
  gdip::StringFormatFlags flags = gdip::StringFormatFlags::None;
  gdip::StringAlignment align = gdip::StringAlignment::Near;
  gdip::StringAlignment lineAlign = gdip::StringAlignment::Near;
  gdip::StringTrimming trimming = gdip::StringTrimming::Character;
  gdip::HotkeyPrefix hotkeyPrefix = gdip::HotkeyPrefix::None;

  friend bool operator==(const TextLayout&, const TextLayout&) = default;
};

// A new string format of that layout.
gdip::GdipStringFormat MakeStringFormat(const TextLayout& layout);

// A string format kept by the record that draws with it, made again only
// when the layout asked for changes.
class KeptStringFormat {
 public:
  // nullptr when GDI+ could not make it (asked again next time).
  const gdip::GdipStringFormat* Get(const TextLayout& layout) const;
  // Lets go of the format (before GDI+ shuts down).
  void Forget() const;

 private:
  mutable TextLayout layout_;
  // Shared, so the record that holds this stays copyable.
  mutable std::shared_ptr<gdip::GdipStringFormat> format_;
};

// Draws `text` into `box` on `target`. Not given: blur divisor 4 (the
// glow is drawn at 1/divisor size and enlarged; below 1 counts as 1),
// face "宋体", style 0, size 12, wrap on. Alignments are GDI+
// StringAlignment values. Without wrap the text stays on one line cut at
// the box; `ellipsis` ends a cut text with an ellipsis. A given format
// replaces the one built from these settings; a given kept font is used
// in place of one made for this drawing. A box less than a pixel
// wide or high draws nothing. Leaves the target's text rendering hint at
// anti-alias grid fit.
// What a record keeps to draw its text between paints: the font and the
// string format, each made again when what it is made from changes.
struct TextKit {
  KeptFont font;
  KeptStringFormat format;

  void Forget() const {
    font.Forget();
    format.Forget();
  }
};

// Draws `text` in `font` at `unit` with `layout` and a solid `colour`,
// with the kit's kept font and format, or with ones made for this drawing
// when `kit` is null: the two draw the same pixels. Nothing is drawn when
// the face is not installed.
void DrawPlainText(gdip::GdipGraphics& graphics, const rt::Text& text, const FontSpec& font, gdip::Unit unit,
                   const TextLayout& layout, gdip::ARGB colour, const gdip::RectF& box, const TextKit* kit);

void DrawSkinText(gdip::GdipGraphics& target, const rt::Text& text, const RectF& box, COLORREF textColour,
                  COLORREF haloColour, std::optional<int> blurScale = std::nullopt,
                  std::optional<rt::Text> face = std::nullopt, std::optional<int> style = std::nullopt,
                  std::optional<float> size = std::nullopt, int alignment = 0, int lineAlignment = 0,
                  std::optional<int> wrap = std::nullopt, int ellipsis = 0,
                  const gdip::GdipStringFormat* format = nullptr, const KeptFont* keptFont = nullptr);

}  // namespace skin
