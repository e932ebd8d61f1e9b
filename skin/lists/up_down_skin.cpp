#include "skin/lists/up_down_skin.h"

#include <commctrl.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/gdip_path.h"
#include "runtime/gdi_object.h"
#include "skin/core/control_links.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/colour_convert.h"
#include "skin/core/control_background.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/host_composition.h"
#include "skin/core/hot_control.h"
#include "skin/core/paint_kit.h"
#include "skin/core/round_rect_path.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/list_installers.h"
#include "skin/lists/scroll_arrows.h"

namespace skin {

namespace {

constexpr int kCorner = 3;

LRESULT PassOn(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallSavedProcedure(control, UpDownSkinProc, message, wParam, lParam);
}

SIZE WindowSize(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// One half: its rounded shape, the line its gradient runs along, and where
// its chevron goes.
struct Half {
  float x, y, width, height;
  PointF from, to;
  Chevron arrow;
  float arrowX, arrowY;  // the half's origin for centring the chevron
  float spanX, spanY;    // the half's extent for centring the chevron
};

void PaintHalf(gdip::GdipGraphics& g, HWND control, const Half& half, bool active, bool pressed, bool whiterTop) {
  const gdip::GdipPath shape = MakeRoundRectPath(half.x, half.y, half.width, half.height, kCorner);
  gdip::ARGB pen = 0, first = 0, second = 0;
  if (active) {
    pen = ToArgb(AccentColour, 200);
    if (pressed) {
      first = ToArgb(AccentColour, 100);
      second = ToArgb(kWhite, 150);
    } else {
      first = ToArgb(kWhite, 100);
      second = ToArgb(AccentColour, 150);
    }
  } else {
    pen = ToArgb(kBlack, 100);
    first = ToArgb(kWhite, whiterTop ? 60 : 20);
    second = ToArgb(AccentColour, 100);
  }
  FillPathGradient(g, shape, half.from, half.to, first, second);
  const ChevronPicture chevron(control, half.arrow);
  if (gdip::GdipImage* arrow = chevron.get()) {
    const float iw = float(arrow->GetWidth()), ih = float(arrow->GetHeight());
    g.DrawImageRect(*arrow, half.arrowX + (half.spanX - iw) / 2, half.arrowY + (half.spanY - ih) / 2, iw, ih);
  }
  OutlinePath(g, shape, pen);
}

}  // namespace

void SkinUpDowns(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  SkinWindowTable.At(windowIndex);  // range check
  std::vector<HWND> found;
  for (HWND control = FindWindowExA(parent, nullptr, "msctls_updown32", nullptr); control;
       control = FindWindowExA(parent, control, "msctls_updown32", nullptr)) {
    found.push_back(control);
  }
  for (HWND control : found) {
    const auto fill = [&](UpDownRecord& record) {
      record.horizontal = (GetWindowLongA(control, GWL_STYLE) & UDS_HORZ) != 0 ? 1 : 0;
    };
    LinkControl(windowIndex, &SkinWindowRecord::upDowns, control, UpDownSkinProc, fill);
  }
}

int HitTestUpDown(int windowIndex, int recordIndex, LPARAM lParam) {
  const UpDownRecord& record = SkinWindowTable.At(windowIndex).upDowns.At(recordIndex);
  const SIZE size = WindowSize(record.hwnd);
  if (record.horizontal != 0) return MouseX(lParam) > size.cx / 2 ? 1 : 0;
  return MouseY(lParam) > size.cy / 2 ? 1 : 0;
}

void PaintUpDown(int windowIndex, int recordIndex, std::optional<int> hover, std::optional<int> pressed,
                 std::optional<LPARAM> lParam) {
  UpDownRecord& record = SkinWindowTable.At(windowIndex).upDowns.At(recordIndex);
  const HWND control = record.hwnd;
  const int isHover = hover.value_or(record.hover);
  const int isPressed = pressed.value_or(record.pressed);
  const LPARAM position = lParam.value_or(static_cast<LPARAM>(record.lastButtonLParam));
  const bool horizontal = record.horizontal != 0;

  const SIZE size = WindowSize(control);
  const int w = size.cx, h = size.cy;
  const int k = horizontal ? w / 2 : w;
  const int l = horizontal ? h : h / 2;
  constexpr int kFirst = 3, kSecond = 4;  // the scroll bar's start and end arrow parts
  int hotPart = 0;
  if (isHover != 0) {
    hotPart = (horizontal ? MouseX(position) > k : MouseY(position) > l) ? kSecond : kFirst;
  }
  CachedDc memory = ComposeControlBackground(control, {0, 0, w, h});
  if (!memory) return;
  FinishedImage::Key key{w, h, horizontal ? 1 : 0, isHover, isPressed, hotPart, static_cast<std::int64_t>(AccentColour)};
  if (!record.image.Restore(memory.get(), key)) {
    record.image.Start(memory.get(), std::move(key));
    {
      gdip::GdipGraphics g;
      g.CreateFromHdc(memory.get());
      g.SetSmoothingMode(gdip::SmoothingMode::AntiAlias);
      g.SetCompositingQuality(gdip::CompositingQuality::HighQuality);

      FillPathSolid(g, MakeRoundRectPath(0, 0, float(w - 1), float(h - 1), kCorner), ToArgb(kWhite, 160));

      const float fk = float(k), fl = float(l);
      Half halves[2];
      if (horizontal) {
        halves[0] = {0, 0, fk - 1, fl - 1, MakePair(0.0f, 0.0f), MakePair(fk - 1, 0.0f), Chevron::Left, 0, 0,
                     fk, fl};
        halves[1] = {fk, 0, fk - 1, fl - 1, MakePair(fk - 1, 0.0f), MakePair(float(w), 0.0f), Chevron::Right, fk,
                     0, fk, fl};
      } else {
        halves[0] = {0, 0, fk - 1, fl - 1, MakePair(0.0f, 0.0f), MakePair(0.0f, fl - 1), Chevron::Up, 0, 0, fk, fl};
        halves[1] = {0, fl, fk - 1, fl - 1, MakePair(0.0f, fl), MakePair(0.0f, float(h)), Chevron::Down, 0, fl,
                     fk, fl};
      }
      for (int part = kFirst; part <= kSecond; ++part) {
        const bool active = (isHover != 0 || isPressed != 0) && hotPart == part;
        PaintHalf(g, control, halves[part - kFirst], active, isPressed != 0, !horizontal && part == kFirst);
      }
    }
    record.image.Finish(memory.get());
  }
  BlitControlToHost(control, memory.get(), false, true);
  rt::WindowDc dc(control, GetWindowDC(control));
  BitBlt(dc.get(), 0, 0, w, h, memory.get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK UpDownSkinProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto linked = FindControlLink(control, &SkinWindowRecord::upDowns);
  // A control whose properties do not name its own record is left alone.
  if (!linked) return PassOn(control, message, wParam, lParam);
  const auto [host, record, w, i] = linked;

  switch (message) {
    case WM_MOUSEMOVE: {
      const bool entered = EnterHotControl(control, *host, i, HotKind::UpDown);
      const int half = HitTestUpDown(w, i, lParam);
      // Repainted only when the hot control, its kind or the half changes.
      if (entered || half != record->hotHalf) {
        PaintUpDown(w, i, 1, std::nullopt, lParam);
        record->hover = 1;
        record->hotHalf = half;
      }
      break;
    }
    case WM_MOUSELEAVE:
      LeaveHotControl(*host);
      record->hover = 0;
      PaintUpDown(w, i, 0);
      break;
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(control);
      break;
    case WM_MOVE:
      PaintUpDown(w, i);
      break;
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_PAINT: {
      const rt::PaintScope paint(control);
      PaintUpDown(w, i);
      return 0;
    }
    case WM_LBUTTONDOWN:
      // The pressed look comes with the control's next paint.
      record->pressed = 1;
      record->lastButtonLParam = static_cast<int>(lParam);
      break;
    case WM_LBUTTONUP:
      record->pressed = 0;
      record->lastButtonLParam = static_cast<int>(lParam);
      break;
    case WM_NCPAINT:
      return 1;  // the native frame is never drawn
    default:
      break;
  }
  return PassOn(control, message, wParam, lParam);
}

}  // namespace skin
