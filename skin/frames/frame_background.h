// The background layer of a main frame: base colour, own or theme picture
// in its placement, tint and caption band.
#pragma once

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"

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
// backgroundDc, the surface of `graphics`.
void PaintFrameBackground(gdip::GdipGraphics& graphics, int windowIndex);

// Decodes the window's own picture, else the theme picture, into `bitmap`
// (a band of the client width for TileTop); leaves it empty when there is
// none or it does not decode.
void PlaceBackgroundImage(int windowIndex, gdip::GdipBitmap& bitmap);

}  // namespace skin
