#include "skin/lists/scroll_overlay.h"

namespace skin {

HWND CreateVScrollOverlay(HWND /*control*/, int /*shown*/) { return nullptr; }

HWND CreateHScrollOverlay(HWND /*control*/, int /*shown*/) { return nullptr; }

void PaintVScrollBar(HWND /*control*/, std::optional<int> /*hotPart*/) {}

void PaintHScrollBar(HWND /*control*/, std::optional<int> /*hotPart*/) {}

}  // namespace skin
