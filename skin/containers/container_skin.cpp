#include "skin/containers/container_skin.h"

namespace skin {

void InstallContainerSkin(HWND /*container*/, std::optional<int> /*tintsChildren*/,
                          COLORREF /*tintColour*/, std::optional<int> /*tintAlpha*/,
                          std::optional<int> /*border*/) {}

void RemoveContainerRecord(int /*windowIndex*/, int /*containerIndex*/) {}

}  // namespace skin
