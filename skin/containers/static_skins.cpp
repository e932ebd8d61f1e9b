#include "skin/containers/static_skins.h"

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "runtime/gdi_object.h"
#include "skin/core/control_links.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/child_clipping.h"
#include "skin/core/control_background.h"
#include "skin/core/control_brush.h"
#include "skin/core/control_font.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/skin_text.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

namespace {

constexpr COLORREF kTextBlack = 0;
constexpr COLORREF kHaloWhite = 0xFFFFFF;
constexpr int kHaloDivisor = 4;

bool StyleContains(LONG_PTR style, LONG_PTR bits) { return (style | bits) == style; }

StaticKind KindOf(LONG_PTR style) {
  if (StyleContains(style, SS_ICON)) return StaticKind::Icon;
  if (StyleContains(style, SS_BITMAP)) return StaticKind::Bitmap;
  return StaticKind::Text;
}

ImagePlacement PlacementOf(LONG_PTR style) {
  if (StyleContains(style, SS_CENTERIMAGE)) return ImagePlacement::Centred;
  if (StyleContains(style, SS_REALSIZECONTROL)) return ImagePlacement::Stretched;
  if (StyleContains(style, SS_RIGHTJUST)) return ImagePlacement::RightJustified;
  return ImagePlacement::TopLeft;
}

LRESULT CallSaved(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(hwnd, StaticSkinProc, message, wParam, lParam);
}

HANDLE StaticImage(HWND hwnd, bool bitmapFirst) {
  const auto icon = [hwnd] { return reinterpret_cast<HANDLE>(SendMessageA(hwnd, STM_GETICON, 0, 0)); };
  const auto bitmap = [hwnd] {
    return reinterpret_cast<HANDLE>(SendMessageA(hwnd, STM_GETIMAGE, IMAGE_BITMAP, 0));
  };
  if (bitmapFirst) {
    HANDLE handle = bitmap();
    return handle != nullptr ? handle : icon();
  }
  HANDLE handle = icon();
  return handle != nullptr ? handle : bitmap();
}

// Nothing of its own to show: an image static without image, or a text
// static whose text is blank.
bool PaintsNatively(HWND hwnd, const StaticRecord& record) {
  if (record.kind == StaticKind::Icon || record.kind == StaticKind::Bitmap)
    return StaticImage(hwnd, false) == nullptr;
  return record.kind == StaticKind::Text && IsBlankStaticText(GetWindowTextCopy(hwnd));
}

// The static's own procedure paints into a memory DC that already holds
// the skin background, which then goes onto the static.
void PaintNatively(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  CachedDc image = ComposeControlBackground(hwnd, client);
  const rt::PaintScope paint(hwnd);
  if (image) {
    CallSaved(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(image.get()), 0);
    BitBlt(paint.get(), 0, 0, client.right, client.bottom, image.get(), 0, 0, SRCCOPY);
  }
}

void DrawBitmap(gdip::GdipGraphics& graphics, HWND hwnd, ImagePlacement placement, int w, int h) {
  HANDLE handle = StaticImage(hwnd, true);
  if (handle == nullptr) return;
  gdip::GdipBitmap bitmap;
  if (!bitmap.CreateFromHbitmap(static_cast<HBITMAP>(handle))) {
    bitmap.Dispose();
    bitmap.CreateFromHicon(static_cast<HICON>(handle));
  }
  const auto iw = static_cast<float>(bitmap.GetWidth());
  const auto ih = static_cast<float>(bitmap.GetHeight());
  const auto fw = static_cast<float>(w);
  const auto fh = static_cast<float>(h);
  switch (placement) {
    case ImagePlacement::Stretched:
      graphics.DrawImageRect(bitmap, 0, 0, fw, fh);
      break;
    case ImagePlacement::Centred:
      graphics.DrawImage(bitmap, (fw - iw) / 2, (fh - ih) / 2);
      break;
    case ImagePlacement::RightJustified:
      graphics.DrawImage(bitmap, fw - iw, fh - ih);
      break;
    case ImagePlacement::TopLeft:
      graphics.DrawImage(bitmap, 0, 0);
      break;
  }
}

}  // namespace

bool IsBlankStaticText(const rt::Text& text) {
  const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  std::size_t i = 0;
  while (i < text.size()) {
    if (byte(i) == ' ') {
      ++i;
    } else if (byte(i) == 0xA1 && i + 1 < text.size() && byte(i + 1) == 0xA1) {
      i += 2;
    } else {
      // Any other character, one byte or two, is ink.
      return false;
    }
  }
  return true;
}

int FindStaticRecord(int windowIndex, HWND staticWindow) {
  SkinWindowRecord* host = SkinWindowTable.Find(windowIndex);
  return host != nullptr ? host->statics.Find(staticWindow) : 0;
}

void SkinStatics(int windowIndex, HWND parent, int extraWidth, int extraHeight) {
  if (SkinChildControls == 0) return;
  if (SkinWindowTable.Find(windowIndex) == nullptr) return;
  // A scroll-bar overlay is a "Static" of another skin: it carries a saved
  // procedure and is not taken.
  for (HWND child = FindWindowExA(parent, nullptr, "Static", nullptr); child != nullptr;
       child = FindWindowExA(parent, child, "Static", nullptr)) {
    const auto fill = [&](StaticRecord& record) {
      const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
      record.font = GetControlFont(child);
      record.kind = KindOf(style);
      if (record.kind != StaticKind::Text) {
        record.imagePlacement = PlacementOf(style);
        return;
      }
      const RECT r = GetRectInParentClient(child);
      SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left + extraWidth, r.bottom - r.top + extraHeight,
                   SWP_NOZORDER | SWP_NOOWNERZORDER);
    };
    LinkControl(windowIndex, &SkinWindowRecord::statics, child, StaticSkinProc, fill);
  }
}

LRESULT CALLBACK StaticSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto linked = FindControlLink(hwnd, &SkinWindowRecord::statics);
  if (!linked) return CallSaved(hwnd, message, wParam, lParam);
  const auto [host, record, windowIndex, listIndex] = linked;

  switch (message) {
    case WM_DESTROY:
      DeleteControlBrush(hwnd);
      break;
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(hwnd);
      break;
    case WM_MOVE:
      InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_ERASEBKGND: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      SetBkMode(dc, TRANSPARENT);
      const char* which = IsWindowEnabled(hwnd) ? prop::kTextColour : prop::kDisabledTextColour;
      return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(prop::Read(hwnd, which))));
    }
    case WM_PAINT:
      if (PaintsNatively(hwnd, *record)) {
        PaintNatively(hwnd);
      } else {
        const rt::PaintScope paint(hwnd);
        PaintStatic(windowIndex, listIndex);
      }
      return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_SETTEXT:
      PaintStatic(windowIndex, listIndex);  // still the old text
      break;
    default:
      break;
  }
  return CallSaved(hwnd, message, wParam, lParam);
}

void PaintStatic(int windowIndex, int listIndex) {
  SkinWindowRecord* host = SkinWindowTable.Find(windowIndex);
  if (host == nullptr || !host->statics.Contains(listIndex)) return;
  const StaticRecord& record = host->statics.At(listIndex);
  const HWND hwnd = record.hwnd;
  if (hwnd == nullptr) return;

  RECT client{};
  GetClientRect(hwnd, &client);
  const int w = client.right, h = client.bottom;
  CachedDc image = ComposeControlBackground(hwnd, client);
  if (!image) return;
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromHdc(image.get());
    switch (record.kind) {
      case StaticKind::Text: {
        const auto size = static_cast<float>(record.font.size);
        const RectF layout{-2, 0, static_cast<float>(w) + size + 4, static_cast<float>(h)};
        DrawSkinText(graphics, GetWindowTextCopy(hwnd), layout, kTextBlack, kHaloWhite, kHaloDivisor,
                     record.font.face, record.font.style, size, 0, 0);
        break;
      }
      case StaticKind::Bitmap:
        DrawBitmap(graphics, hwnd, record.imagePlacement, w, h);
        break;
      case StaticKind::Icon: {
        graphics.Delete();  // GDI draws the icon
        const auto icon = reinterpret_cast<HICON>(SendMessageA(hwnd, STM_GETICON, 0, 0));
        if (record.imagePlacement == ImagePlacement::Stretched) {
          DrawIconEx(image.get(), 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
        } else {
          DrawIcon(image.get(), 0, 0, icon);
        }
        break;
      }
      case StaticKind::None:
        break;
    }
  }
  rt::WindowDc target = GetDcWithoutChildren(hwnd);
  BitBlt(target.get(), 0, 0, w, h, image.get(), 0, 0, SRCCOPY);
}

}  // namespace skin
