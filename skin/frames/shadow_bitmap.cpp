// The shadow's picture: a thick outline, blurred by shrinking it and
// enlarging it again with bicubic interpolation, then laid into the target
// with the owner's own area (or everything but the chosen sides) clipped
// away.
#include <algorithm>
#include <cmath>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_path.h"
#include "skin/core/colour_convert.h"
#include "skin/core/paint_kit.h"
#include "skin/core/round_rect_path.h"
#include "skin/frames/drop_shadow.h"

namespace skin {

namespace {

constexpr float kOutlineWidth = 10.0f;
constexpr int kOwnerCorner = 10;
constexpr double kBlurScale = 0.6;  // the blur shrinks the outline by 0.6 x depth

struct Strip {
  int x, y, width, height;
};

float F(int value) { return static_cast<float>(value); }

// Halves away from zero, as the outline's offsets want them.
int RoundHalfAway(double value) { return static_cast<int>(std::lround(value)); }

gdip::GdipBitmap NewCanvas(int width, int height) {
  gdip::GdipBitmap canvas;
  canvas.Create(std::max(1, width), std::max(1, height));
  return canvas;
}

// Draws `source` stretched over the whole of `target`, `times` times.
void StretchInto(gdip::GdipBitmap& target, gdip::GdipBitmap& source, bool smooth, int times = 1) {
  gdip::GdipGraphics graphics;
  graphics.CreateFromImage(target);
  if (smooth) SetSmoothQuality(graphics);
  const float width = F(static_cast<int>(target.GetWidth()));
  const float height = F(static_cast<int>(target.GetHeight()));
  for (int i = 0; i < times; ++i) graphics.DrawImageRect(source, 0, 0, width, height);
}

// The outline the shadow is blurred from, drawn with a 10-pixel pen.
gdip::GdipBitmap DrawOutline(int sides, int d, COLORREF colour, int opacity, int w, int h,
                             int frameOff) {
  gdip::GdipBitmap outline = NewCanvas(w, h);
  gdip::GdipGraphics graphics;
  graphics.CreateFromImage(outline);
  gdip::GdipPath path;
  path.Create();
  const int r18 = RoundHalfAway(d * 0.18);
  const int r15 = RoundHalfAway(d * 0.15);
  if (sides == kShadowOutline) {
    AddRoundRectPath(path, 0, 0, F(w), F(h), 1);
  } else if (frameOff == 0) {
    AddRoundRectPath(path, F(d + 3), F(d + r18), F(w - 2 * d - 4), F(h - 2 * d - 2 - r15), 1);
  } else {
    path.AddRectangle(F(d + 2), F(d + r15), F(w - 2 * d - 4), F(h - 2 * d - 2 - r15));
  }
  OutlinePath(graphics, path, ToArgb(colour, opacity), kOutlineWidth);
  return outline;
}

// Shrinks the outline by 0.6 x depth and enlarges it back; drawing the
// small picture four times over itself raises the alpha of its soft edge.
gdip::GdipBitmap Blur(gdip::GdipBitmap& outline, int d, int w, int h) {
  const double factor = kBlurScale * d;
  const int sw = std::max(1, static_cast<int>(std::floor(w / factor)));
  const int sh = std::max(1, static_cast<int>(std::floor(h / factor)));
  gdip::GdipBitmap small = NewCanvas(sw, sh);
  StretchInto(small, outline, true);
  gdip::GdipBitmap dense = NewCanvas(sw, sh);
  StretchInto(dense, small, false, 4);
  gdip::GdipBitmap blurred = NewCanvas(w, h);
  StretchInto(blurred, dense, true);
  return blurred;
}

// The strips of a shadow that has only some of its sides.
std::vector<Strip> SideStrips(int sides, int d, int x, int y, int w, int h) {
  const bool top = sides & kShadowTop;
  const bool bottom = sides & kShadowBottom;
  const bool left = sides & kShadowLeft;
  const bool right = sides & kShadowRight;
  std::vector<Strip> strips;
  if (top) strips.push_back({x + d, y, right ? w - d : w - 2 * d, d});
  if (bottom) strips.push_back({x + d, h - d, right ? w - d : w - 2 * d, d});
  if (left) {
    if (top && bottom) strips.push_back({x, y, d, h});
    else if (bottom) strips.push_back({x, y + d + 5, d, h - d - 5});
    else if (top) strips.push_back({x, y, d, h - 2 * d});
    else strips.push_back({x, y + d + 5, d, h - 2 * d - 5});
  }
  if (right) {
    if (top) strips.push_back({w - d, y + d, d, h - 2 * d});
    else strips.push_back({w - d, y + d + 5, d, h - 2 * d - 5});
  }
  return strips;
}

// Clips the target to the shadow's area less the owner's, so the owner
// shows through.
void ClipAroundOwner(gdip::GdipGraphics& target, int sides, int d, int x, int y, int w, int h,
                     int frameOff) {
  target.SetClipRect(F(x), F(y), F(w), F(h), gdip::CombineMode::Replace);
  gdip::GdipPath owner;
  owner.Create();
  if (sides == kShadowOutline || frameOff == 0)
    AddRoundRectPath(owner, F(x + d), F(y + d), F(w - 2 * d), F(h - 2 * d), kOwnerCorner);
  else
    owner.AddRectangle(F(x + d), F(y + d), F(w - 2 * d), F(h - 2 * d));
  target.SetClipPath(owner, gdip::CombineMode::Xor);
}

}  // namespace

void BuildShadowBitmap(gdip::GdipGraphics& target, int sides, int depth, COLORREF colour,
                       int opacity, int x, int y, int width, int height, int frameOff) {
  // The blur divides by the depth; a shadow needs at least one pixel of it.
  if (depth < 1 || width < 1 || height < 1) return;
  gdip::GdipBitmap outline = DrawOutline(sides, depth, colour, opacity, width, height, frameOff);
  gdip::GdipBitmap shadow = Blur(outline, depth, width, height);
  outline.Dispose();

  const float fx = F(x), fy = F(y), fw = F(width), fh = F(height);
  if (sides == kShadowAllSides || sides == kShadowOutline) {
    ClipAroundOwner(target, sides, depth, x, y, width, height, frameOff);
    target.DrawImageRect(shadow, fx, fy, fw, fh);
  } else {
    for (const Strip& strip : SideStrips(sides, depth, x, y, width, height)) {
      target.SetClipRect(F(strip.x), F(strip.y), F(strip.width), F(strip.height),
                         gdip::CombineMode::Replace);
      target.DrawImageRect(shadow, fx, fy, fw, fh);
    }
  }
  target.ResetClip();
}

}  // namespace skin
