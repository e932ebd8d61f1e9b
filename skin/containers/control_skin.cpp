#include "skin/containers/control_skin.h"

#include <commctrl.h>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "runtime/gdi_object.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/toolbar_painter.h"
#include "skin/core/control_links.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/control_font.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/host_composition.h"
#include "skin/core/paint_kit.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/scroll_arrows.h"

namespace skin {

namespace {

constexpr COLORREF kDropBox = 0xFF8800;

// Classes whose own painting is laid over the skin with their background
// keyed out.
constexpr const char* kKeyedClasses[] = {"SysMonthCal32", "SysTabControl32", "msctls_statusbar32",
                                         "Button", "msctls_trackbar32"};

bool IsToolbar(HWND control) { return IsClass(control, TOOLBARCLASSNAMEA); }

LRESULT CallSaved(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(control, ControlSkinProc, message, wParam, lParam, prop::kControlOldProc);
}

// Paint path of the keyed classes: the control paints into a DC holding
// the skin behind it; that image, its background colour keyed out, goes
// over the control's tinted background.
LRESULT PaintKeyed(HWND control, const ControlRecord& record, LPARAM lParam) {
  RECT client{};
  GetClientRect(control, &client);
  const int w = client.right - client.left;
  const int h = client.bottom - client.top;
  CachedDc painted = ComposeControlBackground(control, client);
  const rt::PaintScope paint(control);
  if (!painted) return 0;
  const LRESULT result =
      CallSaved(control, WM_PAINT, reinterpret_cast<WPARAM>(painted.get()), lParam);
  const CachedDc tinted = MakeBackgroundDc(control);
  COLORREF key = record.background;
  if (record.dropFrame == 1) {
    PaintDropButtonFrame(control, painted.get());
    key = kWhite;
  }
  if (tinted) {
    TransparentBlt(tinted.get(), 0, 0, w, h, painted.get(), 0, 0, w, h, key);
    BitBlt(paint.get(), 0, 0, w, h, tinted.get(), 0, 0, SRCCOPY);
    BlitControlToHost(control, tinted.get(), true);
  }
  return result;
}

// Paint path of every other class: what the control draws on the screen
// is laid over the skin of its update rectangle.
LRESULT PaintOverScreen(HWND control, const ControlRecord& record, LPARAM lParam) {
  rt::WindowDc screen(control);
  RECT update{};
  GetUpdateRect(control, &update, FALSE);
  const int w = update.right - update.left;
  const int h = update.bottom - update.top;
  CachedDc skin = ComposeControlBackground(control, update);
  if (!skin) {
    screen.reset();
    return CallSaved(control, WM_PAINT, 0, lParam);
  }
  const LRESULT result = CallSaved(control, WM_PAINT, reinterpret_cast<WPARAM>(skin.get()), lParam);
  TransparentBlt(skin.get(), 0, 0, w, h, screen.get(), update.left, update.top, w, h, record.background);
  BitBlt(screen.get(), update.left, update.top, w, h, skin.get(), 0, 0, SRCCOPY);
  InvalidateVisibleChildren(control);
  BlitControlToHost(control, skin.get(), true);
  skin.reset();
  screen.reset();
  rt::PaintScope{control};  // validates the update region
  return result;
}

LRESULT Paint(HWND control, ControlRecord& record, LPARAM lParam) {
  const rt::Text className = GetWindowClassName(control);
  if (IsClassName(className, TOOLBARCLASSNAMEA)) {
    const rt::PaintScope paint(control);
    if (record.redraw != 0) {
      PaintToolbar(control);
    } else {
      BlitControlBackground(control, paint.get());
    }
    return 0;
  }
  for (const char* keyed : kKeyedClasses) {
    if (IsClassName(className, keyed)) return PaintKeyed(control, record, lParam);
  }
  return PaintOverScreen(control, record, lParam);
}

}  // namespace

void SkinToolbars(int /*windowIndex*/, HWND parent) {
  for (HWND toolbar = FindWindowExA(parent, nullptr, TOOLBARCLASSNAMEA, nullptr); toolbar != nullptr;
       toolbar = FindWindowExA(parent, toolbar, TOOLBARCLASSNAMEA, nullptr)) {
    const int windowIndex = FindSkinWindowOfAncestor(toolbar);
    if (SkinWindowTable.Find(windowIndex) == nullptr ||
        IsTaken(windowIndex, &SkinWindowRecord::controls, toolbar, kControlLink))
      continue;
    prop::Write(toolbar, prop::kCtlColourBitmap, SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
    InstallControlSkin(toolbar);
  }
}

bool InstallControlSkin(HWND control, std::optional<COLORREF> background, COLORREF containerTint,
                        int containerAlpha, int dropFrame, bool redrawToolbar) {
  const int windowIndex = FindSkinWindowOfAncestor(control);
  if (SkinWindowTable.Find(windowIndex) == nullptr) return false;
  const auto fill = [&](ControlRecord& record) {
    if (redrawToolbar && IsToolbar(control)) record.redraw = 1;
    const FontSpec font = GetControlFont(control);
    record.font.face = font.face.empty() ? rt::Text(kDefaultFontFace) : font.face;
    record.font.size = font.size == 0 ? kDefaultFontSize : font.size;
    record.font.style = font.style;
    record.dropFrame = dropFrame;
    record.background = background.value_or(GetSysColor(COLOR_BTNFACE));
  };
  if (!LinkControl(windowIndex, &SkinWindowRecord::controls, control, ControlSkinProc, fill, {}, kControlLink))
    return false;

  // A toolbar hosting a combo box, say, is a container as well.
  if (FindWindowExA(control, nullptr, nullptr, nullptr) != nullptr)
    InstallContainerSkin(control, 0, containerTint, containerAlpha);
  return true;
}

LRESULT CALLBACK ControlSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  ControlRecord* record = FindControlLink(hwnd, &SkinWindowRecord::controls, kControlLink).record;
  if (record == nullptr) return CallSaved(hwnd, message, wParam, lParam);

  switch (message) {
    case WM_MOUSEMOVE:
      record->redraw = 1;
      if (record->hover == 0) {
        record->hover = 1;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
      }
      break;
    case WM_LBUTTONDOWN:
      record->redraw = 1;
      break;
    case WM_MOUSELEAVE:
      record->hover = 0;
      record->redraw = 1;
      break;
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(hwnd);
      break;
    case WM_MOVE:
      if (TransparencyMode != 0) InvalidateRect(hwnd, nullptr, FALSE);
      break;
    case WM_ERASEBKGND:
      if (TransparencyMode == 0) break;
      // While its window is dragged or inactive a toolbar keeps its cached image.
      if (record->redraw == 0 && IsToolbar(hwnd)) record->redraw = NeedsRedraw(hwnd, true);
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_SIZE:
      if (IsToolbar(hwnd)) record->redraw = 1;
      break;
    case WM_PAINT:
      if (SkinChildControls == 0) break;
      return Paint(hwnd, *record, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (IsClass(hwnd, "RichEdit20A")) InvalidateRect(hwnd, nullptr, FALSE);
      break;
    default:
      break;
  }
  return CallSaved(hwnd, message, wParam, lParam);
}

int NeedsRedraw(HWND control, bool kjLink) {
  const INT_PTR hostIndex = prop::Read(control, kjLink ? prop::kControlHostIndex : prop::kHostIndex);
  const SkinWindowRecord* host = SkinWindowTable.Find(hostIndex);
  if (host == nullptr) return 0;
  // A drag alone leaves the window's pixels as they were; a resize does not.
  if (host->moving != 0) return host->sizing != 0 ? 1 : 0;
  return host->active != 0 ? 1 : 0;
}

void BlitControlBackground(HWND control, HDC dc) {
  PaintBackgroundFromForm(control, HostLink::Kj, ChildClip::All, dc);
}

void PaintDropButtonFrame(HWND control, HDC dc) {
  RECT client{};
  GetClientRect(control, &client);
  const auto x = static_cast<float>(client.left);
  const auto y = static_cast<float>(client.top);
  const auto w = static_cast<float>(client.right - client.left);
  const auto h = static_cast<float>(client.bottom - client.top);

  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc);
  gdip::GdipPath ring;
  ring.Create();
  ring.AddRectangle(x, y, w, h);
  graphics.SetClipPath(ring);
  graphics.SetClipRect(x + 3, y + 3, w - 6, h - 6, gdip::CombineMode::Xor);
  // White: the colour the caller keys out.
  graphics.Clear(ToArgb(kWhite, 255));
  OutlineRect(graphics, {x, y, w - 1, h - 1}, ToArgb(kBlack, 120));
  OutlineRect(graphics, {x + 1, y + 1, w - 3, h - 3}, ToArgb(kBlack, 10));
  graphics.ResetClip();

  FillRectSolid(graphics, {w - 20, y + 3, 17, h - 7}, ToArgb(kDropBox, 80));
  OutlineRect(graphics, {w - 20, y + 3, 17, h - 7}, ToArgb(kBlack, 100));

  const ChevronPicture chevron(control, Chevron::Down);
  if (gdip::GdipImage* picture = chevron.get())
    graphics.DrawImage(*picture, w - 15, static_cast<float>(static_cast<int>(y + (h - 11) / 2 + 3)));
}

}  // namespace skin
