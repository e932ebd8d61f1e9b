// What a skinned main frame does for the controls placed directly on it:
// owner-draw routing, text colours and brushes cut from its skin, repaints
// after the notifications that change a control's look, and the commands
// of owner-drawn menus.
#pragma once

#include <windows.h>

#include <optional>

namespace skin {

// WM_INITMENUPOPUP: arms the popup skin for a registered menu.
void OnFrameInitMenuPopup(WPARAM menu);

// WM_MEASUREITEM: measures a menu item (control id 0).
void OnFrameMeasureItem(HWND frame, WPARAM controlId, LPARAM item);

// WM_DRAWITEM: paints the item of a skinned control or a registered menu
// and answers true; anything else is left to the saved procedure.
bool RouteFrameDrawItem(int windowIndex, LPARAM item);

// WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN:
// the brush for the control when the frame answers it, nothing when the
// saved procedure should.
std::optional<HBRUSH> AnswerControlColour(UINT message, HDC dc, HWND control);

// WM_COMMAND: calls an owner-drawn menu's command routine and repaints the
// child whose notification changes its look.
void OnFrameCommand(WPARAM wParam, LPARAM lParam);

// WM_NOTIFY: repaints expanding trees and marks a tab control's container
// when its page is about to change.
void OnFrameNotify(LPARAM lParam);

// Deletes every brush and bitmap the frame handed its direct children and
// their drop-down lists; run while the children still exist.
void DeleteChildBrushes(HWND frame);

}  // namespace skin
