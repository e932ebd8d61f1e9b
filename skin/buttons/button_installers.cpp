#include "skin/buttons/button_installers.h"

#include "skin/buttons/button_proc.h"
#include "skin/buttons/button_records.h"
#include "skin/core/control_font.h"
#include "skin/core/control_links.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/core/window_queries.h"

namespace skin {

namespace {

constexpr COLORREF kDisabledCaption = 0x606060;
constexpr int kDefaultPushFontSize = 12;

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
    if (IsOwnerDrawStyle(child) || !IsPushButtonStyle(child)) return;
    const auto fill = [&](ButtonRecord& record) {
      record.kind = ButtonKind::Push;
      record.textEffect = static_cast<COLORREF>(-1);
      record.caption = GetWindowTextCopy(child);
    };
    const auto linked = LinkControl(windowIndex, &SkinWindowRecord::buttons, child, ButtonSkinProc, fill);
    if (!linked) return;
    prop::Write(child, prop::kDisabledTextColour, kDisabledCaption);
    SetWindowLongA(child, GWL_STYLE, style | BS_OWNERDRAW);

    const FontSpec font = GetControlFont(child);
    linked->font.face = font.face;
    linked->font.size = font.size != 0 ? font.size : kDefaultPushFontSize;
    linked->font.style = font.style;
  });
}

void SkinCheckButtons(int windowIndex, HWND parent) {
  if (SkinChildControls == 0) return;
  ForEachButtonChild(parent, [&](HWND child) {
    if (!IsAutoRadioStyle(child) && !IsCheckBoxStyle(child)) return;
    const bool checked = SendMessageA(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (IsOwnerDrawStyle(child)) return;
    const auto fill = [&](ButtonRecord& record) {
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
    };
    const auto linked = LinkControl(windowIndex, &SkinWindowRecord::buttons, child, ButtonSkinProc, fill,
                                    {{prop::kDisabledTextColour, kDisabledCaption}});
    if (!linked) return;
    const FontSpec font = GetControlFont(child);
    linked->font.face = font.face;
    linked->font.size = font.size;
    linked->font.style = font.style;
  });
}

}  // namespace skin
