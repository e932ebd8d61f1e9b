#include "skin/lists/edit_painters.h"

#include <cstdint>
#include <utility>

#include "runtime/gdi_object.h"
#include "skin/core/client_area.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/finished_image.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/edit_installers.h"
#include "skin/lists/keyed_composition.h"
#include "skin/core/control_links.h"

namespace skin {

namespace {

constexpr COLORREF kKey = 0xFF00FF;

struct Tint {
  COLORREF colour;
  int alpha;
};

// The edit's tint: the alternative pair when "Zqk_Szqk" is 1 (no white
// default there), else "Kj_bjys" at "Kj_bjystmd", white at `alpha` when
// both are 0.
Tint EditTint(HWND edit, int alpha) {
  if (prop::Read(edit, prop::kAltTint) == 1) {
    return {static_cast<COLORREF>(prop::Read(edit, prop::kAltTintColour)),
            static_cast<int>(prop::Read(edit, prop::kAltTintAlpha))};
  }
  const auto colour = static_cast<COLORREF>(prop::Read(edit, prop::kTintColour));
  const auto tintAlpha = static_cast<int>(prop::Read(edit, prop::kTintAlpha));
  if (colour == 0 && tintAlpha == 0) return {kWhite, alpha};
  return {colour, tintAlpha};
}

bool ExStyleHas(LONG_PTR exStyle, LONG_PTR bits) { return (exStyle & bits) == bits; }

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Leaves a native bar of the style out of the window DC: the overlay shows
// the skinned one there.
void ExcludeBar(HDC dc, HWND edit, LONG object, const RECT& window) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(edit, object, &info);
  const RECT& bar = info.rcScrollBar;
  ExcludeClipRect(dc, bar.left - window.left, bar.top - window.top, bar.right - window.left,
                  bar.bottom - window.top);
}

// Everything DrawEditRing draws from beside the background.
FinishedImage::Key RingKey(HWND edit, int width, int height, const RECT& client, int focused, int hover) {
  const BorderKind border = GetBorderKind(edit);
  FinishedImage::Key key{width,
                         height,
                         client.left,
                         client.top,
                         client.right,
                         client.bottom,
                         static_cast<int>(border),
                         border != BorderKind::None && FindSkinWindowOfAncestor(edit) != 0 ? 1 : 0,
                         focused,
                         hover,
                         static_cast<std::int64_t>(AccentColour),
                         TransparencyMode};
  if (TransparencyMode) {
    const Tint tint = EditTint(edit, GlobalAlpha);
    key.Add(static_cast<std::int64_t>(tint.colour));
    key.Add(static_cast<std::int64_t>(tint.alpha));
  }
  return key;
}

}  // namespace

BorderKind GetBorderKind(HWND window) {
  if ((GetWindowLongPtrA(window, GWL_STYLE) & WS_BORDER) == WS_BORDER) return BorderKind::Line;
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  for (LONG_PTR bits : {WS_EX_WINDOWEDGE, WS_EX_OVERLAPPEDWINDOW, WS_EX_CLIENTEDGE, WS_EX_DLGMODALFRAME,
                        WS_EX_PALETTEWINDOW}) {
    if (ExStyleHas(exStyle, bits)) return BorderKind::Edge;
  }
  return BorderKind::None;
}

void DrawEditBorder(HWND edit, std::optional<int> focused, std::optional<int> hover, gdip::GdipGraphics& graphics) {
  const int windowIndex = FindSkinWindowOfAncestor(edit);
  if (windowIndex == 0) return;
  const int listIndex = FindEditRecord(windowIndex, edit);
  int isFocused = focused.value_or(0);
  int isHover = hover.value_or(0);
  if (listIndex >= 1) {
    const EditRecord& record = SkinWindowTable.At(windowIndex).edits.At(listIndex);
    isFocused = focused.value_or(record.focused);
    isHover = hover.value_or(record.hover);
  }
  RECT window{};
  GetWindowRect(edit, &window);
  const auto w = static_cast<float>(Width(window));
  const auto h = static_cast<float>(Height(window));
  if (isHover && GetBorderKind(edit) == BorderKind::Edge) {
    OutlineRect(graphics, {0, 0, w - 1, h - 1}, ToArgb(kWhite, 60));
    OutlineRect(graphics, {0, 0, w - 1, h - 1}, ToArgb(AccentColour, 90));
    OutlineRect(graphics, {1, 1, w - 3, h - 3}, ToArgb(AccentColour, 180));
  } else {
    OutlineRect(graphics, {0, 0, w - 1, h - 1}, isFocused ? ToArgb(AccentColour, 180) : ToArgb(kBlack, 80));
  }
}

void DrawEditRing(HDC dc, HWND edit, int width, int height, const RECT& client, int focused, int hover) {
  gdip::GdipGraphics g;
  g.CreateFromHdc(dc);
  const auto w = static_cast<float>(width);
  const auto h = static_cast<float>(height);
  ClipToRing(g, w, h, client);  // the native scroll bars too
  if (TransparencyMode) {
    const Tint tint = EditTint(edit, GlobalAlpha);
    FillRectSolid(g, {0, 0, w, h}, ToArgb(tint.colour, tint.alpha));
  } else {
    g.Clear(ToArgb(kWhite));
  }
  if (GetBorderKind(edit) != BorderKind::None) DrawEditBorder(edit, focused, hover, g);
}

void PaintEditFrame(HWND edit, std::optional<int> focused, std::optional<int> hover) {
  EditRecord* record = FindControlLink(edit, &SkinWindowRecord::edits).record;
  if (record == nullptr) return;
  const int isFocused = focused.value_or(record->focused);
  const int isHover = hover.value_or(record->hover);

  RECT window{};
  GetWindowRect(edit, &window);
  const int width = Width(window);
  const int height = Height(window);
  const RECT client = GetClientRectInWindow(edit);
  const CachedDc owned = ComposeControlBackground(edit, {0, 0, width, height});
  if (!owned) return;
  HDC dc = owned.get();
  FinishedImage::Key key = RingKey(edit, width, height, client, isFocused, isHover);
  if (!record->ringImage.Restore(dc, key)) {
    record->ringImage.Start(dc, std::move(key));
    DrawEditRing(dc, edit, width, height, client, isFocused, isHover);
    record->ringImage.Finish(dc);
  }

  {
    rt::WindowDc screen(edit, GetWindowDC(edit));
    ExcludeClipRect(screen.get(), client.left, client.top, client.right, client.bottom);
    if (HasVScrollStyle(edit)) ExcludeBar(screen.get(), edit, OBJID_VSCROLL, window);
    if (HasHScrollStyle(edit)) ExcludeBar(screen.get(), edit, OBJID_HSCROLL, window);
    BitBlt(screen.get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  }

  // The client is keyed out, so the composition keeps the text the edit
  // painted there itself.
  FillKeyColour(dc, client, kKey);
  ComposeKeyedImage(edit, dc, kKey);
}

void PaintEditBackground(HWND edit, HDC target, std::optional<int> alpha) {
  const RECT client = GetClientRectInWindow(edit);
  const CachedDc owned = ComposeControlBackground(edit, client);
  if (!owned) return;
  HDC dc = owned.get();
  const int width = Width(client);
  const int height = Height(client);
  {
    const Tint tint = EditTint(edit, alpha.value_or(GlobalAlpha));
    gdip::GdipGraphics g;
    g.CreateFromHdc(dc);
    FillRectSolid(g, {0, 0, static_cast<float>(width), static_cast<float>(height)}, ToArgb(tint.colour, tint.alpha));
  }
  if (target != nullptr) {
    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
  } else {
    rt::WindowDc screen(edit, GetWindowDC(edit));
    BitBlt(screen.get(), client.left, client.top, width, height, dc, 0, 0, SRCCOPY);
  }
}

}  // namespace skin
