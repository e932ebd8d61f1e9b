// Names of the installer's windows, controls and menu items, as their
// templates give them; every handler addresses controls through these.
#pragma once

#include <string_view>

namespace app {

// InstallerWindow and its controls.
inline constexpr std::string_view kInstallerWindow = "InstallerWindow";
inline constexpr std::string_view kReleaseNotesEdit = "超级编辑框1";
inline constexpr std::string_view kLicenceLabel = "安装协议标签";
inline constexpr std::string_view kAgreementCheck = "协议选择框";
inline constexpr std::string_view kProgressBar = "安装进度条";
inline constexpr std::string_view kCloseButton = "关闭按钮";
inline constexpr std::string_view kStartButton = "开始安装按钮";
inline constexpr std::string_view kChangePathButton = "更改路径按钮";
inline constexpr std::string_view kStatusLabel = "安装提示标签";
inline constexpr std::string_view kDiskSpaceLabel = "容量标签";
inline constexpr std::string_view kFolderBox = "安装目录框";
inline constexpr std::string_view kJoinGroupCheck = "加入Quillora官方群选择框";
inline constexpr std::string_view kMusicCheck = "播放安装程序背景音乐选择框";
inline constexpr std::string_view kMaterialsCheck = "安装写作素材资料选择框";
inline constexpr std::string_view kRunAfterInstallCheck = "安装后运行Quillora选择框";
inline constexpr std::string_view kStartMenuShortcutCheck = "创建开始菜单快捷方式选择框";
inline constexpr std::string_view kDesktopShortcutCheck = "创建快捷方式选择框";
inline constexpr std::string_view kFolderCaptionLabel = "标签1";
inline constexpr std::string_view kNotesGroup = "分组框2";
inline constexpr std::string_view kOptionsGroup = "分组框1";
inline constexpr std::string_view kMenuStyler = "超级菜单1";
inline constexpr std::string_view kArchiveControl = "ZIP解压";
inline constexpr std::string_view kFinishButton = "完成按钮";

// The hidden top menu item of InstallerWindow, shown only as a popup.
inline constexpr std::string_view kOptionsMenu = "选项...";

// The two side windows share their controls' names.
inline constexpr std::string_view kIntroWindow = "IntroWindow";
inline constexpr std::string_view kLicenceWindow = "LicenceWindow";
inline constexpr std::string_view kBackButton = "返回按钮";
inline constexpr std::string_view kSideTextEdit = "超级编辑框1";

}  // namespace app
