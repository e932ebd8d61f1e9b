#include "skin/containers/owner_draw_router.h"

#include "runtime/fatal_error.h"
#include "skin/buttons/button_records.h"
#include "skin/buttons/gradient_button_painter.h"
#include "skin/buttons/image_button_painters.h"
#include "skin/buttons/push_button_painter.h"
#include "skin/containers/menu_items.h"
#include "skin/core/engine_globals.h"

namespace skin {

namespace {

void RouteButton(int windowIndex, const DRAWITEMSTRUCT& item) {
  // Only a button of this very window: its record, not another's.
  const ListedButton button = FindListedButton(item.hwndItem);
  if (!button || button.windowIndex != windowIndex) return;
  const auto state = static_cast<int>(item.itemState);
  switch (button->kind) {
    case ButtonKind::Push:
      PaintPushButton(item.hwndItem, item.hDC, state, &item.rcItem);
      break;
    case ButtonKind::ImageButton:
      PaintImageButton(item.hwndItem, item.hDC, state, &item.rcItem);
      break;
    case ButtonKind::GradientButton:
      PaintGradientButton(item.hwndItem, item.hDC, state, &item.rcItem);
      break;
    default:  // check boxes and radio buttons paint themselves
      break;
  }
}

void RouteMenuItem(int windowIndex, const DRAWITEMSTRUCT& item, bool layered) {
  if (FindMenuRecord(reinterpret_cast<HMENU>(item.hwndItem)) < 1) return;
  const HWND owner = layered ? rt::At1(LayerElements, static_cast<std::size_t>(windowIndex < 1 ? 0 : windowIndex),
                                       "LayerElements")
                                   .hwnd
                             : SkinWindowTable.At(windowIndex).hwnd;
  PaintMenuItemBack(owner, item);
}

}  // namespace

void RouteDrawItem(int windowIndex, DRAWITEMSTRUCT item, std::optional<int> layerFlag) {
  const bool layered = layerFlag.value_or(0) != 0;
  switch (item.CtlType) {
    case ODT_BUTTON:
      if (!layered) RouteButton(windowIndex, item);
      break;
    case ODT_MENU:
      RouteMenuItem(windowIndex, item, layered);
      break;
    default:
      break;
  }
}

}  // namespace skin
