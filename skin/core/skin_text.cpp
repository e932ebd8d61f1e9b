#include "skin/core/skin_text.h"

#include <algorithm>
#include <utility>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_font.h"
#include "gdip/gdip_solid_brush.h"
#include "skin/core/colour_convert.h"
#include "skin/core/font_spec.h"
#include "skin/core/paint_kit.h"

namespace skin {

namespace {

constexpr int kOutlineAlpha = 60;
constexpr int kTextAlpha = 254;

gdip::GdipStringFormat BuildFormat(int alignment, int lineAlignment, int wrap, int ellipsis) {
  gdip::GdipStringFormat format;
  format.Create(gdip::StringFormatFlags::LineLimit);
  if (ellipsis) format.SetTrimming(gdip::StringTrimming::EllipsisCharacter);
  if (wrap == 0) format.SetFlags(gdip::StringFormatFlags::NoWrap | gdip::StringFormatFlags::LineLimit);
  format.SetAlign(gdip::StringAlignment{alignment});
  format.SetLineAlign(gdip::StringAlignment{lineAlignment});
  return format;
}

// Draws `source` scaled into a new bitmap of width x height at (x, y).
gdip::GdipBitmap Rescale(gdip::GdipBitmap& source, int width, int height, float x, float y, float drawWidth,
                         float drawHeight) {
  gdip::GdipBitmap result;
  result.Create(width, height);
  gdip::GdipGraphics graphics;
  graphics.CreateFromImage(result);
  SetSmoothQuality(graphics);
  graphics.DrawImageRect(source, x, y, drawWidth, drawHeight);
  return result;
}

// The text drawn in the halo colour, shrunk by the divisor and enlarged
// again: a blur whose softness grows with the divisor.
gdip::GdipBitmap MakeGlow(const rt::Text& text, const gdip::GdipFont& font, const gdip::GdipStringFormat& format,
                          COLORREF haloColour, int width, int height, int divisor) {
  gdip::GdipBitmap sharp;
  sharp.Create(width, height);
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromImage(sharp);
    gdip::GdipSolidBrush halo;
    halo.Create(ToArgb(haloColour, 255));
    graphics.DrawString(text, font, halo, gdip::RectF{0, 0, float(width), float(height)}, format);
  }
  const int smallWidth = width / divisor, smallHeight = height / divisor;
  gdip::GdipBitmap small = Rescale(sharp, smallWidth, smallHeight, 0, 0, float(smallWidth), float(smallHeight));
  return Rescale(small, width, height, 1, 1, float(width), float(height));
}

}  // namespace

gdip::GdipStringFormat MakeStringFormat(const TextLayout& layout) {
  const TextLayout fresh;
  gdip::GdipStringFormat format;
  if (!format.Create(layout.flags)) return format;
  if (layout.align != fresh.align) format.SetAlign(layout.align);
  if (layout.lineAlign != fresh.lineAlign) format.SetLineAlign(layout.lineAlign);
  if (layout.trimming != fresh.trimming) format.SetTrimming(layout.trimming);
  if (layout.hotkeyPrefix != fresh.hotkeyPrefix) format.SetHotkeyPrefix(layout.hotkeyPrefix);
  return format;
}

const gdip::GdipStringFormat* KeptStringFormat::Get(const TextLayout& layout) const {
  if (!format_ || !(layout == layout_)) {
    auto format = std::make_shared<gdip::GdipStringFormat>(MakeStringFormat(layout));
    if (format->IsEmpty()) format.reset();
    format_ = std::move(format);
    layout_ = layout;
  }
  return format_.get();
}

void KeptStringFormat::Forget() const { format_.reset(); }

void DrawPlainText(gdip::GdipGraphics& graphics, const rt::Text& text, const FontSpec& font, gdip::Unit unit,
                   const TextLayout& layout, gdip::ARGB colour, const gdip::RectF& box, const TextKit* kit) {
  gdip::GdipFont ownFont;
  gdip::GdipStringFormat ownFormat;
  const gdip::GdipFont* useFont = nullptr;
  const gdip::GdipStringFormat* useFormat = nullptr;
  if (kit != nullptr) {
    useFont = kit->font.Get(font, unit);
    useFormat = kit->format.Get(layout);
  } else {
    if (ownFont.CreateFromName(font.face, static_cast<float>(font.size), gdip::FontStyle{font.style}, unit))
      useFont = &ownFont;
    ownFormat = MakeStringFormat(layout);
    if (!ownFormat.IsEmpty()) useFormat = &ownFormat;
  }
  if (useFont == nullptr || useFormat == nullptr) return;
  gdip::GdipSolidBrush brush;
  if (brush.Create(colour)) graphics.DrawString(text, *useFont, brush, box, *useFormat);
}

void DrawSkinText(gdip::GdipGraphics& target, const rt::Text& text, const RectF& box, COLORREF textColour,
                  COLORREF haloColour, std::optional<int> blurScale, std::optional<rt::Text> face,
                  std::optional<int> style, std::optional<float> size, int alignment, int lineAlignment,
                  std::optional<int> wrap, int ellipsis, const gdip::GdipStringFormat* format,
                  const KeptFont* keptFont) {
  const int width = static_cast<int>(box.width);
  const int height = static_cast<int>(box.height);
  // GDI+ would read an empty layout as "no bounds" and draw anywhere.
  if (width <= 0 || height <= 0) return;
  const int divisor = std::max(blurScale.value_or(4), 1);

  gdip::GdipStringFormat built;
  if (!format) {
    built = BuildFormat(alignment, lineAlignment, wrap.value_or(1), ellipsis);
    format = &built;
  }
  gdip::GdipFont made;
  const rt::Text faceName = face.value_or(kDefaultFontFace);
  const float emSize = size.value_or(static_cast<float>(kDefaultFontSize));
  const gdip::GdipFont* kept = keptFont != nullptr ? keptFont->Get(faceName, emSize, style.value_or(0)) : nullptr;
  if (kept == nullptr) made.CreateFromName(faceName, emSize, gdip::FontStyle{style.value_or(0)});
  const gdip::GdipFont& font = kept != nullptr ? *kept : made;

  gdip::GdipBitmap glow = MakeGlow(text, font, *format, haloColour, width, height, divisor);
  target.DrawImage(glow, box.x, box.y);

  target.SetTextRenderingHint(gdip::TextRenderingHint::AntiAliasGridFit);
  gdip::GdipSolidBrush outline;
  outline.Create(ToArgb(haloColour, kOutlineAlpha));
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const gdip::RectF around[] = {
      {box.x, box.y + 1, w, h}, {box.x + 2, box.y + 1, w, h}, {box.x + 1, box.y, w, h}, {box.x + 1, box.y + 2, w, h}};
  for (const gdip::RectF& r : around) target.DrawString(text, font, outline, r, *format);

  gdip::GdipSolidBrush ink;
  ink.Create(ToArgb(textColour, kTextAlpha));
  target.DrawString(text, font, ink, gdip::RectF{box.x + 1, box.y + 1, w, h}, *format);
}

}  // namespace skin
