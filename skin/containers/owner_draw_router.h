// The one place a skinned window sends its WM_DRAWITEM requests: owner-drawn
// push buttons go to their kind's painter, items of registered menus to
// the menu-item painter.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// Paints the item of a WM_DRAWITEM received by skinned window
// `windowIndex` (for a container, its host window). With `layerFlag` set
// buttons are left alone and a menu's owner is entry `windowIndex` of
// LayerElements. A button whose properties do not name its own record, a
// check box, a radio button, an unregistered menu and other control types
// are not painted.
void RouteDrawItem(int windowIndex, DRAWITEMSTRUCT item, std::optional<int> layerFlag = std::nullopt);

}  // namespace skin
