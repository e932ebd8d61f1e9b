// The installation run and its finish: the handlers of 开始安装按钮,
// 完成按钮 and 关闭按钮 and of the archive control's events.
#pragma once

#include <optional>
#include <string_view>

#include "runtime/byte_array.h"

namespace app {

// Click of 开始安装按钮: a folder box holding nothing but half- and
// full-width spaces only gets the focus back; otherwise RunInstall.
void StartInstallClick();

// The whole installation into the folder in the box, taken once at the
// start: program archive, version file, uninstall entry, shortcuts and,
// when ticked, the writing materials. A file that cannot be written stops
// the run with a message and leaves the start button ready for another try.
void RunInstall();

// Progress event of ZIP解压: pumps messages, records the entry in
// InstalledFileList, hands the bar and the status line their state (shown
// at the display's pace, see ProgressDisplay), and writes del.ini when the
// bar reaches 100. False (stop) only while ExtractionAllowed is 0.
std::optional<bool> ExtractProgress(int percent);

// Event 0 of ZIP解压 (never raised); does nothing.
void ZipEventZero(int value);

// Click of 完成按钮: starts the product and opens the community page when
// their boxes are ticked, then closes the window.
void FinishClick();

// Click of 关闭按钮: ignored while an extraction stands between 1 and 99
// percent; otherwise stops the music, deletes its file and closes.
void CloseClick();

}  // namespace app
