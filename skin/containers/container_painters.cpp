#include "skin/containers/container_painters.h"

#include <commctrl.h>

#include "gdip/gdip_font.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_string_format.h"
#include "runtime/gdi_object.h"
#include "skin/containers/tab_control_painter.h"
#include "skin/core/child_clipping.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/control_font.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

namespace {

constexpr LONG_PTR kAlignLeftBit = BS_LEFT;     // 0x100
constexpr LONG_PTR kAlignCentre = BS_CENTER;    // 0x300: both bits
constexpr int kTitleMargin = 10;
constexpr int kTintDrop = 4;  // the title band's tint starts at the frame's top line

ContainerRecord* Listed(int windowIndex, int containerIndex) {
  SkinWindowRecord* host = SkinWindowTable.Find(windowIndex);
  if (host == nullptr || !host->containers.Contains(containerIndex)) return nullptr;
  return &host->containers.At(containerIndex);
}

void FillTint(HDC dc, const RECT& r, COLORREF tint, int alpha) {
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  const auto x = static_cast<float>(r.left), y = static_cast<float>(r.top);
  const auto w = static_cast<float>(r.right - r.left), h = static_cast<float>(r.bottom - r.top);
  graphics.SetClipRect(x, y, w, h);
  FillRectSolid(graphics, {x, y, w, h}, ToArgb(tint, alpha));
}

void CopyBand(HDC dc, const RECT& band, HDC source, const RECT& place) {
  if (source == nullptr) return;
  BitBlt(dc, band.left, band.top, band.right - band.left, band.bottom - band.top, source, place.left + band.left,
         place.top + band.top, SRCCOPY);
}

}  // namespace

void DrawGroupBoxFrame(HWND groupBox, HDC dc, const RECT& band) {
  int windowIndex = 0, containerIndex = 0;
  HWND panel = nullptr;
  if (FindControlHost(groupBox, windowIndex, containerIndex, panel, true) == 1) {
    SkinWindowRecord& host = SkinWindowTable.At(windowIndex);
    CopyBand(dc, band, host.backgroundDc.get(), GetRectInHost(groupBox));
    const int own = FindContainerRecord(windowIndex, groupBox);
    if (own < 1) return;
    const ContainerRecord& record = host.containers.At(own);
    if (record.tintColour == 0) return;
    RECT tinted = band;
    if (record.kind == ContainerKind::GroupBox) tinted.top += kTintDrop;
    FillTint(dc, tinted, record.tintColour, record.alpha);
    return;
  }
  if (windowIndex < 1) windowIndex = FindSkinWindowOfAncestor(groupBox);
  SkinWindowRecord* host = SkinWindowTable.Find(windowIndex);
  if (host == nullptr) return;
  if (panel != nullptr) {
    CopyBand(dc, band, prop::ReadHandle<HDC>(panel, prop::kPanelDc), GetRectRelativeTo(panel, groupBox));
    const int flagged = FindFlaggedContainer(windowIndex, groupBox, panel);
    if (flagged < 1) return;
    const ContainerRecord& record = host->containers.At(flagged);
    if (record.tintColour != 0) FillTint(dc, band, record.tintColour, record.alpha);
    return;
  }
  if (containerIndex >= 1) {
    // Inside a container the band shows the box's own composed background:
    // the enclosing container's tint above the frame, the box's inside it.
    RECT client{};
    GetClientRect(groupBox, &client);
    const CachedDc under = ComposeControlBackground(groupBox, client);
    if (under) {
      CopyBand(dc, band, under.get(), RECT{});
      return;
    }
  }
  CopyBand(dc, band, host->backgroundDc.get(), GetRectInSkinWindow(groupBox));
}

void PaintGroupBox(int windowIndex, int containerIndex, HDC dc) {
  const ContainerRecord* record = Listed(windowIndex, containerIndex);
  if (record == nullptr || record->hwnd == nullptr) return;
  const HWND box = record->hwnd;
  RECT client{};
  GetClientRect(box, &client);
  const auto W = static_cast<float>(client.right), H = static_cast<float>(client.bottom);

  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(dc);
    OutlineRoundRect(graphics, {0, 5, W - 1, H - 6}, 5, ToArgb(kBlack, 40));
    OutlineRoundRect(graphics, {1, 6, W - 3, H - 8}, 3, ToArgb(kWhite, 90));
  }

  const rt::Text title = GetWindowTextCopy(box);
  const FontSpec& font = record->font;
  const auto tw = static_cast<float>(MeasureTextWidth(title, font.face, font.size, font.style));
  const LONG_PTR style = GetWindowLongPtrA(box, GWL_STYLE);
  float x = 0;
  if ((style & kAlignCentre) == kAlignCentre) {
    x = (W - tw) / 2;
  } else if ((style & kAlignLeftBit) != 0) {
    x = kTitleMargin;
  } else {
    x = W - tw - kTitleMargin;  // right-aligned, also with no alignment bit
  }
  const auto size = static_cast<float>(font.size);
  const RectF layout{x, 1, tw, size + 3};
  const RECT band{static_cast<int>(x), 1, static_cast<int>(x + tw), static_cast<int>(1 + size + 3)};
  DrawGroupBoxFrame(box, dc, band);

  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  gdip::GdipFont gdipFont;
  gdipFont.CreateFromName(font.face, size, gdip::FontStyle{font.style});
  gdip::GdipStringFormat format;
  format.Create();
  format.SetAlign(gdip::StringAlignment::Center);
  gdip::GdipSolidBrush brush;
  brush.Create(ToArgb(static_cast<COLORREF>(prop::Read(box, prop::kTextColour))));
  graphics.DrawString(title, gdipFont, brush, layout, format);
}

void PaintContainer(int windowIndex, int containerIndex) {
  ContainerRecord* record = Listed(windowIndex, containerIndex);
  if (record == nullptr || record->hwnd == nullptr) return;
  const HWND container = record->hwnd;
  RECT client{};
  GetClientRect(container, &client);
  const int W = client.right, H = client.bottom;

  CachedDc image = record->border != 0 ? ComposeControlBackground(container, client, 1, 5)
                                       : ComposeControlBackground(container, client);
  if (image) {
    if (record->kind == ContainerKind::GroupBox) {
      PaintGroupBox(windowIndex, containerIndex, image.get());
    } else if (IsClass(container, WC_TABCONTROLA)) {
      PaintTabControl(container, image.get());
    } else if (record->border != 0) {
      gdip::GdipGraphics graphics;
      graphics.CreateFromHdc(image.get());
      OutlineRoundRect(graphics, {0, 0, static_cast<float>(W - 1), static_cast<float>(H - 1)}, 5, ToArgb(kBlack, 40));
      OutlineRoundRect(graphics, {1, 1, static_cast<float>(W - 3), static_cast<float>(H - 3)}, 3, ToArgb(kWhite, 100));
    }
    BlitControlToHost(container, image.get());
    rt::WindowDc target = GetDcWithoutChildren(container);
    BitBlt(target.get(), 0, 0, W, H, image.get(), 0, 0, SRCCOPY);
  }
  record->redraw = 0;
  record->childChanged = 0;
  record->width = W;
  record->height = H;
}

void BlitContainerBackground(int /*windowIndex*/, int /*containerIndex*/, HWND container, HDC dc, int /*flag*/) {
  PaintBackgroundFromForm(container, dc);
}

}  // namespace skin
