#include "skin/containers/menu_items.h"

#include <cstddef>
#include <cstdint>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/buttons/check_box_painter.h"
#include "skin/core/colour_convert.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_record.h"
#include "skin/core/paint_kit.h"
#include "skin/core/window_properties.h"

namespace skin {

namespace {

constexpr COLORREF kDisabledCaption = 0x808080;
constexpr COLORREF kFollowAccent = static_cast<COLORREF>(-1);
constexpr float kContentLeft = 22;
constexpr float kCheckMarkSize = 14;
constexpr float kIconSize = 16;

// A menu's record and one of its items, found through the item data; both
// null when either number lies outside its list.
struct FoundItem {
  MenuRecord* menu = nullptr;
  MenuItemRecord* item = nullptr;
};

FoundItem FindItem(ULONG_PTR itemData) {
  const int menuIndex = static_cast<std::int16_t>((itemData >> 16) & 0xFFFF);
  const int itemNumber = static_cast<std::int16_t>(itemData & 0xFFFF);
  if (menuIndex < 1 || menuIndex > static_cast<int>(MenuTable.size())) return {};
  MenuRecord* menu = MenuTable[static_cast<std::size_t>(menuIndex - 1)].get();
  if (menu == nullptr || itemNumber < 1 || itemNumber > static_cast<int>(menu->items.size())) return {};
  return {menu, &menu->items[static_cast<std::size_t>(itemNumber - 1)]};
}

COLORREF MenuColour(const MenuRecord& menu) {
  return menu.colour == kFollowAccent ? AccentColour : menu.colour;
}

void DrawImageBytes(gdip::GdipGraphics& graphics, const rt::ByteArray& bytes, float x, float y,
                    float size) {
  gdip::GdipImage image;
  if (image.LoadFromStream(bytes)) graphics.DrawImageRect(image, x, y, size, size);
}

// The DC the owner's skin is copied from and the row of it that lies
// behind the item's top.
HDC SkinSource(HWND owner, int itemTop, int& sourceTop) {
  if (prop::Read(owner, prop::kLayered) == 1) {
    sourceTop = itemTop;
    return prop::ReadHandle<HDC>(owner, prop::kLayerBackground);
  }
  const SkinWindowRecord* record = OwnSkinRecord(owner);
  if (record == nullptr) return nullptr;
  sourceTop = itemTop + record->captionHeight;
  return record->backgroundDc.get();
}

// A w x h 32-bit memory DC registered in DcCache, its bitmap made by GDI+.
CachedDc NewItemDc(int w, int h) {
  gdip::GdipBitmap bitmap;
  if (!bitmap.Create(w, h, gdip::kPixelFormat32bppArgb)) return {};
  return CacheBitmapDc(rt::UniqueBitmap(bitmap.GetHbitmap(0)));
}

}  // namespace

int FindMenuRecord(HMENU menu) {
  for (std::size_t i = 0; i < MenuTable.size(); ++i) {
    if (MenuTable[i] != nullptr && MenuTable[i]->menu == menu) return static_cast<int>(i + 1);
  }
  return 0;
}

void PaintMenuItemBack(HWND owner, const DRAWITEMSTRUCT& item) {
  const FoundItem found = FindItem(item.itemData);
  if (found.menu == nullptr) return;
  const int w = item.rcItem.right - item.rcItem.left;
  const int h = item.rcItem.bottom - item.rcItem.top;
  if (w <= 0 || h <= 0) return;
  const CachedDc image = NewItemDc(w, h);
  HDC dc = image.get();
  if (dc == nullptr) return;

  const COLORREF colour = MenuColour(*found.menu);
  {
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(h);
    if (!ThemeBackground.empty()) {
      int sourceTop = 0;
      if (HDC source = SkinSource(owner, item.rcItem.top, sourceTop))
        BitBlt(dc, 0, 0, w, h, source, item.rcItem.left, sourceTop, SRCCOPY);
    }
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(dc);
    FillRectSolid(graphics, {0, 0, fw, fh}, ToArgb(ThemeColour, ThemeBackground.empty() ? 255 : 150));
    FillRectSolid(graphics, {0, 0, fw, fh}, ToArgb(kWhite, 230));

    gdip::GdipPath column;
    column.Create();
    column.AddRectangle(0, 0, kMenuIconColumn, fh);
    FillPathSolid(graphics, column, ToArgb(colour, 60));
    FillPathGradient(graphics, column, {0, 0}, {kMenuIconColumn, 0}, ToArgb(kWhite, 60), ToArgb(kWhite, 50));
  }
  PaintMenuItem(item, dc);

  BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, w, h, dc, 0, 0, SRCCOPY);
}

void PaintMenuItem(const DRAWITEMSTRUCT& item, HDC dc) {
  const FoundItem found = FindItem(item.itemData);
  if (found.menu == nullptr) return;
  const MenuItemRecord& record = *found.item;
  const float w = static_cast<float>(item.rcItem.right - item.rcItem.left);
  const float h = static_cast<float>(item.rcItem.bottom - item.rcItem.top);

  // The structure's size without its last member, as every system takes.
  MENUITEMINFOA info{};
  info.cbSize = offsetof(MENUITEMINFOA, hbmpItem);
  info.fMask = MIIM_STATE | MIIM_DATA | MIIM_SUBMENU | MIIM_FTYPE;
  GetMenuItemInfoA(reinterpret_cast<HMENU>(item.hwndItem), item.itemID, FALSE, &info);

  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  if (record.separator != 0) {
    const float x2 = w - 4;
    StrokeLine(graphics, {kContentLeft, h / 2}, {x2, h / 2}, ToArgb(kBlack, 80));
    StrokeLine(graphics, {kContentLeft, h / 2}, {x2, h / 2}, ToArgb(AccentColour, 80));
    StrokeLine(graphics, {kContentLeft, h / 2 + 1}, {x2, h / 2 + 1}, ToArgb(kWhite, 160));
    return;
  }

  const COLORREF colour = MenuColour(*found.menu);
  if ((info.fState & MFS_HILITE) != 0) {
    const gdip::GdipPath path = MakeRoundRectPath(0, 0, w - 2, h - 1, 1);
    FillPathGradient(graphics, path, {0, 0}, {0, h}, ToArgb(colour, 50), ToArgb(kWhite, 100));
    FillPathGradient(graphics, path, {0, 0}, {0, h}, ToArgb(kWhite, 100), ToArgb(colour, 50));
    OutlinePath(graphics, path, ToArgb(kBlack, 90));
  }
  const bool checked = (info.fState & MFS_CHECKED) != 0;
  if (checked) {
    if (gdip::GdipImage* mark = KeptTintedCheckMark(found.menu->checkMark))
      graphics.DrawImageRect(*mark, 3, (h - kCheckMarkSize) / 2, kCheckMarkSize, kCheckMarkSize);
  }

  gdip::GdipStringFormat format;
  format.Create();
  format.SetLineAlign(gdip::StringAlignment::Center);
  gdip::GdipSolidBrush brush;
  brush.Create(ToArgb((item.itemState & ODS_DISABLED) != 0 ? kDisabledCaption : record.textColour, 255));
  gdip::GdipFont font;
  font.CreateFromName(record.font.face, static_cast<float>(record.font.size), gdip::FontStyle{record.font.style});
  graphics.DrawString(record.caption, font, brush, RectF{kContentLeft, 2, w - kContentLeft, h}, format);

  if (!record.icon.empty() && !checked) DrawImageBytes(graphics, record.icon, 2, (h - kIconSize) / 2, kIconSize);
}

void MeasureMenuItem(HWND /*window*/, MEASUREITEMSTRUCT* item) {
  if (item == nullptr) return;
  const FoundItem found = FindItem(item->itemData);
  if (found.menu == nullptr) return;
  item->itemWidth = static_cast<UINT>(found.menu->itemWidth);
  item->itemHeight =
      static_cast<UINT>(found.item->separator != 0 ? kMenuSeparatorHeight : found.menu->itemHeight);
}

}  // namespace skin
