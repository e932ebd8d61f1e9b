#include "skin/containers/container_painters.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gdip/gdip_graphics.h"
#include "runtime/gdi_object.h"
#include "skin/containers/tab_control_painter.h"
#include "skin/core/child_clipping.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/control_font.h"
#include "skin/core/control_image.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/skin_text.h"
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

namespace {

// Where a group box's title goes: its text, the box it is drawn in and
// the band of background restored under it.
struct GroupBoxTitle {
  rt::Text text;
  RectF layout;
  RECT band{};
};

// Measured with the kit's kept font, or without a kit one made for this.
GroupBoxTitle LayOutTitle(const ContainerRecord& record, HWND box, float W, const TextKit* kit) {
  GroupBoxTitle title{GetWindowTextCopy(box), {}, {}};
  const FontSpec& font = record.font;
  const auto tw = static_cast<float>(kit != nullptr ? MeasureTextWidth(title.text, font, kit->font)
                                                    : MeasureTextWidth(title.text, font.face, font.size, font.style));
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
  title.layout = RectF{x, 1, tw, size + 3};
  title.band = RECT{static_cast<int>(x), 1, static_cast<int>(x + tw), static_cast<int>(1 + size + 3)};
  return title;
}

// The frame, the background band under the title and the title, drawn
// with the record's kept font and format or, without `kit`, with ones
// made for this paint.
void DrawGroupBox(HWND box, HDC dc, const ContainerRecord& record, const GroupBoxTitle& title, COLORREF colour,
                  const TextKit* kit) {
  RECT client{};
  GetClientRect(box, &client);
  const auto W = static_cast<float>(client.right), H = static_cast<float>(client.bottom);
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(dc);
    OutlineRoundRect(graphics, {0, 5, W - 1, H - 6}, 5, ToArgb(kBlack, 40));
    OutlineRoundRect(graphics, {1, 6, W - 3, H - 8}, 3, ToArgb(kWhite, 90));
  }
  DrawGroupBoxFrame(box, dc, title.band);

  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  TextLayout layout;
  layout.align = gdip::StringAlignment::Center;
  DrawPlainText(graphics, title.text, record.font, gdip::Unit::World, layout, ToArgb(colour),
                gdip::RectF{title.layout.x, title.layout.y, title.layout.width, title.layout.height}, kit);
}

COLORREF TitleColour(HWND box) { return static_cast<COLORREF>(prop::Read(box, prop::kTextColour)); }

// The pixels DrawGroupBoxFrame leaves in the title band, which come from
// beside the composed background (the host's picture, a panel's): added
// to the key and the image put back as it was.
void AddBandKey(LookKey& key, HWND box, HDC image, const RECT& band) {
  key.Add(band);
  DIBSECTION dib{};
  if (!SelectedDib32(image, dib)) return;
  const int height = dib.dsBm.bmHeight < 0 ? -dib.dsBm.bmHeight : dib.dsBm.bmHeight;
  const RECT whole{0, 0, dib.dsBm.bmWidth, height};
  RECT inside{};
  if (!IntersectRect(&inside, &band, &whole)) return;
  auto* pixels = static_cast<std::uint32_t*>(dib.dsBm.bmBits);
  const std::size_t stride = static_cast<std::size_t>(dib.dsBm.bmWidthBytes) / sizeof(std::uint32_t);
  const bool bottomUp = dib.dsBmih.biHeight > 0;
  const auto row = [&](int y) { return pixels + static_cast<std::size_t>(bottomUp ? height - 1 - y : y) * stride; };
  std::vector<std::uint32_t> saved;
  for (int y = inside.top; y < inside.bottom; ++y) saved.insert(saved.end(), row(y) + inside.left, row(y) + inside.right);
  DrawGroupBoxFrame(box, image, band);
  GdiFlush();
  std::vector<std::uint32_t> shown;
  for (int y = inside.top; y < inside.bottom; ++y) shown.insert(shown.end(), row(y) + inside.left, row(y) + inside.right);
  auto from = saved.begin();
  for (int y = inside.top; y < inside.bottom; ++y) {
    std::copy(from, from + (inside.right - inside.left), row(y) + inside.left);
    from += inside.right - inside.left;
  }
  key.AddBytes(shown.data(), shown.size() * sizeof(std::uint32_t));
}

}  // namespace

void PaintGroupBox(int windowIndex, int containerIndex, HDC dc) {
  const ContainerRecord* record = Listed(windowIndex, containerIndex);
  if (record == nullptr || record->hwnd == nullptr) return;
  const HWND box = record->hwnd;
  RECT client{};
  GetClientRect(box, &client);
  const GroupBoxTitle title = LayOutTitle(*record, box, static_cast<float>(client.right), nullptr);
  DrawGroupBox(box, dc, *record, title, TitleColour(box), nullptr);
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
      // Its look is all in the key and the band, so an unchanged box over
      // an unchanged background copies what it was drawn as last time.
      const GroupBoxTitle title = LayOutTitle(*record, container, static_cast<float>(W), &record->titleKit);
      const COLORREF colour = TitleColour(container);
      LookKey key;
      key.Add(client).Add(colour).Add(title.layout).Add(GetWindowLongPtrA(container, GWL_STYLE));
      key.Add(title.text).Add(record->font.face).Add(record->font.size).Add(record->font.style);
      AddBandKey(key, container, image.get(), title.band);
      record->finished.Finish(image.get(), key, [&] {
        DrawGroupBox(container, image.get(), *record, title, colour, &record->titleKit);
        return true;
      });
    } else if (IsClass(container, WC_TABCONTROLA)) {      PaintTabControl(container, image.get());
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
