#include "skin/core/control_background.h"

#include <commctrl.h>

#include <utility>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_path.h"
#include "skin/core/client_area.h"
#include "skin/core/colour_convert.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/paint_kit.h"
#include "skin/core/round_rect_path.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

namespace {

constexpr int kTabCorner = 5;
constexpr int kUnskinnedThemeAlpha = 30;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }


// Copies the source's pixels behind `area` of a control placed at `place`.
void CopyBehind(HDC dc, HDC source, const RECT& place, const RECT& area) {
  BitBlt(dc, 0, 0, Width(area), Height(area), source, place.left + area.left, place.top + area.top, SRCCOPY);
}

// The rounded frame of a group box: its band of text on top stays out.
void AddGroupBoxShape(gdip::GdipPath& path, const RECT& area) {
  AddRoundRectPath(path, 0, 5, static_cast<float>(area.right), static_cast<float>(area.bottom - 6), 5);
}

// The shape a container other than a group box tints: the inset rounded
// rectangle when both are given, else the whole area.
void AddContainerShape(gdip::GdipPath& path, gdip::GdipGraphics& graphics, int width, int height,
                       std::optional<int> inset, std::optional<int> corner) {
  if (inset && corner) {
    AddRoundRectPathI(path, static_cast<float>(*inset), static_cast<float>(*inset),
                      static_cast<float>(width - 2 * *inset), static_cast<float>(height - 2 * *inset), *corner);
    graphics.SetClipPath(path);
  } else {
    path.AddRectangle(0, 0, static_cast<float>(width), static_cast<float>(height));
  }
}

// A registered container placed straight in the skinned window tints its
// own face: a group box inside its frame, a tab control on its page.
void TintContainerInWindow(HDC dc, HWND control, const ContainerRecord& container, const RECT& area,
                           std::optional<int> inset, std::optional<int> corner) {
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  gdip::GdipPath path;
  path.Create();
  if (container.kind == ContainerKind::GroupBox) {
    AddGroupBoxShape(path, area);
    graphics.SetClipPath(path);
  } else if (IsClass(control, WC_TABCONTROLA)) {
    const RECT page = GetTabPageRect(control);
    AddRoundRectPath(path, static_cast<float>(page.left), static_cast<float>(page.top),
                     static_cast<float>(Width(page) - 1), static_cast<float>(Height(page) - 1), kTabCorner);
    graphics.SetClipPath(path);
  } else {
    AddContainerShape(path, graphics, Width(area), Height(area), inset, corner);
  }
  FillPathSolid(graphics, path, ToArgb(container.tintColour, container.alpha));
}

// A group box inside a tinted container: its corners and the band above
// its frame show the parent's tint, the inside of the frame its own.
void TintNestedGroupBox(HDC dc, HWND control, SkinWindowRecord& window, int windowIndex,
                        const ContainerRecord& container, const RECT& area, const PanelMarks& marks) {
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  HWND parent = GetParent(control);
  const int parentIndex = FindContainerRecord(windowIndex, parent);
  if (parentIndex >= 1 && marks.Of(parent) == 0) {
    const ContainerRecord& outer = window.containers.At(parentIndex);
    if (outer.tintColour > 0) {
      const float right = static_cast<float>(area.right), bottom = static_cast<float>(area.bottom);
      graphics.SetClipRect(0, 0, right, bottom);
      gdip::GdipPath frame;
      frame.Create();
      AddGroupBoxShape(frame, area);
      graphics.SetClipPath(frame, gdip::CombineMode::Xor);
      FillRectSolid(graphics, {0, 0, right, bottom}, ToArgb(outer.tintColour, outer.alpha));
      graphics.ResetClip();
    }
  }
  gdip::GdipPath path;
  path.Create();
  AddGroupBoxShape(path, area);
  graphics.SetClipPath(path);
  FillPathSolid(graphics, path, ToArgb(container.tintColour, container.alpha));
}

// Inside a container: the control's own tint when it is a registered
// container, else the tint of the nearest container that tints its
// children (searching up to `stop`).
void TintInsideContainer(HDC dc, HWND control, int windowIndex, const RECT& area, std::optional<int> inset,
                         std::optional<int> corner, HWND stop, const PanelMarks& marks) {
  SkinWindowRecord& window = SkinWindowTable.At(windowIndex);
  if (const int own = FindContainerRecord(windowIndex, control); own >= 1) {
    const ContainerRecord& container = window.containers.At(own);
    if (container.tintColour == 0) return;
    if (container.kind == ContainerKind::GroupBox) {
      TintNestedGroupBox(dc, control, window, windowIndex, container, area, marks);
      return;
    }
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(dc);
    gdip::GdipPath path;
    path.Create();
    AddContainerShape(path, graphics, Width(area), Height(area), inset, corner);
    FillPathSolid(graphics, path, ToArgb(container.tintColour, container.alpha));
    return;
  }
  const int flagged = FindFlaggedContainer(windowIndex, control, stop);
  if (flagged < 1) return;
  const ContainerRecord& container = window.containers.At(flagged);
  if (container.tintColour == 0) return;
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  gdip::GdipPath path;
  path.Create();
  path.AddRectangle(0, 0, static_cast<float>(Width(area)), static_cast<float>(Height(area)));
  FillPathSolid(graphics, path, ToArgb(container.tintColour, container.alpha));
}

// A panel keeps its own background DC; controls on it take their
// background from there instead of from the window frame.
void CopyFromPanel(HDC dc, HWND control, HWND panel, int windowIndex, const RECT& area) {
  if (panel == control) {
    HWND outer = prop::ReadHandle<HWND>(control, prop::kPanelAncestor);
    if (outer) {
      CopyBehind(dc, prop::ReadHandle<HDC>(outer, prop::kPanelDc), GetRectRelativeTo(outer, control), area);
    } else if (SkinWindowTable.Contains(windowIndex)) {
      CopyBehind(dc, SkinWindowTable.At(windowIndex).backgroundDc.get(), GetRectInSkinWindow(control), area);
    }
    return;
  }
  CopyBehind(dc, prop::ReadHandle<HDC>(panel, prop::kPanelDc), GetRectRelativeTo(panel, control), area);
}

}  // namespace

CachedDc ComposeControlBackground(HWND control, const RECT& area, std::optional<int> inset,
                                  std::optional<int> corner) {
  CachedDc owner = CreateDibDc({0, 0, Width(area), Height(area)});
  if (!owner) return owner;
  HDC dc = owner.get();

  int windowIndex = 0, containerIndex = 0;
  HWND panel = nullptr;
  // Asked once for the host walk and the tints below.
  const PanelMarks marks = PanelMarks::Current();
  if (FindControlHost(control, windowIndex, containerIndex, panel, marks) == 1) {
    SkinWindowRecord& window = SkinWindowTable.At(windowIndex);
    CopyBehind(dc, window.backgroundDc.get(), GetRectInHost(control), area);
    const int own = FindContainerRecord(windowIndex, control);
    if (own >= 1 && window.containers.At(own).tintColour != 0)
      TintContainerInWindow(dc, control, window.containers.At(own), area, inset, corner);
    return owner;
  }

  if (windowIndex < 1) windowIndex = FindSkinWindowOfAncestor(control);
  if (windowIndex < 1) return {};  // the owner releases the DC made above
  if (panel) {
    CopyFromPanel(dc, control, panel, windowIndex, area);
  } else {
    // A container's own painting is not in backgroundDc: the background
    // always comes from the window frame.
    CopyBehind(dc, SkinWindowTable.At(windowIndex).backgroundDc.get(), GetRectInSkinWindow(control), area);
  }
  TintInsideContainer(dc, control, windowIndex, area, inset, corner, panel, marks);
  return owner;
}

RECT GetTabPageRect(HWND tab) {
  RECT client{};
  GetClientRect(tab, &client);
  const int rows = static_cast<int>(SendMessageA(tab, TCM_GETROWCOUNT, 0, 0));
  RECT item{};
  SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
  const LONG_PTR style = GetWindowLongPtrA(tab, GWL_STYLE);
  const bool vertical = (style & TCS_VERTICAL) != 0;
  const bool rightOrBottom = (style & TCS_RIGHT) != 0;  // TCS_BOTTOM is the same bit

  if (vertical && rightOrBottom) return {0, 0, client.right - rows * Width(item) - 1, client.bottom};
  if (rightOrBottom) return {0, 0, client.right, client.bottom - rows * Height(item) - 1};
  if (vertical) return {rows * Width(item) + 1, 0, client.right, client.bottom};
  return {0, rows * Height(item) + 1, client.right, client.bottom};
}

namespace {

struct ControlTint {
  COLORREF colour;
  int alpha;
};

// The colour laid over a control's background: its "Kj_bjys" at
// "Kj_bjystmd", or white at GlobalAlpha when neither is set.
ControlTint TintOf(HWND control) {
  const bool alternative = prop::Read(control, prop::kAltTint) == 1;
  const auto colour = static_cast<COLORREF>(prop::Read(control, alternative ? prop::kAltTintColour : prop::kTintColour));
  const auto alpha = static_cast<int>(prop::Read(control, alternative ? prop::kAltTintAlpha : prop::kTintAlpha));
  if (colour == 0 && alpha == 0) return {kWhite, GlobalAlpha};
  return {colour, alpha};
}

// The control's composed client-area background with its tint over it.
CachedDc ComposeTintedClientBackground(HWND control, RECT& area) {
  area = GetClientRectInWindow(control);
  CachedDc dc = ComposeControlBackground(control, area);
  if (!dc) return dc;
  const ControlTint tint = TintOf(control);
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc.get());
  FillRectSolid(graphics, {0, 0, static_cast<float>(Width(area)), static_cast<float>(Height(area))},
                ToArgb(tint.colour, tint.alpha));
  return dc;
}

}  // namespace

CachedDc MakeBackgroundDc(HWND control) {
  RECT area{};
  return ComposeTintedClientBackground(control, area);
}

rt::UniqueBitmap MakeBackgroundBitmap(HWND control) {
  if (FindSkinWindowOfAncestor(control) != 0) {
    RECT area{};
    CachedDc dc = ComposeTintedClientBackground(control, area);
    if (!dc) return rt::UniqueBitmap();
    return CopyToNewBitmap(std::move(dc), Width(area), Height(area));
  }
  RECT window{};
  GetWindowRect(control, &window);
  gdip::GdipBitmap bitmap;
  bitmap.Create(Width(window), Height(window));
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromImage(bitmap);
    graphics.Clear(ToArgb(kWhite));
    FillRectSolid(graphics, {0, 0, static_cast<float>(Width(window)), static_cast<float>(Height(window))},
                  ToArgb(ThemeColour, kUnskinnedThemeAlpha));
  }
  return rt::UniqueBitmap(bitmap.GetHbitmap());
}

}  // namespace skin
