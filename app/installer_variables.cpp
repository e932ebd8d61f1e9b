#include "app/installer_variables.h"

namespace app {
namespace {

rt::CharFormat StartCharFormat() {
  rt::CharFormat format;
  format.face = "宋体";
  format.sizePoints = 9;
  format.offsetPoints = 0;
  format.effects = 0;
  format.colour = rt::kAutomaticColour;
  return format;
}

}  // namespace

int CloseAllowed = 0;
int ExtractionAllowed = 0;
rt::Text MusicFilePath;
int MusicEnabled = 0;
rt::Text PreviousInstallDir;
rt::Text ConfigIniPath;
rt::Text InstalledExePath;
rt::Text InstalledVersion;
rt::Text InstalledFileList;
int SkipDataPackage = 0;
rt::CharFormat IntroCharFormat = StartCharFormat();
rt::CharFormat LicenceCharFormat = StartCharFormat();

void InitInstallerVariables() {
  CloseAllowed = 0;
  ExtractionAllowed = 0;
  MusicFilePath.clear();
  MusicEnabled = 0;
  PreviousInstallDir.clear();
  ConfigIniPath.clear();
  InstalledExePath.clear();
  InstalledVersion.clear();
  InstalledFileList.clear();
  SkipDataPackage = 0;
  IntroCharFormat = StartCharFormat();
  LicenceCharFormat = StartCharFormat();
}

}  // namespace app
