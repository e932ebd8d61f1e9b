// Building a runtime window from its template.
#pragma once

#include <windows.h>

#include <string_view>

#include "runtime/window_template.h"

namespace rt {

// LoadWindow, with the start window's flag: its destruction ends the
// message loop of RunApplication.
HWND LoadWindowFromTemplate(const WindowTemplate& window, std::string_view parent, bool modal,
                            bool endsMessageLoop);

}  // namespace rt
