#include "skin/lists/list_installers.h"

namespace skin {

void SkinListControls(int /*windowIndex*/, HWND /*parent*/) {}

void SkinUpDowns(int /*windowIndex*/, HWND /*parent*/) {}

void SkinHeaders(int /*windowIndex*/, HWND /*parent*/) {}

}  // namespace skin
