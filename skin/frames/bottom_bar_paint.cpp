#include "skin/frames/bottom_bar_paint.h"

#include "gdip/gdip_font.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/fatal_error.h"
#include "runtime/gdi_object.h"
#include "skin/core/colour_convert.h"
#include "skin/core/engine_globals.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_text.h"
#include "skin/core/skin_window_table.h"

namespace skin {

void RestoreBottomBarArea(int windowIndex, const RECT& rect) {
  const SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (record.bottomDc.get() == nullptr) return;
  BitBlt(record.backgroundDc.get(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, record.bottomDc.get(),
         rect.left - record.bottomBarRect.x, rect.top - record.bottomBarRect.y, SRCCOPY);
}

void DrawBottomBarItem(int windowIndex, gdip::GdipGraphics& graphics, std::optional<int> itemIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const int index = itemIndex.value_or(1);
  const XywhRect& cell = rt::At1(record.bottomItemRects, static_cast<std::size_t>(index), "bottom-bar cells");
  const BottomBarItem& item = rt::At1(record.bottomItems, static_cast<std::size_t>(index), "bottom-bar items");
  const float x = static_cast<float>(cell.x), y = static_cast<float>(cell.y), w = static_cast<float>(cell.width);
  const float h = static_cast<float>(record.bottomBarHeight);

  FillRectGradient(graphics, {x, y + 1, w, h - 1}, PointF{x, y}, PointF{x, y + h}, ToArgb(kWhite, 60),
                   ToArgb(kWhite, 10));

  RectF textBox{x + 3, y + 2, w - 3, h};
  if (!item.image.empty()) {
    gdip::GdipImage* picture = item.decoded.Get(item.image);
    float iw = 0, ih = 0;
    if (picture != nullptr) {
      iw = static_cast<float>(picture->GetWidth());
      ih = static_cast<float>(picture->GetHeight());
      // A picture as high as the bar or higher becomes a square of 70 %.
      if (ih >= h) iw = ih = static_cast<float>(static_cast<int>(h * 0.7));
      graphics.DrawImageRect(*picture, x + 2, y + (h - ih) / 2, iw, ih);
    }
    textBox = RectF{x + iw + 5, y + 2, w - iw - 5, h};
  }

  const COLORREF colour = record.bottomThemeColour ? ~ThemeColour & 0xFFFFFF : item.textColour;
  if (record.bottomTextHalo) {
    DrawSkinText(graphics, item.text, textBox, record.bottomTextColour, record.bottomTextColour2, 4,
                 record.bottomFont.face, 0, static_cast<float>(record.bottomFont.size), 0, 1, 1);
  } else {
    gdip::GdipSolidBrush brush;
    gdip::GdipFont font;
    gdip::GdipStringFormat format;
    brush.Create(ToArgb(colour, 255));
    font.CreateFromName(record.bottomFont.face, static_cast<float>(record.bottomFont.size), gdip::FontStyle::Regular,
                        gdip::Unit::Pixel);
    format.Create(gdip::StringFormatFlags::None);
    format.SetAlign(gdip::StringAlignment::Near);
    format.SetLineAlign(gdip::StringAlignment::Center);
    graphics.DrawString(item.text, font, brush, textBox, format);
  }
}

void PaintBottomBarItem(int windowIndex, std::optional<int> itemIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const int index = itemIndex.value_or(1);
  const XywhRect& cell = rt::At1(record.bottomItemRects, static_cast<std::size_t>(index), "bottom-bar cells");
  rt::At1(record.bottomItems, static_cast<std::size_t>(index), "bottom-bar items");  // fatal when outside, composed or not
  if (record.backgroundDc.get() == nullptr || record.bottomDc.get() == nullptr) return;
  const int height = record.bottomBarHeight;
  {
    gdip::GdipGraphics graphics;
    if (!graphics.CreateFromHdc(record.backgroundDc.get())) return;
    RestoreBottomBarArea(windowIndex, RECT{cell.x, cell.y, cell.x + cell.width, cell.y + height});
    DrawBottomBarItem(windowIndex, graphics, index);
  }
  BitBlt(record.compositionDc.get(), cell.x, cell.y, cell.width, height, record.backgroundDc.get(), cell.x, cell.y, SRCCOPY);
  rt::WindowDc window(record.hwnd);
  BitBlt(window.get(), cell.x, cell.y, cell.width, height, record.backgroundDc.get(), cell.x, cell.y, SRCCOPY);
}

}  // namespace skin
