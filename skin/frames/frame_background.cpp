#include "skin/frames/frame_background.h"

#include <windows.h>

#include "gdip/gdip_image.h"
#include "gdip/gdip_solid_brush.h"
#include "gdip/gdip_texture_brush.h"
#include "runtime/gdi_object.h"
#include "skin/core/colour_convert.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_window_table.h"

namespace skin {

namespace {

RECT ClientOf(const SkinWindowRecord& record) {
  RECT client{};
  GetClientRect(record.hwnd, &client);
  return client;
}

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
  rt::UniqueBrush brush(CreateSolidBrush(colour));
  FillRect(dc, &area, brush.get());
}

// Draws the prepared picture where `mode` places it.
void DrawPlaced(gdip::GdipGraphics& graphics, gdip::GdipBitmap& bitmap, int mode, float w, float h) {
  const float iw = static_cast<float>(bitmap.GetWidth());
  const float ih = static_cast<float>(bitmap.GetHeight());
  switch (static_cast<BackgroundMode>(mode)) {
    case BackgroundMode::TopLeft: graphics.DrawImage(bitmap, 0, 0); break;
    case BackgroundMode::TopRight: graphics.DrawImage(bitmap, w - iw, 0); break;
    case BackgroundMode::TileTop: graphics.DrawImage(bitmap, 0, 0); break;
    case BackgroundMode::Centre: graphics.DrawImageRect(bitmap, (w - iw) / 2, (h - ih) / 2, iw, ih); break;
    case BackgroundMode::Stretch: graphics.DrawImageRect(bitmap, 0, 0, w, h); break;
    case BackgroundMode::BottomLeft: graphics.DrawImageRect(bitmap, 0, h - ih, iw, ih); break;
    case BackgroundMode::BottomRight: graphics.DrawImageRect(bitmap, w - iw, h - ih, iw, ih); break;
    case BackgroundMode::BottomCentre: graphics.DrawImageRect(bitmap, (w - iw) / 2, h - ih, iw, ih); break;
    case BackgroundMode::RightMiddle: graphics.DrawImageRect(bitmap, w - iw, (h - ih) / 2, iw, ih); break;
    case BackgroundMode::TopCentre: graphics.DrawImageRect(bitmap, (w - iw) / 2, 0, iw, ih); break;
    case BackgroundMode::LeftMiddle: graphics.DrawImageRect(bitmap, 0, (h - ih) / 2, iw, ih); break;
    default: break;
  }
}

// Decoded exactly as a bitmap made from the bytes; nothing to prepare.
void AsDecoded(gdip::GdipBitmap&) {}

// The picture in its placement over the base colour, painted into `dc` of
// the client's size.
void PaintLayer(HDC dc, SkinWindowRecord& record, const rt::ByteArray& source, COLORREF colour, int mode,
                int width, int height) {
  FillSolid(dc, RECT{0, 0, width, height}, colour);
  if (source.empty()) return;
  gdip::GdipGraphics graphics;
  if (!graphics.CreateFromHdc(dc)) return;
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  if (mode != static_cast<int>(BackgroundMode::TileTop)) {
    auto* picture = static_cast<gdip::GdipBitmap*>(record.backgroundPicture.Get(source, &AsDecoded));
    if (picture != nullptr) DrawPlaced(graphics, *picture, mode, w, h);
    return;
  }
  gdip::GdipImage* picture = record.backgroundPicture.Get(source);
  if (picture == nullptr) return;
  gdip::GdipBitmap band;
  PlaceTileBand(*picture, width, band);
  DrawPlaced(graphics, band, mode, w, h);
}

// The record's background layer for this size and look, painted anew only
// when one of them changed; false when it cannot be made.
bool UpdateLayer(SkinWindowRecord& record, const rt::ByteArray& source, COLORREF colour, int mode, int width,
                 int height) {
  FrameBackgroundLayer& layer = record.backgroundLayer;
  if (layer.dib && layer.width == width && layer.height == height && layer.colour == colour && layer.mode == mode &&
      layer.picture == source) {
    return true;
  }
  layer.dib = CreateDib32(width, height);
  layer.picture.clear();
  if (!layer.dib) return false;
  {
    const rt::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) {
      layer.dib.reset();
      return false;
    }
    const rt::ScopedSelection selected(dc.get(), layer.dib.get());
    PaintLayer(dc.get(), record, source, colour, mode, width, height);
  }
  layer.width = width;
  layer.height = height;
  layer.colour = colour;
  layer.mode = mode;
  layer.picture = source;
  return true;
}

}  // namespace

void PlaceTileBand(gdip::GdipImage& picture, int width, gdip::GdipBitmap& bitmap) {
  const int height = static_cast<int>(picture.GetHeight());
  if (!bitmap.Create(width, height, gdip::kPixelFormat32bppArgb)) return;
  gdip::GdipGraphics band;
  gdip::GdipTextureBrush brush;
  if (band.CreateFromImage(bitmap) && brush.Create(picture, gdip::WrapMode::TileFlipX)) {
    band.FillRectangleI(brush, 0, 0, width, height);
  }
}

void PaintFrameBackground(gdip::GdipGraphics& graphics, int windowIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  const RECT client = ClientOf(record);
  const float w = static_cast<float>(client.right);
  const bool own = !record.backgroundImage.empty();
  HDC dc = record.backgroundDc.get();

  const rt::ByteArray& source = own ? record.backgroundImage : ThemeBackground;
  const COLORREF colour = own ? record.backgroundColour : ThemeColour;
  const int mode = own ? record.backgroundMode : ThemeMode;
  const rt::UniqueMemoryDc layerDc(CreateCompatibleDC(nullptr));
  if (layerDc && UpdateLayer(record, source, colour, mode, client.right, client.bottom)) {
    const rt::ScopedSelection selected(layerDc.get(), record.backgroundLayer.dib.get());
    BitBlt(dc, 0, 0, client.right, client.bottom, layerDc.get(), 0, 0, SRCCOPY);
  } else {
    PaintLayer(dc, record, source, colour, mode, client.right, client.bottom);
  }

  // The overlay colour -1 means no tint.
  const auto overlay = static_cast<LONG>(record.overlayColour);
  if (overlay >= 0) {
    RECT area = client;
    if (record.captionBand) area.top = record.captionHeight;
    if (record.overlayAlpha == 255) {
      FillSolid(dc, area, record.overlayColour);
    } else {
      gdip::GdipSolidBrush tint;
      if (tint.Create(ToArgb(record.overlayColour, record.overlayAlpha))) {
        graphics.FillRectangleI(tint, area.left, area.top, area.right - area.left, area.bottom - area.top);
      }
    }
  }

  if (record.captionBand) {
    const float band = static_cast<float>(record.captionHeight);
    const bool coloured = overlay > 0;
    const gdip::ARGB top = coloured ? ToArgb(record.overlayColour, record.overlayAlpha / 5) : ToArgb(kWhite, 150);
    const gdip::ARGB bottom = coloured ? ToArgb(record.overlayColour, record.overlayAlpha) : ToArgb(kWhite, 0);
    FillRectGradient(graphics, {0, 0, w, band}, PointF{0, 0}, PointF{0, band}, top, bottom);
  }
}

}  // namespace skin
