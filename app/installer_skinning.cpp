#include "app/installer_skinning.h"

#include "skin/core/skin_engine.h"

namespace app {

void StartSkinEngine() { skin::InitSkinEngine(); }

void SkinInstallerWindow() {
  skin::SetSkinOptions(1, 100);
  // Theme picture and colours, the main frame, the title style and the
  // group box, rich edit, label and progress-bar skins, and the options
  // menu as the frame's main-menu routine, join here as the frame and
  // control skins land; until then the window keeps its plain look.
}

void SkinSideWindow(std::string_view /*window*/) {
  skin::SetSkinOptions(1);
  // The side window's main frame joins here with the frame skins.
}

void SetInstallerCloseEffect() {
  // The fade close effect is set here once the frame skins provide it.
}

}  // namespace app
