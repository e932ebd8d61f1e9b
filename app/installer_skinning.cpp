#include "app/installer_skinning.h"

#include "skin/engine/skin_engine.h"

namespace app {

void StartSkinEngine() { skin::InitSkinEngine(); }

void SkinInstallerWindow() {
  skin::SetSkinOptions(1, 100);
  // The theme (picture and colours), the main frame and its title style
  // join here with the frame skins. The group box, rich edit, label and
  // progress-bar skins and the options menu as the frame's main-menu
  // routine follow them: they need the window skinned first. Until then
  // the window keeps its plain look.
}

void SkinSideWindow(std::string_view /*window*/) {
  skin::SetSkinOptions(1);
  // The side window's main frame joins here with the frame skins.
}

void SetInstallerCloseEffect() {
  // The fade close effect is set here once the frame skins provide it.
}

}  // namespace app
