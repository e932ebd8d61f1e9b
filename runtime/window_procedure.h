// The window procedure of every runtime window and the hook that routes
// the notifications of controls inside a group box.
#pragma once

#include <windows.h>

namespace rt {

// The registered class of runtime windows ("QuilloraRtWindow").
const char* RuntimeWindowClass();

// Makes the group box hand its children's WM_COMMAND and colour requests
// to the runtime, as the window does for its direct children.
void RouteGroupBoxNotifications(HWND groupBox);

}  // namespace rt
