#include "skin/buttons/hover_fades.h"

#include <utility>

#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/layered_window.h"

namespace skin {

namespace {

constexpr UINT kStepMilliseconds = 20;
constexpr int kLastStep = 10;
constexpr int kAlphaPerStep = 25;

// Appends a fade of sourceDc, which `owned` holds when the fade owns it.
void AppendFade(HWND window, int x, int y, int width, int height, HDC sourceDc, CachedDc owned, int sourceX,
                int sourceY, HDC destDc, int layered) {
  FadeRecord& fade = FadeList.emplace_back();
  fade.hwnd = window;
  if (destDc == nullptr) fade.ownDestDc = rt::WindowDc(window);
  fade.destDc = destDc != nullptr ? destDc : fade.ownDestDc.get();
  fade.x = x;
  fade.y = y;
  fade.width = width;
  fade.height = height;
  fade.sourceDc = sourceDc;
  fade.ownSource = std::move(owned);
  fade.sourceX = sourceX;
  fade.sourceY = sourceY;
  fade.step = 1;
  fade.layered = layered;
  fade.timer = rt::ThreadTimer(kStepMilliseconds, &OnFadeTimer);
}

}  // namespace

void StartFade(HWND window, int x, int y, int width, int height, CachedDc source, int sourceX, int sourceY,
               HDC destDc, int layered) {
  HDC sourceDc = source.get();
  AppendFade(window, x, y, width, height, sourceDc, std::move(source), sourceX, sourceY, destDc, layered);
}

void StartFadeKeepingSource(HWND window, int x, int y, int width, int height, HDC keptSource, int sourceX,
                            int sourceY, HDC destDc, int layered) {
  AppendFade(window, x, y, width, height, keptSource, CachedDc{}, sourceX, sourceY, destDc, layered);
}

void CALLBACK OnFadeTimer(HWND, UINT, UINT_PTR timerId, DWORD) {
  const int position = FindFadeByTimer(timerId);
  if (position < 1 || position > static_cast<int>(FadeList.size())) return;
  FadeRecord& fade = FadeList[static_cast<std::size_t>(position - 1)];
  fade.step += 1;
  BlendWithConstantAlpha(fade.destDc, fade.x, fade.y, fade.width, fade.height, fade.sourceDc, fade.sourceX,
                         fade.sourceY, fade.width, fade.height, fade.step * kAlphaPerStep);
  if (fade.layered != 0) UpdateLayeredFromBuffer(fade.hwnd, fade.destDc);
  if (fade.step < kLastStep) return;
  FadeList.erase(FadeList.begin() + (position - 1));  // its timer and DCs go with it
}

void StopAllFades() { FadeList.clear(); }

int FindFadeByTimer(UINT_PTR timerId) {
  for (std::size_t i = 0; i < FadeList.size(); ++i) {
    if (FadeList[i].timer.get() == timerId) return static_cast<int>(i + 1);
  }
  return 0;
}

BOOL BlendWithConstantAlpha(HDC destDc, int destX, int destY, int destWidth, int destHeight, HDC sourceDc,
                            int sourceX, int sourceY, int sourceWidth, int sourceHeight, int alpha) {
  BLENDFUNCTION blend{};
  blend.BlendOp = AC_SRC_OVER;
  blend.BlendFlags = 0;
  blend.SourceConstantAlpha = static_cast<BYTE>(alpha);
  blend.AlphaFormat = 0;
  return GdiAlphaBlend(destDc, destX, destY, destWidth, destHeight, sourceDc, sourceX, sourceY, sourceWidth,
                       sourceHeight, blend);
}

}  // namespace skin
