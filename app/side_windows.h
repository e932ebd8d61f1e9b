// The introduction and licence windows: opened over the installer window,
// they drag it along when they move.
#pragma once

#include "runtime/window_template.h"

namespace app {

const rt::WindowTemplate& IntroWindowTemplate();
const rt::WindowTemplate& LicenceWindowTemplate();

// Opens the side window owned by the installer window, not modal; one that
// is open already comes to the front.
void OpenSideWindow(const rt::WindowTemplate& window);

// Left button pressed on 安装协议标签: opens LicenceWindow.
void LicenceLabelMouseDown();

// Window events of the side windows and clicks of their 返回按钮.
void IntroWindowCreated();
void LicenceWindowCreated();
void IntroWindowMoved();
void LicenceWindowMoved();
void IntroBackClick();
void LicenceBackClick();

}  // namespace app
