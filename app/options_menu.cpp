#include "app/options_menu.h"

#include "app/installed_files.h"
#include "app/message_flags.h"
#include "app/side_windows.h"
#include "app/window_names.h"
#include "runtime/window_runtime.h"
#include "skin/frames/message_box.h"

namespace app {

void PopupOptionsMenu() { rt::PopupMenuAtCursor(kInstallerWindow, kOptionsMenu); }

void IntroMenuSelect() { OpenSideWindow(IntroWindowTemplate()); }

void AboutMenuSelect() {
  skin::ShowSkinnedMessageBox(rt::WindowHandleOf(kInstallerWindow), AboutText(), kInformationFlags, "关于");
}

rt::Text AboutText() { return "Quillora " + rt::Text(kProductVersion) + "\r\n\r\nLumenfall制作"; }

}  // namespace app
