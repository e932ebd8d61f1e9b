#include "app/installer_window.h"

#include <windows.h>

#include "app/background_music.h"
#include "app/embedded_payload.h"
#include "app/install_run.h"
#include "app/install_state.h"
#include "app/install_text.h"
#include "app/installed_files.h"
#include "app/installer_skinning.h"
#include "app/installer_variables.h"
#include "app/options_menu.h"
#include "app/side_windows.h"
#include "app/startup_checks.h"
#include "app/window_names.h"
#include "runtime/registry.h"
#include "runtime/window_runtime.h"

namespace app {
namespace {

using rt::ControlKind;
using rt::ControlTemplate;
using rt::NumberProperty;
using rt::TextProperty;


ControlTemplate Control(std::string_view name, ControlKind kind, rt::Place place, std::string_view caption,
                        std::string_view parent = {}) {
  ControlTemplate control;
  control.name = name;
  control.kind = kind;
  control.place = place;
  control.caption = caption;
  control.parent = parent;
  return control;
}

ControlTemplate Button(std::string_view name, rt::Place place, std::string_view caption, rt::ActionHandler click) {
  ControlTemplate button = Control(name, ControlKind::Button, place, caption);
  button.events.main = std::move(click);
  return button;
}

ControlTemplate OptionBox(std::string_view name, int top, std::string_view caption, rt::ActionHandler click = {}) {
  ControlTemplate box = Control(name, ControlKind::CheckBox, {21, top, 180, 20}, caption, kOptionsGroup);
  box.events.main = std::move(click);
  return box;
}

ControlTemplate ReleaseNotesEdit() {
  ControlTemplate edit = Control(kReleaseNotesEdit, ControlKind::RichEdit, {10, 22, 282, 200}, "", kNotesGroup);
  // Word wrap: no horizontal scrolling; no border, default background.
  edit.style = ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | ES_READONLY;
  return edit;
}

ControlTemplate LicenceLabel() {
  ControlTemplate label = Control(kLicenceLabel, ControlKind::Label, {171, 392, 69, 24}, "安装协议");
  label.transparent = true;
  label.textColour = 0xFF0000;
  label.font = rt::FontTemplate{.face = "", .heightPixels = 13, .underline = true};
  label.events.mouseDown = LicenceLabelMouseDown;
  return label;
}

ControlTemplate AgreementCheck() {
  ControlTemplate box = Control(kAgreementCheck, ControlKind::CheckBox, {27, 392, 141, 24}, "已阅读并同意Quillora");
  box.events.main = AgreementCheckClick;
  return box;
}

ControlTemplate ProgressBar() {
  ControlTemplate bar = Control(kProgressBar, ControlKind::ProgressBar, {26, 352, 518, 16}, "");
  bar.rangeMin = 0;
  bar.rangeMax = 100;
  bar.position = 0;
  return bar;
}

ControlTemplate ArchiveControl() {
  ControlTemplate archive = Control(kArchiveControl, ControlKind::Archive, {}, "");
  archive.events.progress = ExtractProgress;
  archive.events.archiveMain = ZipEventZero;
  return archive;
}

rt::MenuItemTemplate MenuItem(std::string_view name, std::string_view caption, rt::ActionHandler chosen = {}) {
  return rt::MenuItemTemplate{rt::Text(name), rt::Text(caption), true, std::move(chosen)};
}

rt::MenuTemplate OptionsMenu() {
  rt::MenuTemplate menu;
  menu.name = kOptionsMenu;
  menu.caption = "选项...";
  menu.visible = false;  // only ever shown as a popup
  menu.items = {
      MenuItem("软件简介", "软件简介", IntroMenuSelect),
      MenuItem("分隔线", "-"),
      MenuItem("关于...", "关于...", AboutMenuSelect),
  };
  return menu;
}

rt::WindowTemplate MakeInstallerWindow() {
  rt::WindowTemplate window;
  window.name = kInstallerWindow;
  window.caption = "Quillora安装程序";
  window.place = {0, 0, 570, 450};
  window.centred = true;
  window.frame = rt::WindowFrame::None;  // the skin draws the whole frame
  window.minimizeBox = true;
  window.maximizeBox = false;
  window.background = 0xC06000;

  ControlTemplate start = Button(kStartButton, {375, 391, 82, 26}, "开始安装", StartInstallClick);
  start.enabled = false;
  ControlTemplate finish = Button(kFinishButton, {375, 392, 82, 24}, "完成", FinishClick);
  finish.enabled = false;

  window.controls = {
      ReleaseNotesEdit(),
      LicenceLabel(),
      AgreementCheck(),
      ProgressBar(),
      Button(kCloseButton, {464, 391, 82, 26}, "关闭", CloseClick),
      start,
      Button(kChangePathButton, {464, 297, 82, 24}, "更改路径", ChangePathClick),
      Control(kStatusLabel, ControlKind::Label, {27, 327, 517, 24}, "准备安装..."),
      Control(kDiskSpaceLabel, ControlKind::Label, {129, 273, 263, 20}, "(大约需要0MB的可用磁盘空间)"),
      Control(kFolderBox, ControlKind::Edit, {27, 297, 429, 24}, ""),
      OptionBox(kJoinGroupCheck, 158, "加入Quillora官方群", JoinGroupCheckClick),
      OptionBox(kMusicCheck, 193, "播放安装程序背景音乐", MusicCheckClick),
      OptionBox(kMaterialsCheck, 90, "安装写作素材资料", MaterialsCheckClick),
      OptionBox(kRunAfterInstallCheck, 124, "安装后运行Quillora"),
      OptionBox(kStartMenuShortcutCheck, 56, "创建开始菜单快捷方式"),
      OptionBox(kDesktopShortcutCheck, 22, "创建快捷方式"),
      Control(kFolderCaptionLabel, ControlKind::Label, {27, 273, 104, 20}, "安装目录:"),
      Control(kNotesGroup, ControlKind::GroupBox, {249, 30, 295, 224}, "更新说明"),
      Control(kOptionsGroup, ControlKind::GroupBox, {27, 30, 213, 224}, "安装选项"),
      Control(kMenuStyler, ControlKind::MenuStyler, {}, ""),
      ArchiveControl(),
      finish,
  };
  window.menu = {OptionsMenu()};
  window.events.created = InstallerWindowCreated;
  window.events.queryClose = InstallerWindowQueryClose;
  window.events.destroying = InstallerWindowDestroy;
  return window;
}

}  // namespace

const rt::WindowTemplate& InstallerWindowTemplate() {
  static const rt::WindowTemplate window = MakeInstallerWindow();
  return window;
}

void InstallerWindowCreated() {
  SkinInstallerWindow();
  rt::WriteProperty(kInstallerWindow, kReleaseNotesEdit, TextProperty::Text, ReleaseNotes());
  PreviousInstallDir = rt::ReadRegistryText(rt::kRootLocalMachine, JoinPath(kUninstallKey, kInstallFolderValue));
  WriteMusicFile();
  RunStartupChecks();
  CloseAllowed = 1;
  rt::WriteProperty(kInstallerWindow, kFolderBox, NumberProperty::SelectionStart, -1);
  rt::FocusControl(kInstallerWindow, kFolderBox);
}

std::optional<bool> InstallerWindowQueryClose() {
  if (CloseAllowed != 1) return false;
  DiscardMusicFile();  // the window goes now, and the process with it
  return true;
}

void InstallerWindowDestroy() { SetInstallerCloseEffect(); }

void JoinGroupCheckClick() {}

}  // namespace app
