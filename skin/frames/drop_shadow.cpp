#include "skin/frames/drop_shadow.h"

#include <algorithm>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "skin/core/dc_cache.h"
#include "skin/core/host_record.h"
#include "skin/core/layered_window.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

namespace {

// What the shadow window keeps in its "Yyck_" properties.
struct ShadowProperties {
  int depth = 0;
  COLORREF colour = 0;
  int sides = 0;
  int opacity = 0;
  HWND owner = nullptr;
};

void WriteShadowProperties(HWND shadow, const ShadowProperties& p) {
  prop::Write(shadow, prop::kShadowDepth, p.depth);
  prop::Write(shadow, prop::kShadowColour, static_cast<INT_PTR>(p.colour));
  prop::Write(shadow, prop::kShadowSides, p.sides);
  prop::Write(shadow, prop::kShadowOpacity, p.opacity);
  prop::WriteHandle(shadow, prop::kShadowOwner, p.owner);
}

ShadowProperties ReadShadowProperties(HWND shadow) {
  ShadowProperties p;
  p.depth = static_cast<int>(prop::Read(shadow, prop::kShadowDepth));
  p.colour = static_cast<COLORREF>(prop::Read(shadow, prop::kShadowColour));
  p.sides = static_cast<int>(prop::Read(shadow, prop::kShadowSides));
  p.opacity = static_cast<int>(prop::Read(shadow, prop::kShadowOpacity));
  p.owner = prop::ReadHandle<HWND>(shadow, prop::kShadowOwner);
  return p;
}

SIZE ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// Where the custom picture goes; false for a mode that draws nothing. In
// the anchored mode negative coordinates count from the right and bottom.
bool ShadowImagePlace(const SkinWindowRecord& record, int d, int w, int h, int& x, int& y) {
  switch (record.shadowImageMode) {
    case 0:
      x = record.shadowImageX >= 0 ? record.shadowImageX : w + record.shadowImageX - 2 * d;
      y = record.shadowImageY >= 0 ? record.shadowImageY : h + record.shadowImageY - 2 * d;
      return true;
    case 1:
      x = record.shadowImageX;
      y = record.shadowImageY;
      return true;
    default:
      return false;
  }
}

// The owner's custom shadow picture, optionally kept off the owner's area.
void DrawShadowImage(gdip::GdipGraphics& graphics, const SkinWindowRecord& record, HWND owner,
                     int d, int w, int h) {
  gdip::GdipImage* image = record.shadowPicture.Get(record.shadowImage);
  if (image == nullptr) return;
  int x = 0, y = 0;
  if (!ShadowImagePlace(record, d, w, h, x, y)) return;
  if (record.shadowCutOwner != 0) {
    const SIZE owned = ClientSize(owner);
    graphics.SetClipRect(0, 0, static_cast<float>(w), static_cast<float>(h),
                         gdip::CombineMode::Replace);
    graphics.SetClipRect(static_cast<float>(d + 3), static_cast<float>(d + 3),
                         static_cast<float>(owned.cx - 6), static_cast<float>(owned.cy - 6),
                         gdip::CombineMode::Xor);
  }
  graphics.DrawImageRect(*image, static_cast<float>(x), static_cast<float>(y),
                         static_cast<float>(image->GetWidth()), static_cast<float>(image->GetHeight()));
  graphics.ResetClip();
}

// A new memory DC in the DC cache holding a transparent 32-bit picture;
// empty when either cannot be made.
CachedDc NewShadowDc(int width, int height) {
  gdip::GdipBitmap canvas;
  canvas.Create(width, height);
  return CacheBitmapDc(rt::UniqueBitmap(canvas.GetHbitmap()));
}

}  // namespace

bool SetWindowShadow(HWND owner, const ShadowSettings& settings) {
  SkinWindowRecord* record = OwnSkinRecord(owner);
  if (record == nullptr) return false;
  record->shadowDepth = settings.depth;
  record->imageOnlyShadow = settings.imageOnly;
  record->shadowImage = settings.image;
  record->shadowImageX = settings.imageX;
  record->shadowImageY = settings.imageY;
  record->shadowImageMode = settings.imageMode;
  record->dragByShadow = settings.dragByShadow;
  record->shadowCutOwner = settings.cutOwner;

  if (record->shadowHwnd != nullptr) {
    WriteShadowProperties(record->shadowHwnd, {settings.depth, settings.colour, settings.sides,
                                               settings.opacity, owner});
    AlignShadow(owner, 1);
  } else {
    record->shadowHwnd =
        CreateShadowWindow(owner, settings.depth, settings.colour, settings.opacity, settings.sides);
  }
  if (settings.dragByShadow != 0) EnableShadowDrag(record->shadowHwnd);
  return true;
}

HWND CreateShadowWindow(HWND owner, int depth, COLORREF colour, int opacity, int sides) {
  RECT r{};
  GetWindowRect(owner, &r);
  DWORD style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (IsVisibleStyle(owner)) style |= WS_VISIBLE;
  // Creating the window already sends WM_SIZE; RenderShadow waits for the
  // properties below before it draws anything.
  const HWND shadow = CreateWindowExA(
      WS_EX_LAYERED | WS_EX_TRANSPARENT, kShadowWindowClass, "", style, r.left - depth,
      r.top - depth, r.right - r.left + 2 * depth, r.bottom - r.top + 2 * depth, owner, nullptr,
      GetModuleHandleA(nullptr), nullptr);
  if (shadow == nullptr) return nullptr;
  WriteShadowProperties(shadow, {depth, colour, sides, opacity, owner});
  RenderShadow(shadow);
  return shadow;
}

CachedDc ComposeShadowPicture(HWND shadow) {
  const ShadowProperties p = ReadShadowProperties(shadow);
  if (p.depth < 1 || p.owner == nullptr) return {};
  const SkinWindowRecord* record = OwnSkinRecord(p.owner);
  const int frameOff = record != nullptr && record->frameSwitch == 0 ? 1 : 0;
  const SIZE size = ClientSize(shadow);
  const int w = std::max<int>(1, size.cx);
  const int h = std::max<int>(1, size.cy);

  CachedDc dc = NewShadowDc(w, h);
  if (!dc) return dc;
  gdip::GdipGraphics graphics;
  graphics.CreateFromHdc(dc.get());
  if (record == nullptr) {
    BuildShadowBitmap(graphics, p.sides, p.depth, p.colour, p.opacity, 0, 0, w, h, 0);
    return dc;
  }
  if (record->imageOnlyShadow == 0)
    BuildShadowBitmap(graphics, p.sides, p.depth, p.colour, p.opacity, 0, 0, w, h, frameOff);
  if (!record->shadowImage.empty()) DrawShadowImage(graphics, *record, p.owner, p.depth, w, h);
  return dc;
}

void RenderShadow(HWND shadow) {
  const CachedDc dc = ComposeShadowPicture(shadow);
  if (!dc) return;
  UpdateLayeredFromBuffer(shadow, dc.get(), 255);
}

void AlignShadow(HWND owner, int rerender, std::optional<int> x, std::optional<int> y,
                 std::optional<int> width, std::optional<int> height) {
  const SkinWindowRecord* record = OwnSkinRecord(owner);
  if (record == nullptr || record->shadowHwnd == nullptr) return;
  const HWND shadow = record->shadowHwnd;
  if (!IsVisibleStyle(shadow)) return;
  const int d = record->shadowDepth;
  if (x && y && width && height) {
    MoveWindow(shadow, *x - d, *y - d, *width + 2 * d, *height + 2 * d, FALSE);
  } else {
    RECT r{};
    GetWindowRect(owner, &r);
    MoveWindow(shadow, r.left - d, r.top - d, r.right - r.left + 2 * d, r.bottom - r.top + 2 * d,
               FALSE);
  }
  if (rerender != 0) RenderShadow(shadow);
}

void AlignShadowToWindowPos(HWND owner, const WINDOWPOS& position, int rerender) {
  RECT r{};
  GetWindowRect(owner, &r);
  int x = r.left, y = r.top, width = r.right - r.left, height = r.bottom - r.top;
  // A message that keeps the place or the size carries zeros for it.
  if ((position.flags & SWP_NOMOVE) == 0) {
    x = position.x;
    y = position.y;
  }
  if ((position.flags & SWP_NOSIZE) == 0) {
    width = position.cx;
    height = position.cy;
  }
  AlignShadow(owner, rerender, x, y, width, height);
}

void EnableShadowDrag(HWND shadow) {
  const LONG_PTR exStyle = GetWindowLongPtrA(shadow, GWL_EXSTYLE);
  if (exStyle & WS_EX_TRANSPARENT) SetWindowLongPtrA(shadow, GWL_EXSTYLE, exStyle & ~WS_EX_TRANSPARENT);
}

}  // namespace skin
