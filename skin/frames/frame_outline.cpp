#include "skin/frames/frame_outline.h"

#include "gdip/gdip_path.h"
#include "gdip/gdip_pen.h"
#include "skin/core/colour_convert.h"
#include "skin/core/round_rect_path.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_window_table.h"

namespace skin {

void ApplyRoundRegion(HWND hwnd) {
  SetWindowRgn(hwnd, nullptr, TRUE);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
  RECT client{};
  GetClientRect(hwnd, &client);
  HRGN region = CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, 5, 5);
  // The window owns the region once it is set; a refused one is ours.
  if (region != nullptr && SetWindowRgn(hwnd, region, TRUE) == 0) DeleteObject(region);
}

namespace {

void DrawRoundLine(gdip::GdipGraphics& graphics, float x, float y, float w, float h, int corner,
                   gdip::ARGB colour) {
  gdip::GdipPath path;
  gdip::GdipPen pen;
  if (!path.Create() || !pen.Create(colour, 1.0f)) return;
  AddRoundRectPath(path, x, y, w, h, corner);
  graphics.DrawPath(pen, path);
}

}  // namespace

void PaintFrameOutline(int windowIndex, gdip::GdipGraphics& graphics) {
  const SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  RECT client{};
  GetClientRect(record.hwnd, &client);
  const float w = static_cast<float>(client.right);
  const float h = static_cast<float>(client.bottom);
  DrawRoundLine(graphics, 0, 0, w - 1, h - 1, 7, ToArgb(0x000000, 155));
  if (record.shadowHwnd == nullptr) DrawRoundLine(graphics, 1, 1, w - 3, h - 3, 6, ToArgb(0xFFFFFF, 140));
}

}  // namespace skin
