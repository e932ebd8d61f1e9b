#include "skin/containers/static_skins.h"

namespace skin {

void SkinStatics(int /*windowIndex*/, HWND /*parent*/, int /*extraWidth*/, int /*extraHeight*/) {}

void SkinTransparentChildren(int /*windowIndex*/, HWND /*parent*/) {}

void RedrawTransparentChildren(HWND /*window*/) {}

void SkinLabel(HWND /*label*/, std::optional<rt::Text> /*face*/, std::optional<int> /*size*/,
               int /*style*/, std::optional<COLORREF> /*colour*/,
               std::optional<COLORREF> /*haloColour*/, std::optional<int> /*alignment*/,
               std::optional<int> /*lineAlignment*/, int /*wrap*/) {}

}  // namespace skin
