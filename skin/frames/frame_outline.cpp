#include "skin/frames/frame_outline.h"

#include "runtime/gdi_object.h"

#include "skin/core/colour_convert.h"
#include "skin/core/engine_globals.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_window_table.h"

namespace skin {

namespace {

// The rounded region of a client area of w x h.
HRGN RoundRegion(int w, int h) { return CreateRoundRectRgn(0, 0, w + 1, h + 1, 5, 5); }

// True when the window's region is the rounded one already. Some systems
// hand the region back cut to the window rectangle, so that counts too.
bool HasRoundRegion(HWND hwnd, int w, int h) {
  rt::UniqueRegion held(CreateRectRgn(0, 0, 0, 0));
  if (!held || GetWindowRgn(hwnd, held.get()) == ERROR) return false;
  rt::UniqueRegion wanted(RoundRegion(w, h));
  if (!wanted) return false;
  if (EqualRgn(held.get(), wanted.get())) return true;
  RECT window{};
  GetWindowRect(hwnd, &window);
  rt::UniqueRegion bounds(CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top));
  return bounds && CombineRgn(wanted.get(), wanted.get(), bounds.get(), RGN_AND) != ERROR &&
         EqualRgn(held.get(), wanted.get());
}

}  // namespace

void ApplyRoundRegion(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  // Setting a region is a costly round trip that also repaints; the same
  // region again changes nothing.
  if (HasRoundRegion(hwnd, client.right, client.bottom)) return;
  SetWindowRgn(hwnd, nullptr, TRUE);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(hwnd, &client);
  HRGN region = RoundRegion(client.right, client.bottom);
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
