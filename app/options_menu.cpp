#include "app/options_menu.h"

#include "app/side_windows.h"
#include "app/window_names.h"
#include "runtime/window_runtime.h"
#include "skin/frames/message_box.h"

namespace app {

void PopupOptionsMenu() { rt::PopupMenuAtCursor(kInstallerWindow, kOptionsMenu); }

void IntroMenuSelect() { OpenSideWindow(IntroWindowTemplate()); }

void AboutMenuSelect() {
  constexpr unsigned kOkInformation = 0x40;
  skin::ShowSkinnedMessageBox(rt::WindowHandleOf(kInstallerWindow), AboutText(), kOkInformation, "关于");
}

rt::Text AboutText() { return "Quillora 03.41.50\r\n\r\nLumenfall制作"; }

}  // namespace app
