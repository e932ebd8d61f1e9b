#include "skin/containers/static_skins.h"

namespace skin {

void SkinStatics(int /*windowIndex*/, HWND /*parent*/, int /*extraWidth*/, int /*extraHeight*/) {}

void SkinTransparentChildren(int /*windowIndex*/, HWND /*parent*/) {}

void RedrawTransparentChildren(HWND /*window*/) {}

}  // namespace skin
