// The painters' drawing kit: solid, two-colour and glow fills, outlines,
// lines and clips on a GDI+ surface, and the quality settings of smooth
// scaling. Each call makes its brush or pen for that one drawing; one that
// cannot be made draws nothing. Colours are GDI+ ARGB (see ToArgb).
#pragma once

#include <windows.h>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_path.h"
#include "skin/core/skin_geometry.h"

namespace skin {

// Anti-aliased shapes, gamma-corrected compositing, high-quality bicubic
// interpolation and no pixel offset.
void SetSmoothQuality(gdip::GdipGraphics& graphics);

// A new path holding one rounded rectangle (round_rect_path.h), from
// integer arcs when asked.
gdip::GdipPath MakeRoundRectPath(float x, float y, float width, float height, int corner, bool integerArcs = false);

void FillPathSolid(gdip::GdipGraphics& graphics, const gdip::GdipPath& path, gdip::ARGB colour);
void FillRectSolid(gdip::GdipGraphics& graphics, const RectF& rect, gdip::ARGB colour);

// A linear gradient from `first` at `from` to `second` at `to`, repeated
// beyond them, over the path or the rectangle.
void FillPathGradient(gdip::GdipGraphics& graphics, const gdip::GdipPath& path, PointF from, PointF to,
                      gdip::ARGB first, gdip::ARGB second);
void FillRectGradient(gdip::GdipGraphics& graphics, const RectF& rect, PointF from, PointF to, gdip::ARGB first,
                      gdip::ARGB second);

// A path gradient from `centre` in the middle of the path to `surround` on
// its outline, with the centre colour spread over the focus scales.
void FillPathGlow(gdip::GdipGraphics& graphics, const gdip::GdipPath& path, gdip::ARGB centre, gdip::ARGB surround,
                  float xScale = 0, float yScale = 0);

void OutlinePath(gdip::GdipGraphics& graphics, const gdip::GdipPath& path, gdip::ARGB colour, float width = 1);
void OutlineRect(gdip::GdipGraphics& graphics, const RectF& rect, gdip::ARGB colour, float width = 1);
// The outline of a rounded rectangle of float arcs.
void OutlineRoundRect(gdip::GdipGraphics& graphics, const RectF& rect, int corner, gdip::ARGB colour);

void StrokeLine(gdip::GdipGraphics& graphics, PointF from, PointF to, gdip::ARGB colour);

// Replaces the clip by the rectangle.
void ClipToRect(gdip::GdipGraphics& graphics, const RECT& rect);

// Replaces the clip by the ring between a width x height window's edge and
// its client rectangle (which may hold the native scroll bars' room too).
void ClipToRing(gdip::GdipGraphics& graphics, float width, float height, const RECT& client);

}  // namespace skin
