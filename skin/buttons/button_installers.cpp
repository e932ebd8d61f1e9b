#include "skin/buttons/button_installers.h"

#include "skin/buttons/button_proc.h"
#include "skin/buttons/button_records.h"
#include "skin/core/control_font.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

namespace {

constexpr COLORREF kDisabledCaption = 0x606060;
constexpr int kDefaultPushFontSize = 12;

WNDPROC Subclass(HWND window) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonSkinProc)));
}

// Direct "BUTTON" children in Z order.
template <class Visit>
void ForEachButtonChild(HWND parent, Visit visit) {
  HWND child = nullptr;
  while ((child = FindWindowExA(parent, child, "BUTTON", nullptr)) != nullptr) visit(child);
}

}  // namespace

void SkinPushButtons(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  ForEachButtonChild(parent, [&](HWND child) {
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (IsOwnerDrawStyle(child) || !IsPushButtonStyle(child) ||
        FindButtonRecord(windowIndex, child) >= 1)
      return;
    ControlList<ButtonRecord>& buttons = SkinWindowTable.At(windowIndex).buttons;
    const int index = buttons.Take(child);
    ButtonRecord& record = buttons.At(index);
    record.kind = ButtonKind::Push;
    record.textEffect = static_cast<COLORREF>(-1);
    record.caption = GetWindowTextCopy(child);
    prop::Write(child, prop::kIndex, index);
    prop::Write(child, prop::kHostIndex, windowIndex);
    record.oldProc = Subclass(child);
    prop::WriteHandle(child, prop::kOldProc, record.oldProc);
    prop::Write(child, prop::kDisabledTextColour, kDisabledCaption);
    SetWindowLongA(child, GWL_STYLE, style | BS_OWNERDRAW);

    FontSpec font = GetControlFont(child);
    record.font.face = font.face;
    record.font.size = font.size != 0 ? font.size : kDefaultPushFontSize;
    record.font.style = font.style;
  });
}

void SkinCheckButtons(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  ForEachButtonChild(parent, [&](HWND child) {
    if (!IsAutoRadioStyle(child) && !IsCheckBoxStyle(child)) return;
    const bool checked = SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
    // A button taken before is never taken again: a second record would
    // make the procedure call itself as the previous one.
    if (IsOwnerDrawStyle(child) || FindButtonRecord(windowIndex, child) >= 1) return;
    ControlList<ButtonRecord>& buttons = SkinWindowTable.At(windowIndex).buttons;
    const int index = buttons.Take(child);
    ButtonRecord& record = buttons.At(index);
    record.caption = GetWindowTextCopy(child);
    record.checkedAtInstall = checked ? 1 : 0;
    record.parent = parent;
    record.textEffect = static_cast<COLORREF>(-1);
    if (IsCheckBoxStyle(child)) {
      prop::Write(child, prop::kClickAnimation, 1);
      record.kind = ButtonKind::CheckBox;
    } else {
      record.kind = ButtonKind::AutoRadio;
    }
    record.oldProc = Subclass(child);
    prop::Write(child, prop::kIndex, index);
    prop::Write(child, prop::kHostIndex, windowIndex);
    prop::Write(child, prop::kDisabledTextColour, kDisabledCaption);
    prop::WriteHandle(child, prop::kOldProc, record.oldProc);

    FontSpec font = GetControlFont(child);
    record.font.face = font.face;
    record.font.size = font.size;
    record.font.style = font.style;
  });
}

}  // namespace skin
