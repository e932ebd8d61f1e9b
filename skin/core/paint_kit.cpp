#include "skin/core/paint_kit.h"

#include <span>

#include "gdip/gdip_linear_gradient_brush.h"
#include "gdip/gdip_path_gradient_brush.h"
#include "gdip/gdip_pen.h"
#include "gdip/gdip_solid_brush.h"
#include "skin/core/round_rect_path.h"

namespace skin {

void SetSmoothQuality(gdip::GdipGraphics& graphics) {
  graphics.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
  graphics.SetCompositingQuality(gdip::CompositingQuality::GammaCorrected);
  graphics.SetInterpolationMode(gdip::InterpolationMode::HighQualityBicubic);
  graphics.SetPixelOffsetMode(gdip::PixelOffsetMode::None);
}

gdip::GdipPath MakeRoundRectPath(float x, float y, float width, float height, int corner, bool integerArcs) {
  gdip::GdipPath path;
  path.Create();
  if (integerArcs) {
    AddRoundRectPathI(path, x, y, width, height, corner);
  } else {
    AddRoundRectPath(path, x, y, width, height, corner);
  }
  return path;
}

void FillPathSolid(gdip::GdipGraphics& graphics, const gdip::GdipPath& path, gdip::ARGB colour) {
  gdip::GdipSolidBrush brush;
  if (brush.Create(colour)) graphics.FillPath(brush, path);
}

void FillRectSolid(gdip::GdipGraphics& graphics, const RectF& rect, gdip::ARGB colour) {
  gdip::GdipSolidBrush brush;
  if (brush.Create(colour)) graphics.FillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

void FillPathGradient(gdip::GdipGraphics& graphics, const gdip::GdipPath& path, PointF from, PointF to,
                      gdip::ARGB first, gdip::ARGB second) {
  gdip::GdipLinearGradientBrush brush;
  if (brush.Create(from, to, first, second)) graphics.FillPath(brush, path);
}

void FillRectGradient(gdip::GdipGraphics& graphics, const RectF& rect, PointF from, PointF to, gdip::ARGB first,
                      gdip::ARGB second) {
  gdip::GdipLinearGradientBrush brush;
  if (brush.Create(from, to, first, second)) graphics.FillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

void FillPathGlow(gdip::GdipGraphics& graphics, const gdip::GdipPath& path, gdip::ARGB centre, gdip::ARGB surround,
                  float xScale, float yScale) {
  gdip::GdipPathGradientBrush glow;
  if (!glow.CreateFromPath(path)) return;
  glow.SetCenterColor(centre);
  glow.SetSurroundColors(std::span<const gdip::ARGB>(&surround, 1));
  glow.SetFocusScales(xScale, yScale);
  graphics.FillPath(glow, path);
}

void OutlinePath(gdip::GdipGraphics& graphics, const gdip::GdipPath& path, gdip::ARGB colour, float width) {
  gdip::GdipPen pen;
  if (pen.Create(colour, width)) graphics.DrawPath(pen, path);
}

void OutlineRect(gdip::GdipGraphics& graphics, const RectF& rect, gdip::ARGB colour, float width) {
  gdip::GdipPen pen;
  if (pen.Create(colour, width)) graphics.DrawRectangle(pen, rect.x, rect.y, rect.width, rect.height);
}

void OutlineRoundRect(gdip::GdipGraphics& graphics, const RectF& rect, int corner, gdip::ARGB colour) {
  OutlinePath(graphics, MakeRoundRectPath(rect.x, rect.y, rect.width, rect.height, corner), colour);
}

void StrokeLine(gdip::GdipGraphics& graphics, PointF from, PointF to, gdip::ARGB colour) {
  gdip::GdipPen pen;
  if (pen.Create(colour, 1)) graphics.DrawLine(pen, from.x, from.y, to.x, to.y);
}

void ClipToRect(gdip::GdipGraphics& graphics, const RECT& rect) {
  graphics.SetClipRect(static_cast<float>(rect.left), static_cast<float>(rect.top),
                       static_cast<float>(rect.right - rect.left), static_cast<float>(rect.bottom - rect.top),
                       gdip::CombineMode::Replace);
}

void ClipToRing(gdip::GdipGraphics& graphics, float width, float height, const RECT& client) {
  graphics.SetClipRect(0, 0, width, height, gdip::CombineMode::Replace);
  graphics.SetClipRect(static_cast<float>(client.left), static_cast<float>(client.top),
                       static_cast<float>(client.right - client.left), static_cast<float>(client.bottom - client.top),
                       gdip::CombineMode::Xor);
}

}  // namespace skin
