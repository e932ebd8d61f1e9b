#include "skin/lists/list_control_painters.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_pen.h"
#include "runtime/gdi_object.h"
#include "skin/core/client_area.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/finished_image.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_queries.h"
#include "skin/lists/edit_painters.h"
#include "skin/lists/keyed_composition.h"

namespace skin {

namespace {

constexpr COLORREF kKey = 0xFF00FF;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The tint (or opaque white) between the window edge and the client,
// then the outline of the hover, focus or idle state.
void DrawRing(HDC image, int w, int h, const RECT& client, int isHover, int isFocused) {
  gdip::GdipGraphics g;
  g.CreateFromHdc(image);
  const auto fw = static_cast<float>(w);
  const auto fh = static_cast<float>(h);
  ClipToRing(g, fw, fh, client);  // the native scroll bars too
  if (TransparencyMode) {
    FillRectSolid(g, {0, 0, fw, fh}, ToArgb(kWhite, GlobalAlpha));
  } else {
    g.Clear(ToArgb(kWhite));
  }
  g.ResetClip();

  if (isHover && ListHoverTracking) {
    OutlineRect(g, {1, 1, fw - 2, fh - 2}, ToArgb(AccentColour, 200), 2);
  } else if (isHover || isFocused) {
    OutlineRect(g, {0, 0, fw - 1, fh - 1}, ToArgb(AccentColour, 200));
  } else {
    OutlineRect(g, {0, 0, fw - 1, fh - 1}, ToArgb(kBlack, 90));
  }
}

// Everything DrawRing draws from beside the background.
FinishedImage::Key RingKey(int w, int h, const RECT& client, int isHover, int isFocused) {
  FinishedImage::Key key{w, h, client.left, client.top, client.right, client.bottom, isHover, isFocused,
                         ListHoverTracking, static_cast<std::int64_t>(AccentColour), TransparencyMode};
  if (TransparencyMode) key.Add(static_cast<std::int64_t>(GlobalAlpha));
  return key;
}

}  // namespace

void PaintSkinFrame(int windowIndex, int listIndex, std::optional<int> hover, std::optional<int> focused) {
  SkinWindowRecord* host = SkinWindowTable.Find(windowIndex);
  if (host == nullptr || !host->listControls.Contains(listIndex)) return;
  const ListControlRecord& record = host->listControls.At(listIndex);
  const HWND control = record.hwnd;
  if (control == nullptr || !IsWindow(control)) return;
  const int isHover = hover.value_or(record.hover);
  const int isFocused = focused.value_or(record.focused);

  // A simple-combo list and a borderless control have no ring: an image
  // that is all key would transfer nothing.
  if (IsClass(control, "ComboLBox") || GetBorderKind(control) == BorderKind::None) return;

  RECT window{};
  GetWindowRect(control, &window);
  const int w = Width(window);
  const int h = Height(window);
  const RECT client = GetClientRectInWindow(control);
  const CachedDc image = ComposeControlBackground(control, {0, 0, w, h});
  if (!image) return;
  // Found again: composing the background may have re-entered the engine.
  const FinishedImage* kept = nullptr;
  if (SkinWindowRecord* again = SkinWindowTable.Find(windowIndex);
      again != nullptr && again->listControls.Contains(listIndex) && again->listControls.At(listIndex).hwnd == control) {
    kept = &again->listControls.At(listIndex).ringImage;
  }
  FinishedImage::Key key = RingKey(w, h, client, isHover, isFocused);
  if (kept == nullptr) {
    DrawRing(image.get(), w, h, client, isHover, isFocused);
  } else if (!kept->Restore(image.get(), key)) {
    kept->Start(image.get(), std::move(key));
    DrawRing(image.get(), w, h, client, isHover, isFocused);
    kept->Finish(image.get());
  }
  // The client is left out: it keeps what the control painted there. On
  // screen a clipped plain copy does that at a fraction of a keyed one's
  // cost; the composition is keyed, as it keeps the keyed copy's pixels.
  {
    rt::WindowDc screen(control, GetWindowDC(control));
    ExcludeClipRect(screen.get(), client.left, client.top, client.right, client.bottom);
    BitBlt(screen.get(), 0, 0, w, h, image.get(), 0, 0, SRCCOPY);
  }
  FillKeyColour(image.get(), client, kKey);
  ComposeKeyedImage(control, image.get(), kKey);
}

void PaintIpAddress(HWND control, HDC dc) {
  RECT client{};
  GetClientRect(control, &client);
  std::vector<POINT> dots;
  for (HWND field = FindWindowExA(control, nullptr, "Edit", nullptr); field;
       field = FindWindowExA(control, field, "Edit", nullptr)) {
    const RECT place = GetRectInParentWindow(field);
    dots.push_back({place.right + 1, client.bottom / 2});
  }
  if (dots.empty()) return;
  gdip::GdipGraphics g;
  g.CreateFromHdc(dc);
  gdip::GdipPen pen;
  pen.Create(ToArgb(kBlack), 1);
  for (const POINT& dot : dots) g.DrawEllipse(pen, static_cast<float>(dot.x), static_cast<float>(dot.y), 1, 1);
}

void BlitWithColourKey(HDC dc, COLORREF key, COLORREF colour, int width, int height) {
  if (width <= 0 || height <= 0) return;
  const CachedDc temporary = CreateDibDc({0, 0, width, height});
  if (!temporary) return;
  {
    gdip::GdipGraphics g;
    g.CreateFromHdc(temporary.get());
    g.Clear(ToArgb(colour));
  }
  TransparentBlt(temporary.get(), 0, 0, width, height, dc, 0, 0, width, height, key);
  BitBlt(dc, 0, 0, width, height, temporary.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
