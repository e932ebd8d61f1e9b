#include "skin/frames/frame_title.h"

#include <windows.h>

#include <algorithm>

#include "gdip/gdip_font.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "skin/core/child_clipping.h"
#include "skin/core/colour_convert.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_text.h"
#include "skin/core/skin_window_table.h"
#include "skin/core/window_queries.h"
#include "skin/frames/caption_button_paint.h"
#include "skin/frames/frame_globals.h"
#include "skin/frames/outlined_text.h"

namespace skin {

namespace {

constexpr int kTitleHeight = 42;
constexpr int kIconSize = 17;
// The outline and the halo reach up to two pixels beyond the layout.
constexpr int kInkMargin = 2;

// Everything a title paint may touch: the icon and the text with its ink
// margin. A repaint restores and shows exactly this.
RECT TitleArea(const SkinWindowRecord& record, const RectF& layout) {
  const int iconLeft = BorderZone + 6;
  const int layoutLeft = static_cast<int>(layout.x);
  const int left = record.hideIcon ? layoutLeft - kInkMargin : std::min(iconLeft, layoutLeft - kInkMargin);
  return RECT{std::max(left, 0), BorderZone, layoutLeft + static_cast<int>(layout.width) + kInkMargin,
              static_cast<int>(layout.y) + kTitleHeight + kInkMargin};
}

}  // namespace

RectF FrameTitleLayout(int windowIndex) {
  const SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  RECT client{};
  GetClientRect(record.hwnd, &client);
  const int width = static_cast<int>(client.right - record.buttonsWidth - 10 - 2 * BorderZone);
  const int left = BorderZone + (record.hideIcon ? 3 : 26);
  return RectF{static_cast<float>(left), static_cast<float>(BorderZone + 4), static_cast<float>(width),
               static_cast<float>(kTitleHeight)};
}

void DrawFrameTitle(int windowIndex, gdip::GdipGraphics& graphics, const std::optional<rt::Text>& text) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const RectF layout = FrameTitleLayout(windowIndex);
  if (!record.hideIcon) {
    DrawIconEx(record.backgroundDc.get(), BorderZone + 6, BorderZone + 1, AppIcon, kIconSize, kIconSize, 0, nullptr,
               DI_NORMAL);
  }
  const rt::Text title = text ? *text : GetWindowTextCopy(record.hwnd);
  const int style = record.titleFont.style != 0 ? 1 : 0;  // FontStyleBold
  const float size = static_cast<float>(record.titleFont.size);
  if (record.titleColour2 == static_cast<COLORREF>(-1)) {
    gdip::GdipFont font;
    gdip::GdipSolidBrush brush;
    font.CreateFromName(record.titleFont.face, size, gdip::FontStyle{style});
    brush.Create(ToArgb(record.titleColour, 255));
    graphics.DrawString(title, font, brush, layout, gdip::GdipStringFormat());
  } else if (record.titleEffect) {
    DrawSkinText(graphics, title, layout, record.titleColour, record.titleColour2, 4, record.titleFont.face, style,
                 size, 0, 0, 1, 0);
  } else {
    DrawOutlinedText(graphics, title, layout, record.titleColour, record.titleColour2, 1, record.titleFont.face, style,
                     size);
  }
}

void PaintFrameTitle(int windowIndex, const std::optional<rt::Text>& text) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (record.backgroundDc.get() == nullptr || record.captionDc.get() == nullptr) return;
  const RECT area = TitleArea(record, FrameTitleLayout(windowIndex));
  {
    gdip::GdipGraphics graphics;
    if (!graphics.CreateFromHdc(record.backgroundDc.get())) return;
    RestoreCaptionArea(windowIndex, area);
    DrawFrameTitle(windowIndex, graphics, text);
  }
  const int w = area.right - area.left, h = area.bottom - area.top;
  BitBlt(record.compositionDc.get(), area.left, area.top, w, h, record.backgroundDc.get(), area.left, area.top, SRCCOPY);
  rt::WindowDc window = GetDcWithoutChildren(record.hwnd);
  BitBlt(window.get(), area.left, area.top, w, h, record.backgroundDc.get(), area.left, area.top, SRCCOPY);
}

}  // namespace skin
