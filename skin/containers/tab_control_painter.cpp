#include "skin/containers/tab_control_painter.h"

#include <commctrl.h>

#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/tab_outline.h"
#include "skin/core/control_links.h"
#include "skin/core/child_clipping.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/control_font.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/paint_kit.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

constexpr int kCorner = 5;
constexpr int kInnerCorner = 3;

// The tab control's own container record, as its properties name it.
const ContainerRecord* OwnRecord(HWND tab) { return FindControlLink(tab, &SkinWindowRecord::containers).record; }

// The tint laid over the tabs and the join: the record's, unless the tab
// control sits inside another registered container (which tints it).
bool TintApplies(HWND tab, const ContainerRecord* record) {
  if (record == nullptr || record->tintColour == 0) return false;
  return IsContainerOf(static_cast<int>(prop::Read(tab, prop::kHostIndex)), GetParent(tab)) == 0;
}

// The outline of a tab whose rectangle is (x, y, w, h).
void AddTabOutline(gdip::GdipPath& path, TabSide side, int x, int y, int w, int h) {
  switch (side) {
    case TabSide::Top:
      AddTopTabOutline(path, x, y, w - 1, h - 1, kCorner);
      break;
    case TabSide::Left:
      AddLeftTabOutline(path, x, y, w - 1, h - 1, kCorner);
      break;
    case TabSide::Bottom:
      AddBottomTabOutline(path, x, y, w - 1, h - 1, kCorner);
      break;
    case TabSide::Right:
      AddRightTabOutline(path, x + 1, y, w, h - 1, kCorner);
      break;
  }
}

bool TopOrLeft(TabSide side) { return side == TabSide::Top || side == TabSide::Left; }

void DrawTab(gdip::GdipGraphics& graphics, HWND tab, const char* text, const RECT& r, bool selected, TabSide side) {
  const int x = r.left, y = r.top, w = r.right - r.left, h = r.bottom - r.top;
  const ContainerRecord* record = OwnRecord(tab);
  const int alpha = record != nullptr ? record->alpha : 255;

  gdip::GdipPath path;
  path.Create();
  AddTabOutline(path, side, x, y, w, h);
  const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
  const auto fw = static_cast<float>(w), fh = static_cast<float>(h);
  const bool across = side == TabSide::Top || side == TabSide::Bottom;  // gradient runs downwards

  if (!selected) {
    FillPathSolid(graphics, path, ToArgb(kWhite, 80));
    PointF from = MakePair(fx, fy), to = across ? MakePair(fx, fy + fh) : MakePair(fx + fw, fy);
    if (side == TabSide::Right) {
      from = MakePair(fx + 1, fy);
      to = MakePair(fx + fw - 1, fy);
    }
    if (TintApplies(tab, record)) {
      const auto tint = ToArgb(record->tintColour, record->alpha);
      FillPathGradient(graphics, path, from, to, tint, tint);
    } else if (TopOrLeft(side)) {
      FillPathGradient(graphics, path, from, to, ToArgb(kWhite, 80), ToArgb(AccentColour, 10));
    } else {
      FillPathGradient(graphics, path, from, to, ToArgb(AccentColour, 10), ToArgb(kWhite, 80));
    }
    OutlinePath(graphics, path, ToArgb(kBlack, 70));
  } else {
    const PointF from = MakePair(fx, fy), to = across ? MakePair(fx, fy + fh) : MakePair(fx + fw, fy);
    if (TopOrLeft(side)) {
      FillPathGradient(graphics, path, from, to, ToArgb(kWhite, 220), ToArgb(kWhite, alpha));
    } else {
      FillPathGradient(graphics, path, from, to, ToArgb(kWhite, alpha), ToArgb(kWhite, 220));
    }
    OutlinePath(graphics, path, ToArgb(kBlack, 120));
    gdip::GdipPath inner;
    inner.Create();
    switch (side) {
      case TabSide::Top:
        AddTopTabOutline(inner, x + 1, y + 1, w - 3, h - 1, kInnerCorner);
        break;
      case TabSide::Left:
        AddLeftTabOutline(inner, x + 1, y + 1, w - 1, h - 3, kInnerCorner);
        break;
      case TabSide::Bottom:
        AddBottomTabOutline(inner, x + 1, y + 1, w - 3, h - 3, kInnerCorner);
        break;
      case TabSide::Right:
        AddRightTabOutline(inner, x + 1, y + 1, w - 3, h - 3, kInnerCorner);
        break;
    }
    OutlinePath(graphics, inner, ToArgb(kWhite, 120));
  }

  // Caption.
  const FontSpec font = record != nullptr ? record->font : GetControlFont(tab);
  gdip::GdipFont gdipFont;
  gdipFont.CreateFromName(font.face, static_cast<float>(font.size), gdip::FontStyle{font.style});
  gdip::GdipStringFormat format;
  const bool vertical = side == TabSide::Left || side == TabSide::Right;
  format.Create(vertical ? gdip::StringFormatFlags::DirectionVertical
                         : gdip::StringFormatFlags::MeasureTrailingSpaces);
  format.SetAlign(gdip::StringAlignment::Center);
  format.SetLineAlign(gdip::StringAlignment::Center);
  gdip::GdipSolidBrush brush;
  brush.Create(ToArgb(static_cast<COLORREF>(prop::Read(tab, prop::kTextColour))));
  graphics.DrawString(rt::Text(text), gdipFont, brush, RectF{fx, fy + 3, fw, fh - 2}, format);
}

// A tab's caption and rectangle, as the control reports them.
struct TabItem {
  char text[256] = {};
  RECT rect{};
};

TabItem ReadTabItem(HWND tab, int index) {
  TabItem read;
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = read.text;
  item.cchTextMax = sizeof read.text;
  SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  read.text[sizeof read.text - 1] = '\0';
  SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&read.rect));
  return read;
}

}  // namespace

TabLayout ComputeTabLayout(LONG_PTR style, int W, int H, const RECT& q, int rows) {
  const int tw = q.right - q.left, th = q.bottom - q.top;
  TabLayout layout;
  if ((style & TCS_VERTICAL) != 0 && (style & TCS_RIGHT) != 0) {
    layout.side = TabSide::Right;
    layout.page = {0, 0, W - tw * rows - 1, H};
    layout.join = {q.left - 1, q.top + 1, q.left + 2, q.bottom - 1};
  } else if ((style & TCS_BOTTOM) != 0) {
    layout.side = TabSide::Bottom;
    layout.page = {0, 0, W, H - th * rows - 1};
    layout.join = {q.left + 1, q.top - 1, q.right - 1, q.top + 1};
  } else if ((style & TCS_VERTICAL) != 0) {
    layout.side = TabSide::Left;
    layout.page = {tw * rows + 1, 0, W, H};
    layout.join = {q.right - 1, q.top + 1, q.right + 2, q.bottom - 1};
  } else {
    layout.side = TabSide::Top;
    layout.page = {0, th * rows + 1, W, H};
    layout.join = {q.left + 1, q.bottom - 1, q.right - 1, q.bottom + 2};
  }
  return layout;
}

void PaintTabItems(HWND tab, HDC dc, int index, bool selected, TabSide side) {
  const TabItem item = ReadTabItem(tab, index);
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  DrawTab(graphics, tab, item.text, item.rect, selected, side);
}

void PaintTabItems(HWND tab, int index, bool selected, TabSide side) {
  const TabItem item = ReadTabItem(tab, index);
  const RECT& r = item.rect;
  RECT client{};
  GetClientRect(tab, &client);
  const CachedDc own = ComposeControlBackground(tab, client);
  if (!own) return;
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(own.get());
    DrawTab(graphics, tab, item.text, r, selected, side);
  }
  rt::WindowDc target = GetDcWithoutChildren(tab);
  BitBlt(target.get(), r.left, r.top, r.right - r.left, r.bottom - r.top, own.get(), r.left, r.top, SRCCOPY);
}

void PaintTabControl(HWND tab, HDC dc) {
  RECT client{};
  GetClientRect(tab, &client);
  const int n = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
  const int cur = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
  const int rows = static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
  RECT q{};
  if (cur >= 0) SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(cur), reinterpret_cast<LPARAM>(&q));
  const TabLayout layout = ComputeTabLayout(GetWindowLongPtrA(tab, GWL_STYLE), client.right, client.bottom, q, rows);

  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(dc);
    const RECT& s = layout.page;
    OutlineRoundRect(graphics,
                     {static_cast<float>(s.left), static_cast<float>(s.top), static_cast<float>(s.right - s.left - 1),
                      static_cast<float>(s.bottom - s.top - 1)},
                     kCorner, ToArgb(kBlack, 80));
    OutlineRoundRect(graphics,
                     {static_cast<float>(s.left + 1), static_cast<float>(s.top + 1),
                      static_cast<float>(s.right - s.left - 3), static_cast<float>(s.bottom - s.top - 3)},
                     kCorner, ToArgb(kWhite, 120));
  }
  for (int i = 0; i < n; ++i) PaintTabItems(tab, dc, i, i == cur, layout.side);

  // The selected tab opens into the page: the strip between them shows
  // the background again. Without a selection there is no strip.
  const RECT& p = layout.join;
  if (cur < 0 || p.right <= p.left || p.bottom <= p.top) return;
  const CachedDc strip = ComposeControlBackground(tab, p);
  if (!strip) return;
  const ContainerRecord* record = OwnRecord(tab);
  if (TopOrLeft(layout.side) && TintApplies(tab, record)) {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(strip.get());
    FillRectSolid(graphics, {0, 0, static_cast<float>(p.right - p.left), static_cast<float>(p.bottom - p.top)},
                  ToArgb(record->tintColour, record->alpha));
  }
  BitBlt(dc, p.left, p.top, p.right - p.left, p.bottom - p.top, strip.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
