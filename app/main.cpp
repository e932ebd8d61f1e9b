#include <windows.h>

#include "app/installer_skinning.h"
#include "app/installer_variables.h"
#include "app/installer_window.h"
#include "runtime/window_runtime.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  app::InitInstallerVariables();
  app::StartSkinEngine();
  // Loads InstallerWindow and runs the message loop until it is destroyed.
  return rt::RunApplication(app::InstallerWindowTemplate());
}
