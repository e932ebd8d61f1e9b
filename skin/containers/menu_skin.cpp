#include "skin/containers/menu_skin.h"

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_path.h"
#include "runtime/gdi_object.h"
#include "skin/core/control_links.h"
#include "skin/core/client_area.h"
#include "skin/core/colour_convert.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/paint_kit.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

namespace {

constexpr char kPopupMenuClass[] = "#32768";

}  // namespace

HWINEVENTHOOK MenuPopupHook = nullptr;

HWINEVENTHOOK HookMenuPopup() {
  // One pending hook at most: a second would be left behind by the event
  // that removes the first.
  if (MenuPopupHook != nullptr) return MenuPopupHook;
  MenuPopupHook = SetWinEventHook(EVENT_SYSTEM_MENUPOPUPSTART, EVENT_SYSTEM_MENUPOPUPSTART, nullptr,
                                  MenuPopupEventAdapter, GetCurrentProcessId(), 0,
                                  WINEVENT_OUTOFCONTEXT);
  return MenuPopupHook;
}

void MenuPopupEventProc(HWINEVENTHOOK /*hook*/, DWORD event, HWND window, LONG /*objectId*/,
                        LONG /*childId*/, DWORD /*eventThread*/, DWORD /*eventTime*/) {
  // Events still queued after the hook went are not ours to act on.
  if (MenuPopupHook == nullptr) return;
  if (event == EVENT_SYSTEM_MENUPOPUPSTART && window != nullptr &&
      IsClass(window, kPopupMenuClass)) {
    SkinPopupMenu(window);
  }
  UnhookWinEvent(MenuPopupHook);
  MenuPopupHook = nullptr;
}

void CALLBACK MenuPopupEventAdapter(HWINEVENTHOOK hook, DWORD event, HWND window, LONG objectId,
                                    LONG childId, DWORD eventThread, DWORD eventTime) {
  MenuPopupEventProc(hook, event, window, objectId, childId, eventThread, eventTime);
}

void SkinPopupMenu(HWND popup) {
  RECT window{};
  GetWindowRect(popup, &window);
  OffsetRect(&window, -window.left, -window.top);
  // The window owns the region from here on.
  SetWindowRgn(popup, CreateRoundRectRgn(0, 0, window.right + 1, window.bottom + 1, 4, 4), TRUE);
  // A reused popup window keeps its first subclass.
  if (!CarriesSavedProcedure(popup)) InstallProcedure(popup, PopupMenuSkinProc);
  PaintMenuBorder(popup);
}

LRESULT CALLBACK PopupMenuSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCPAINT) {
    PaintMenuBorder(hwnd);
    return 0;
  }
  return CallSavedProcedure(hwnd, PopupMenuSkinProc, message, wParam, lParam);
}

void PaintMenuBorder(HWND popup) {
  RECT window{};
  GetWindowRect(popup, &window);
  const int w = window.right - window.left;
  const int h = window.bottom - window.top;
  const RECT client = GetBorderInsets(popup);

  const CachedDc image = CreateDibDc({0, 0, w, h});
  if (!image) return;
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(image.get());
    const auto fw = static_cast<float>(w);
    const auto fh = static_cast<float>(h);
    FillRectSolid(graphics, {0, 0, fw, fh}, ToArgb(ThemeColour, 255));
    FillRectSolid(graphics, {0, 0, fw, fh}, ToArgb(kWhite, 230));

    const gdip::GdipPath outline = MakeRoundRectPath(0, 0, fw - 1, fh - 1, 5);
    OutlinePath(graphics, outline, ToArgb(kBlack, 150));
    OutlinePath(graphics, outline, ToArgb(AccentColour, 60));
  }
  rt::WindowDc windowDc(popup, GetWindowDC(popup));
  // Only the frame: the items in the client area stay as they are.
  ExcludeClipRect(windowDc.get(), client.left, client.top, client.right, client.bottom);
  BitBlt(windowDc.get(), 0, 0, w, h, image.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
