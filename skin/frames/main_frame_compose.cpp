#include "skin/frames/main_frame_compose.h"

#include <windows.h>

#include "gdip/gdip_graphics.h"
#include "runtime/gdi_object.h"
#include "skin/core/child_clipping.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_window_table.h"
#include "skin/core/window_queries.h"
#include "skin/core/window_properties.h"
#include "skin/frames/bottom_bar_paint.h"
#include "skin/frames/caption_button_paint.h"
#include "skin/frames/child_invalidation.h"
#include "skin/frames/frame_background.h"
#include "skin/frames/frame_outline.h"
#include "skin/frames/frame_title.h"
#include "skin/frames/image_dc.h"

namespace skin {

namespace {

// The frame's copy lays the skin over the transparent children (labels
// that draw only their text): they paint themselves again over it.
void InvalidateTransparentChildren(HWND frame) {
  ForEachChild(frame, [](HWND child) {
    if (IsTransparentExStyle(child)) InvalidateRect(child, nullptr, TRUE);
  });
}

}  // namespace

void ComposeMainFrame(int windowIndex, bool present) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  RECT client{};
  GetClientRect(record.hwnd, &client);
  const int w = client.right, h = client.bottom;

  if (record.frameSwitch && present) ApplyRoundRegion(record.hwnd);

  record.backgroundDc = CreateDibDc(RECT{0, 0, w, h});
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(record.backgroundDc.get());
    PaintFrameBackground(graphics, windowIndex);

    if (record.frameSwitch) {
      PaintFrameOutline(windowIndex, graphics);
      record.captionDc = CreateImageDc(w, record.captionHeight);
      BitBlt(record.captionDc.get(), 0, 0, w, record.captionHeight, record.backgroundDc.get(), 0, 0, SRCCOPY);
    }
    if (record.bottomBarHeight > 0) {
      const XywhRect& bar = record.bottomBarRect;
      record.bottomDc = CreateImageDc(bar.width, bar.height);
      BitBlt(record.bottomDc.get(), 0, 0, bar.width, bar.height, record.backgroundDc.get(), bar.x, bar.y, SRCCOPY);
    }
    if (record.frameSwitch) {
      if (record.showTitle) DrawFrameTitle(windowIndex, graphics);
      const int buttons = static_cast<int>(record.captionButtons.size());
      for (int i = 1; i <= buttons; ++i) DrawCaptionButton(windowIndex, i, graphics);
    }
    if (record.bottomBarHeight > 0) {
      const int items = static_cast<int>(record.bottomItemRects.size());
      for (int i = 1; i <= items; ++i) DrawBottomBarItem(windowIndex, graphics, i);
    }
  }

  record.compositionDc = CreateDibDc(RECT{0, 0, w, h});
  BitBlt(record.compositionDc.get(), 0, 0, w, h, record.backgroundDc.get(), 0, 0, SRCCOPY);
  prop::Write(record.hwnd, prop::kCompositionDc, reinterpret_cast<INT_PTR>(record.compositionDc.get()));

  record.recompose = 0;
  if (present) {
    rt::WindowDc window = GetDcWithoutChildren(record.hwnd);
    BitBlt(window.get(), 0, 0, w, h, record.backgroundDc.get(), 0, 0, SRCCOPY);
  }
  record.width = w;
  record.height = h;
  if (present) {
    InvalidateSkinnedChildren(windowIndex);
    InvalidateTransparentChildren(record.hwnd);
  }
}

}  // namespace skin
