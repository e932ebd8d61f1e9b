#include "skin/frames/frame_outline.h"

#include "skin/core/colour_convert.h"
#include "skin/core/engine_globals.h"
#include "skin/core/paint_kit.h"
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

void PaintFrameOutline(int windowIndex, gdip::GdipGraphics& graphics) {
  const SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  RECT client{};
  GetClientRect(record.hwnd, &client);
  const float w = static_cast<float>(client.right);
  const float h = static_cast<float>(client.bottom);
  OutlineRoundRect(graphics, {0, 0, w - 1, h - 1}, 7, ToArgb(kBlack, 155));
  if (record.shadowHwnd == nullptr) OutlineRoundRect(graphics, {1, 1, w - 3, h - 3}, 6, ToArgb(kWhite, 140));
}

}  // namespace skin
