#include <windows.h>

#include "app/installer_skinning.h"
#include "app/installer_variables.h"
#include "app/installer_window.h"
#include "runtime/window_runtime.h"
#include "skin/engine/skin_engine.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  app::InitInstallerVariables();
  app::StartSkinEngine();
  // Loads InstallerWindow and runs the message loop until it is destroyed.
  const int result = rt::RunApplication(app::InstallerWindowTemplate());
  // Every window, and with it every graphics object, is gone by now.
  skin::ShutdownSkinEngine();
  return result;
}
