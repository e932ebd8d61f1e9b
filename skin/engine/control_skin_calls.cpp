#include "skin/engine/control_skin_calls.h"

#include "gdip/gdip_image.h"
#include "skin/containers/container_skin.h"
#include "skin/containers/control_skin.h"
#include "skin/core/control_font.h"
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
constexpr COLORREF kDisabledText = 0x606060;

// Installs `procedure` as the window's procedure; returns the one it replaces.
WNDPROC Subclass(HWND window, WNDPROC procedure) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

// Is `control` the record at `index` of one of the lists that link their
// controls through "Hw_lbID"?
bool IsListedControl(SkinWindowRecord& record, INT_PTR index, HWND control) {
  return record.buttons.Listed(index, control) || record.edits.Listed(index, control) ||
         record.listControls.Listed(index, control) || record.trackbars.Listed(index, control) ||
         record.progressBars.Listed(index, control) || record.combos.Listed(index, control) ||
         record.upDowns.Listed(index, control) || record.headers.Listed(index, control) ||
         record.statics.Listed(index, control) || record.labels.Listed(index, control) ||
         record.containers.Listed(index, control);
}

// The record of a skinned control's host window, checked against the
// table; nullptr for an unskinned control or a stale property.
SkinWindowRecord* ListingHost(HWND control, INT_PTR& listIndex) {
  listIndex = prop::Read(control, prop::kIndex);
  const INT_PTR hostIndex = prop::Read(control, prop::kHostIndex);
  if (hostIndex < 1 || listIndex < 1) return nullptr;
  return SkinWindowTable.Find(hostIndex);
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
  SkinWindowRecord* found = SkinWindowTable.Find(windowIndex);
  if (found == nullptr) return false;
  SkinWindowRecord& host = *found;
  if (host.controls.Find(control) > 0) return true;

  const int listIndex = host.controls.Take(control);
  ControlRecord& record = host.controls.At(listIndex);
  FontSpec font = GetControlFont(control);
  record.font.face = font.face.empty() ? rt::Text(kDefaultFontFace) : font.face;
  record.font.size = font.size == 0 ? kDefaultFontSize : font.size;
  record.font.style = font.style;
  record.background = background.value_or(GetSysColor(COLOR_BTNFACE));

  prop::Write(control, prop::kControlIndex, listIndex);
  prop::Write(control, prop::kControlHostIndex, windowIndex);
  prop::WriteHandle(control, prop::kControlOldProc,
                    reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC)));
  record.oldProc = Subclass(control, ControlSkinProc);

  // A group box with controls in it is a container as well.
  if (FindWindowExA(control, nullptr, nullptr, nullptr) != nullptr)
    SkinContainer(control, 0, containerTint, containerTintAlpha);
  return true;
}

bool SkinContainer(HWND window, std::optional<int> tintsChildren, COLORREF tintColour,
                   std::optional<int> tintAlpha, std::optional<int> border) {
  const int windowIndex = FindSkinWindowOfAncestor(window);
  if (!SkinWindowTable.Contains(windowIndex)) return false;
  if (FindContainerRecord(windowIndex, window) > 0) return true;
  InstallContainerSkin(window, tintsChildren.value_or(1), tintColour, tintAlpha.value_or(255) & 0xFF,
                       border.value_or(0));
  return true;
}

bool SkinEditBox(HWND control, std::optional<COLORREF> tintColour, std::optional<int> tintAlpha) {
  if (control == nullptr) return false;
  const int windowIndex = FindSkinWindowOfAncestor(control);
  SkinWindowRecord* host = SkinWindowTable.Find(windowIndex);
  if (host == nullptr) return false;
  if (FindEditRecord(windowIndex, control) > 0) return true;
  const int alpha = tintAlpha.value_or(GlobalAlpha);

  const int listIndex = host->edits.Take(control);
  // The properties come first: the overlays and the edit procedure find
  // their records through them.
  prop::Write(control, prop::kIndex, listIndex);
  prop::Write(control, prop::kHostIndex, windowIndex);
  prop::Write(control, prop::kTextColour, 0);
  prop::Write(control, prop::kDisabledTextColour, kDisabledText);
  prop::WriteHandle(control, prop::kOldProc,
                    reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC)));

  // Both overlays always exist; one whose bar is not shown is parked hidden.
  const HWND vertical = CreateVScrollOverlay(control, HasStyleBits(control, WS_VSCROLL | WS_VISIBLE));
  const HWND horizontal = CreateHScrollOverlay(control, HasStyleBits(control, WS_HSCROLL | WS_VISIBLE));
  EditRecord& record = host->edits.At(listIndex);
  record.vScrollOverlay = vertical;
  record.hScrollOverlay = horizontal;
  record.oldProc = Subclass(control, EditSkinProc);

  if (tintColour) SetControlBackground(control, tintColour, alpha);
  AddTransparentExStyle(control);
  return true;
}

bool SetControlBackground(HWND control, std::optional<COLORREF> colour, std::optional<int> alpha) {
  INT_PTR listIndex = 0;
  SkinWindowRecord* host = ListingHost(control, listIndex);
  if (host == nullptr || !IsListedControl(*host, listIndex, control)) return false;
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
  INT_PTR listIndex = 0;
  SkinWindowRecord* host = ListingHost(bar, listIndex);
  ProgressRecord* record = host ? host->progressBars.Listed(listIndex, bar) : nullptr;
  if (record == nullptr) return false;

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
