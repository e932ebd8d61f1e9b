// The installer's process-wide variables. They are touched only on the
// user-interface thread.
#pragma once

#include "runtime/byte_array.h"
#include "runtime/rich_edit.h"

namespace app {

// Answer of InstallerWindowQueryClose: 1 once the window is ready; while an
// extraction runs, 1 only when the progress bar stands at 100.
extern int CloseAllowed;
// 1 once the start-up checks passed; while 0 every progress event stops
// the extraction.
extern int ExtractionAllowed;
// Temporary-folder path of the background music file.
extern rt::Text MusicFilePath;
// The music box's state as last read by MusicCheckClick.
extern int MusicEnabled;
// Folder of the previous installation, later the folder chosen in the dialog.
extern rt::Text PreviousInstallDir;
// Version file and product executable inside the folder box's folder;
// InstalledExePath is empty when no product executable is there.
extern rt::Text ConfigIniPath;
extern rt::Text InstalledExePath;
// Installed version without its dots ("034150"), empty when unknown.
extern rt::Text InstalledVersion;
// Every extracted path, each preceded by CR LF.
extern rt::Text InstalledFileList;
// Never changed; while 0 the installation runs the data-package step.
extern int SkipDataPackage;
// Default character formats of the side windows' rich edits.
extern rt::CharFormat IntroCharFormat;
extern rt::CharFormat LicenceCharFormat;

// Gives every variable above its start value.
void InitInstallerVariables();

}  // namespace app
