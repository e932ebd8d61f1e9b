#include "skin/frames/close_effects.h"

#include <algorithm>

#include "runtime/gdi_object.h"
#include "runtime/window_runtime.h"
#include "skin/core/control_links.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/layered_window.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/frames/image_dc.h"

namespace skin {

namespace {

constexpr int kSteps = 10;

struct Size {
  int width = 0;
  int height = 0;
};

Size ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

Size WindowSize(const RECT& r) { return {r.right - r.left, r.bottom - r.top}; }

int Trunc(double value) { return static_cast<int>(value); }

// Sets the alpha byte of every pixel of a DC's 32-bit DIB to opaque: a
// copy from a window DC leaves it 0, which per-pixel alpha would show as
// nothing.
void MakeOpaque(HDC dc) {
  DIBSECTION section{};
  if (!SelectedDib32(dc, section)) return;
  auto* pixels = static_cast<BYTE*>(section.dsBm.bmBits);
  const long count = static_cast<long>(section.dsBm.bmWidth) * std::abs(section.dsBm.bmHeight);
  for (long i = 0; i < count; ++i) pixels[i * 4 + 3] = 0xFF;
}

// The whole window as drawn, frame and children included, in a memory DC
// of the window rectangle's size. The runtime's snapshot holds only the
// client area, which for a window with a frame of its own is not the
// picture the steps scale.
CachedDc WholeWindowPicture(HWND window, Size size) {
  CachedDc picture = CreateDibDc(RECT{0, 0, size.width, size.height});
  if (!picture) return {};
  const rt::WindowDc screen(window, GetWindowDC(window));
  if (screen) {
    BitBlt(picture.get(), 0, 0, size.width, size.height, screen.get(), 0, 0, SRCCOPY);
    MakeOpaque(picture.get());
  }
  return picture;
}

// The picture the steps scale. A main frame's client area is the whole
// window: its picture is the runtime's snapshot.
CachedDc SourcePicture(HWND window, Size client, Size whole) {
  if (prop::Read(window, prop::kLayered) == 1) return ComposeLayeredImage(window);
  if (client.width != whole.width || client.height != whole.height) return WholeWindowPicture(window, whole);
  const rt::ByteArray bytes = rt::WindowSnapshot(window);
  if (bytes.empty()) return {};
  return CreateImageDc(client.width, client.height, bytes);
}

// The common frame of every effect: picture, work surface, layered window
// and the ten steps.
void RunCloseEffect(HWND window, CloseEffect effect, bool makeLayered) {
  const Size client = ClientSize(window);
  if (effect == CloseEffect::Pulse) {
    if (IsLayeredWindow(window)) ClearLayeredStyle(window);
  } else if (effect != CloseEffect::Fade) {
    ClearLayeredStyle(window);
  }
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  const Size whole = WindowSize(windowRect);
  CachedDc source = SourcePicture(window, client, whole);

  // The surface has the window's size, so that no step asks the layered
  // window for more than its picture holds.
  const Size surface = whole;
  CachedDc work = effect == CloseEffect::Fade
                      ? CreateImageDc(surface.width, surface.height)
                      : CreateDibDc(RECT{0, 0, surface.width, surface.height});
  if (makeLayered) MakeLayered(window);

  for (const CloseStep& step : CloseEffectSteps(effect, windowRect)) {
    if (source && work) {
      StretchBlt(work.get(), 0, 0, step.width, step.height, source.get(), 0, 0, whole.width, whole.height,
                 SRCCOPY);
    }
    if (work) {
      UpdateLayeredFromBuffer(window, work.get(), step.alpha, step.x, step.y, step.width, step.height, 0, 0);
    }
    Sleep(static_cast<DWORD>(step.pause));
  }
}

}  // namespace

int SetCloseEffect(HWND window, int effect) {
  // A control's "Hw_lbID" is a list index: only the window's own record.
  SkinWindowRecord* record = FindSkinFrame(window).record;
  if (record == nullptr) return 0;
  record->closeEffect = static_cast<CloseEffect>(effect);
  return 1;
}

std::array<CloseStep, 10> CloseEffectSteps(CloseEffect effect, const RECT& window) {
  int x = window.left, y = window.top;
  int w = window.right - window.left, h = window.bottom - window.top;
  const bool pulse = effect == CloseEffect::Pulse;
  const int dx = pulse ? Trunc(w * 0.02) : Trunc(w / 10.0);
  const int dy = pulse ? Trunc(h * 0.02) : Trunc(h / 10.0);
  int alpha = 255;
  int fadePause = 80;

  std::array<CloseStep, 10> steps{};
  for (int i = 1; i <= kSteps; ++i) {
    int pause = 20 - i;
    switch (effect) {
      case CloseEffect::ShrinkFade:
        x = Trunc(x + dx / 2.0);
        y = Trunc(y + dy / 2.0);
        w -= dx;
        h -= dy;
        break;
      case CloseEffect::Pulse:
        if (i <= 5) {
          x = Trunc(x + dx / 2.0);
          y = Trunc(y + dy / 2.0);
          w -= dx;
          h -= dy;
        } else {
          x = Trunc(x - dx / 2.0);
          y = Trunc(y - dy / 2.0);
          w += dx;
          h += dy;
        }
        pause = 30 - 2 * i;
        break;
      case CloseEffect::Fade:
        fadePause = std::max(fadePause - 3 * i, 1);
        pause = fadePause;
        break;
      case CloseEffect::SqueezeToMiddleRow:
        y = Trunc(y + dy / 2.0);
        h -= dy;
        break;
      case CloseEffect::RollUp:
        h -= dy;
        break;
      case CloseEffect::RollDown:
        y += dy;
        h -= dy;
        break;
      case CloseEffect::CollapseLeft:
        w -= dx;
        break;
      case CloseEffect::CollapseRight:
        x += dx;
        w -= dx;
        break;
      case CloseEffect::SqueezeToMiddleColumn:
        x = Trunc(x + dx / 2.0);
        w -= dx;
        break;
      default:
        break;
    }
    alpha -= 25;
    const int shown = effect == CloseEffect::Fade && i == kSteps ? 0 : alpha;
    steps[i - 1] = CloseStep{x, y, w, h, shown, pause};
  }
  return steps;
}

void AnimateShrinkFade(HWND window) { RunCloseEffect(window, CloseEffect::ShrinkFade, true); }
void AnimateClosePulse(HWND window) { RunCloseEffect(window, CloseEffect::Pulse, true); }
void AnimateCloseFade(HWND window, int alreadyLayered) {
  RunCloseEffect(window, CloseEffect::Fade, alreadyLayered == 0);
}
void AnimateSqueezeToMiddleRow(HWND window) { RunCloseEffect(window, CloseEffect::SqueezeToMiddleRow, true); }
void AnimateRollUp(HWND window) { RunCloseEffect(window, CloseEffect::RollUp, true); }
void AnimateRollDown(HWND window) { RunCloseEffect(window, CloseEffect::RollDown, true); }
void AnimateCollapseLeft(HWND window) { RunCloseEffect(window, CloseEffect::CollapseLeft, true); }
void AnimateCollapseRight(HWND window) { RunCloseEffect(window, CloseEffect::CollapseRight, true); }
void AnimateSqueezeToMiddleColumn(HWND window) {
  RunCloseEffect(window, CloseEffect::SqueezeToMiddleColumn, true);
}

void PlayCloseEffect(HWND window, int effect) {
  switch (static_cast<CloseEffect>(effect)) {
    case CloseEffect::ShrinkFade: AnimateShrinkFade(window); break;
    case CloseEffect::Pulse: AnimateClosePulse(window); break;
    case CloseEffect::Fade: AnimateCloseFade(window, 0); break;
    case CloseEffect::SqueezeToMiddleRow: AnimateSqueezeToMiddleRow(window); break;
    case CloseEffect::RollUp: AnimateRollUp(window); break;
    case CloseEffect::RollDown: AnimateRollDown(window); break;
    case CloseEffect::CollapseLeft: AnimateCollapseLeft(window); break;
    case CloseEffect::CollapseRight: AnimateCollapseRight(window); break;
    case CloseEffect::SqueezeToMiddleColumn: AnimateSqueezeToMiddleColumn(window); break;
    default: break;
  }
}

void ClearLayeredStyle(HWND window) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  SetWindowLongPtrA(window, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
}

BOOL AlphaBlendLayerRect(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                         int sourceY, int sourceWidth, int sourceHeight, std::optional<BYTE> alpha) {
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha.value_or(255), AC_SRC_ALPHA};
  return GdiAlphaBlend(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                       blend);
}

void ClipLayerElement(HWND window, int element, HDC dc) {
  const INT_PTR entry = prop::Read(window, prop::kLayerIndex);
  if (entry < 1 || entry > static_cast<INT_PTR>(LayerElements.size()) || element < 1) return;
  const HWND owner = LayerElements[static_cast<std::size_t>(entry - 1)].hwnd;
  if (owner == nullptr) return;
  // Element n is the n-th direct child of the entry's window.
  HWND child = nullptr;
  for (int n = 0; n < element; ++n) {
    child = FindWindowExA(owner, child, nullptr, nullptr);
    if (child == nullptr) return;
  }
  RECT outer{};
  GetWindowRect(child, &outer);
  POINT origin{0, 0};
  RECT windowRect{};
  GetWindowRect(window, &windowRect);
  origin = {windowRect.left, windowRect.top};
  for (HWND nested = FindWindowExA(child, nullptr, nullptr, nullptr); nested;
       nested = FindWindowExA(child, nested, nullptr, nullptr)) {
    RECT inner{};
    GetWindowRect(nested, &inner);
    RECT cut{};
    if (!IntersectRect(&cut, &inner, &outer)) continue;
    OffsetRect(&cut, -origin.x, -origin.y);
    const rt::UniqueRegion region(CreateRectRgnIndirect(&cut));
    ExtSelectClipRgn(dc, region.get(), RGN_XOR);
  }
}

CachedDc ComposeLayeredImage(HWND window, std::optional<HDC> background, std::optional<HDC> foreground) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  CachedDc picture = CreateDibDc(RECT{0, 0, w, h});
  HDC surface = picture.get();
  if (surface == nullptr) return {};
  const HDC under = background.value_or(prop::ReadHandle<HDC>(window, prop::kLayerBackground));
  if (under) AlphaBlendLayerRect(surface, 0, 0, w, h, under, 0, 0, w, h);
  const INT_PTR entry = prop::Read(window, prop::kLayerIndex);
  if (entry >= 1 && entry <= static_cast<INT_PTR>(LayerElements.size())) {
    const HWND element = LayerElements[static_cast<std::size_t>(entry - 1)].hwnd;
    if (element != nullptr) {
      const rt::ScopedSaveDc saved(surface);
      ClipLayerElement(window, 1, surface);
      const rt::WindowDc look(element, GetWindowDC(element));
      RECT er{};
      GetWindowRect(element, &er);
      if (look) {
        BitBlt(surface, er.left - r.left, er.top - r.top, er.right - er.left, er.bottom - er.top, look.get(), 0, 0,
               SRCCOPY);
      }
    }
  }
  const HDC over = foreground.value_or(prop::ReadHandle<HDC>(window, prop::kLayerForeground));
  if (over) AlphaBlendLayerRect(surface, 0, 0, w, h, over, 0, 0, w, h);
  return picture;
}

}  // namespace skin
