// The background layer of a main frame: base colour, own or theme picture
// in its placement, tint and caption band.
#pragma once

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"

namespace skin {

// Placement of a background picture in the client area (w x h) of a frame.
// Any other value draws no picture.
enum class BackgroundMode : int {
  TopLeft = 0,
  TopRight = 1,
  Centre = 2,
  Stretch = 3,
  TileTop = 4,  // a band as high as the picture, every second copy mirrored
  BottomLeft = 5,
  BottomRight = 6,
  BottomCentre = 7,
  RightMiddle = 8,
  TopCentre = 9,
  LeftMiddle = 10,
};

// Paints colour, picture, tint and caption band into the record's
// backgroundDc, the surface of `graphics`. Colour and placed picture are
// painted once per size and look into the record's kept background layer
// (the picture decoded once and kept) and copied from there: the same
// pixels as painting them in place, without stretching the picture again.
void PaintFrameBackground(gdip::GdipGraphics& graphics, int windowIndex);

// The TileTop band: `picture` tiled across `width`, every second copy
// mirrored, as high as the picture; `bitmap` stays empty when it cannot be
// made.
void PlaceTileBand(gdip::GdipImage& picture, int width, gdip::GdipBitmap& bitmap);

}  // namespace skin
