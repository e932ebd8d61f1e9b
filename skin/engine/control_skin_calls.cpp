#include "skin/engine/control_skin_calls.h"

#include "gdip/gdip_image.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/control_skin.h"
#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/shine_strips.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"
#include "skin/lists/edit_installers.h"
#include "skin/lists/edit_skin.h"
#include "skin/lists/scroll_overlay.h"

namespace skin {

namespace {

constexpr UINT kShineTimerPeriod = 30;  // ms between two steps of the shine
// Is `control` linked through "Hw_lbID" to its record in one of the
// lists that link their controls so?
bool IsListedControl(HWND control) {
  bool listed = false;
  ForEachControlList([&](auto list, const LinkProperties& link) {
    if (!listed && link.index == kSkinLink.index) listed = static_cast<bool>(FindControlLink(control, list));
  });
  return listed;
}

int StripWidth(ShineStyle style) {
  gdip::GdipImage strip;
  strip.LoadFromStream(LoadShineStrip(style));
  return static_cast<int>(strip.GetWidth());
}

}  // namespace

bool SkinControl(HWND control, std::optional<COLORREF> background, COLORREF containerTint,
                 int containerTintAlpha) {
  const int windowIndex = FindSkinWindowOfAncestor(control);
  const SkinWindowRecord* host = SkinWindowTable.Find(windowIndex);
  if (host == nullptr) return false;
  if (host->controls.Find(control) > 0) return true;
  return InstallControlSkin(control, background, containerTint, containerTintAlpha, 0, false);
}

bool SkinContainer(HWND window, std::optional<int> tintsChildren, COLORREF tintColour,
                   std::optional<int> tintAlpha, std::optional<int> border) {
  const int windowIndex = FindSkinWindowOfAncestor(window);
  if (!SkinWindowTable.Contains(windowIndex)) return false;
  InstallContainerSkin(window, tintsChildren.value_or(1), tintColour, tintAlpha.value_or(255) & 0xFF,
                       border.value_or(0));
  return FindContainerRecord(windowIndex, window) > 0;
}

bool SkinEditBox(HWND control, std::optional<COLORREF> tintColour, std::optional<int> tintAlpha) {
  if (control == nullptr) return false;
  const int windowIndex = FindSkinWindowOfAncestor(control);
  if (SkinWindowTable.Find(windowIndex) == nullptr) return false;
  if (FindEditRecord(windowIndex, control) > 0) return true;
  const int alpha = tintAlpha.value_or(GlobalAlpha);
  // An edit another skin holds is left to it.
  if (!SkinOneEdit(windowIndex, control, EditOverlays::Both)) return false;
  if (tintColour) SetControlBackground(control, tintColour, alpha);
  AddTransparentExStyle(control);
  return true;
}

bool SetControlBackground(HWND control, std::optional<COLORREF> colour, std::optional<int> alpha) {
  if (!IsListedControl(control)) return false;
  if (colour) prop::Write(control, prop::kTintColour, static_cast<INT_PTR>(*colour));
  if (alpha) prop::Write(control, prop::kTintAlpha, *alpha);
  InvalidateRect(control, nullptr, FALSE);
  return true;
}

void AddTransparentExStyle(HWND window) {
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle | WS_EX_TRANSPARENT);
}

bool SetProgressStyle(HWND bar, std::optional<int> squareCorners, std::optional<int> shine,
                      std::optional<COLORREF> fillColour, std::optional<COLORREF> frameColour,
                      ShineStyle shineStyle) {
  const auto linked = FindControlLink(bar, &SkinWindowRecord::progressBars);
  if (!linked) return false;
  ProgressRecord* record = linked.record;
  const int listIndex = linked.listIndex;

  if (squareCorners) record->squareCorners = *squareCorners;
  record->shineOn = shine.value_or(0);
  if (fillColour) record->fillColour = *fillColour;
  if (frameColour) record->frameColour = *frameColour;
  record->shineStyle = shineStyle;

  const auto timerId = static_cast<UINT_PTR>(listIndex);
  if (record->shineOn != 0 && record->vertical == 0) {
    record->shineWidth = StripWidth(shineStyle);
    if (HasStyleBits(bar, WS_VISIBLE)) SetTimer(bar, timerId, kShineTimerPeriod, nullptr);
  } else {
    KillTimer(bar, timerId);
  }
  InvalidateRect(bar, nullptr, FALSE);
  return true;
}

bool SetMainMenuRoutine(HWND window, FARPROC routine) {
  SkinWindowRecord* record = SkinWindowTable.Find(FindSkinWindow(window));
  if (record == nullptr) return false;
  record->menuRoutine = routine;
  return true;
}

}  // namespace skin
