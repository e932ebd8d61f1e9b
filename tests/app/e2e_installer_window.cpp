// The installer window as the user meets it: its frame, every control's
// place, caption and state, the release notes, the disk-space label, the
// agreement box, the previous installation, the music box and the
// title-bar close.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include "resources/resource_ids.h"
#include "tests/support/installer_driver.h"

namespace {

using qtest::Descendants;
using qtest::FindDescendant;
using qtest::TextOf;

constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillora";
constexpr char kCaption[] = "Quillora安装程序";

const char kReleaseNotes[] =
    "Quillora\r\n"
    "\r\n"
    "最新版本:03.41.50\r\n"
    "\r\n"
    "更新时间:2019年6月9日\r\n"
    "\r\n"
    "一、新增\"用户习惯\"模式。\r\n"
    "通过\"系统设置\"->\"窗口布局\"->选择\"右侧列表布局\"实现。\r\n"
    "\r\n"
    "二、改进\"我的音乐\"歌词搜索功能,能更有效获取相应歌词。\r\n"
    "由于考虑简单易用的原因,系统默认搜索网络上第一个歌词内容.故有一定几率出现乱码或词不达意的歌词或无法搜索到。\r\n"
    "\r\n"
    "三、修改“系统设置”的“外观设置”改为\"窗口布局\"。\r\n"
    "\r\n"
    "四、系统右上角\"选项菜单\"下移到“系统设置”的下拉菜单中。\r\n"
    "\r\n"
    "四、补充少数科幻随机资料。\r\n";

// The disk-space label for a byte count: whole MiB times 2.9, floored.
std::string DiskSpaceLabel(std::size_t bytes) {
  const std::size_t mb = bytes / 1024 / 1024;
  return "至少需要大约" + std::to_string(mb * 29 / 10) + "MB的可用磁盘空间";
}

std::string MusicFile() { return qtest::TempFolder() + "bgmusic.mp3"; }

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A private copy the music player of that process made and left behind.
bool PlayerCopyLeft(DWORD process) {
  WIN32_FIND_DATAA found;
  const std::string pattern = qtest::TempFolder() + "quillora_music_" + std::to_string(process) + "_*";
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

// A control's place inside its parent window.
RECT PlaceInParent(HWND control) {
  RECT rect = qtest::WindowRectOf(control);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class InstallerWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(qtest::InstallerExePath().empty()) << "QUILLORA_SETUP_EXE is not set"; }

  // Starts the installer and waits for its window; fails the test without one.
  void Launch() {
    installer_ = qtest::StartInstaller();
    ASSERT_TRUE(installer_.started());
    window_ = installer_.WaitForWindow(kCaption);
    ASSERT_NE(window_, nullptr) << "no installer window";
    // The window is ready once the start-up checks have filled the label.
    ASSERT_TRUE(qtest::WaitUntil([&] { return FindDescendant(window_, "Static", Label()) != nullptr; }));
  }

  HWND Control(std::string_view className, std::string_view caption) const {
    return FindDescendant(window_, className, caption);
  }

  std::string Label() const {
    return DiskSpaceLabel(qtest::ResourceSizeOf(qtest::InstallerExePath(), IDR_MAIN_PROGRAM_ARCHIVE));
  }

  std::string LabelWithMaterials() const {
    const std::string exe = qtest::InstallerExePath();
    return DiskSpaceLabel(qtest::ResourceSizeOf(exe, IDR_MAIN_PROGRAM_ARCHIVE) +
                          qtest::ResourceSizeOf(exe, IDR_MATERIALS_ARCHIVE));
  }

  qtest::ProcessUnderTest installer_;
  HWND window_ = nullptr;
};

class FreshInstallerWindowTest : public InstallerWindowTest {
 protected:
  qtest::ScopedRegistryAbsence noPreviousInstallation_{HKEY_LOCAL_MACHINE, kUninstallKey, "softURL"};
};

TEST_F(FreshInstallerWindowTest, WindowIsCentredBorderless570By450WithMinimizeBoxOnly) {
  Launch();
  const RECT rect = qtest::WindowRectOf(window_);
  EXPECT_EQ(rect.right - rect.left, 570);
  EXPECT_EQ(rect.bottom - rect.top, 450);
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(rect.left, work.left + (work.right - work.left - 570) / 2);
  EXPECT_EQ(rect.top, work.top + (work.bottom - work.top - 450) / 2);
  const LONG_PTR style = qtest::StyleOf(window_);
  EXPECT_EQ(style & WS_CAPTION, 0) << "the skin draws the caption";
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_EQ(GetMenu(window_), nullptr) << "the options menu is never a menu bar";
}

struct ExpectedControl {
  const char* className;
  const char* caption;
  const char* parentCaption;  // group box, or nullptr for the window
  RECT place;                 // left, top, right, bottom in the parent
  bool enabled;
};

TEST_F(FreshInstallerWindowTest, EveryControlHasItsPlaceCaptionAndInitialState) {
  Launch();
  const ExpectedControl expected[] = {
      {"Static", "安装协议", nullptr, {171, 392, 240, 416}, true},
      {"Button", "已阅读并同意Quillora", nullptr, {27, 392, 168, 416}, true},
      {"Button", "关闭", nullptr, {464, 391, 546, 417}, true},
      {"Button", "开始安装", nullptr, {375, 391, 457, 417}, false},
      {"Button", "更改路径", nullptr, {464, 297, 546, 321}, true},
      {"Static", "准备安装...", nullptr, {27, 327, 544, 351}, true},
      {"Button", "加入Quillora官方群", "安装选项", {21, 158, 201, 178}, true},
      {"Button", "播放安装程序背景音乐", "安装选项", {21, 193, 201, 213}, true},
      {"Button", "安装写作素材资料", "安装选项", {21, 90, 201, 110}, true},
      {"Button", "安装后运行Quillora", "安装选项", {21, 124, 201, 144}, true},
      {"Button", "创建开始菜单快捷方式", "安装选项", {21, 56, 201, 76}, true},
      {"Button", "创建快捷方式", "安装选项", {21, 22, 201, 42}, true},
      {"Static", "安装目录:", nullptr, {27, 273, 131, 293}, true},
      {"Button", "更新说明", nullptr, {249, 30, 544, 254}, true},
      {"Button", "安装选项", nullptr, {27, 30, 240, 254}, true},
      {"Button", "完成", nullptr, {375, 392, 457, 416}, false},
  };
  for (const ExpectedControl& want : expected) {
    SCOPED_TRACE(want.caption);
    HWND control = Control(want.className, want.caption);
    ASSERT_NE(control, nullptr);
    const HWND parent = want.parentCaption ? Control("Button", want.parentCaption) : window_;
    EXPECT_EQ(GetParent(control), parent);
    const RECT place = PlaceInParent(control);
    EXPECT_EQ(place.left, want.place.left);
    EXPECT_EQ(place.top, want.place.top);
    EXPECT_EQ(place.right, want.place.right);
    EXPECT_EQ(place.bottom, want.place.bottom);
    EXPECT_TRUE(qtest::IsShown(control));
    EXPECT_EQ(qtest::IsEnabled(control), want.enabled);
    if ((qtest::StyleOf(control) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
      EXPECT_FALSE(qtest::IsChecked(control));
    }
  }

  HWND folderBox = FindDescendant(window_, "Edit");
  ASSERT_NE(folderBox, nullptr);
  EXPECT_EQ(TextOf(folderBox), "");
  const RECT boxPlace = PlaceInParent(folderBox);
  EXPECT_EQ(boxPlace.left, 27);
  EXPECT_EQ(boxPlace.top, 297);
  EXPECT_EQ(boxPlace.right - boxPlace.left, 429);
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &gui));
  EXPECT_EQ(gui.hwndFocus, folderBox) << "the folder box has the focus";

  HWND progress = FindDescendant(window_, PROGRESS_CLASSA);
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(SendMessageA(progress, PBM_GETPOS, 0, 0), 0);
  EXPECT_EQ(SendMessageA(progress, PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageA(progress, PBM_GETRANGE, FALSE, 0), 100);
  const RECT barPlace = PlaceInParent(progress);
  EXPECT_EQ(barPlace.left, 26);
  EXPECT_EQ(barPlace.top, 352);
  EXPECT_EQ(barPlace.right - barPlace.left, 518);
  EXPECT_EQ(barPlace.bottom - barPlace.top, 16);

  HWND spaceLabel = Control("Static", Label());
  ASSERT_NE(spaceLabel, nullptr);
  const RECT labelPlace = PlaceInParent(spaceLabel);
  EXPECT_EQ(labelPlace.left, 129);
  EXPECT_EQ(labelPlace.top, 273);
}

TEST_F(FreshInstallerWindowTest, ReleaseNotesFillTheReadOnlyRichEditInTheNotesGroup) {
  Launch();
  HWND notes = FindDescendant(window_, "RichEdit20A");
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(GetParent(notes), Control("Button", "更新说明"));
  const LONG_PTR style = qtest::StyleOf(notes);
  EXPECT_NE(style & ES_READONLY, 0);
  EXPECT_NE(style & ES_MULTILINE, 0);
  EXPECT_NE(style & WS_VSCROLL, 0);
  EXPECT_EQ(style & (WS_HSCROLL | ES_AUTOHSCROLL | WS_BORDER), 0) << "word wrap, no border";
  EXPECT_EQ(TextOf(notes), kReleaseNotes);
}

TEST_F(FreshInstallerWindowTest, MaterialsBoxRaisesTheDiskSpaceFigureAndLowersItAgain) {
  Launch();
  HWND materials = Control("Button", "安装写作素材资料");
  ASSERT_NE(materials, nullptr);
  ASSERT_NE(Label(), LabelWithMaterials());
  qtest::Click(materials);
  EXPECT_TRUE(qtest::WaitUntil([&] { return Control("Static", LabelWithMaterials()) != nullptr; }))
      << "label after ticking: " << LabelWithMaterials();
  qtest::Click(materials);
  EXPECT_TRUE(qtest::WaitUntil([&] { return Control("Static", Label()) != nullptr; }));
}

TEST_F(FreshInstallerWindowTest, AgreementBoxEnablesTheStartButtonOnEveryOtherClick) {
  Launch();
  HWND agreement = Control("Button", "已阅读并同意Quillora");
  HWND start = Control("Button", "开始安装");
  ASSERT_NE(agreement, nullptr);
  ASSERT_NE(start, nullptr);
  for (bool enabled : {true, false, true}) {
    qtest::Click(agreement);
    EXPECT_TRUE(qtest::WaitUntil([&] { return qtest::IsEnabled(start) == enabled; }))
        << "start button should be " << (enabled ? "enabled" : "disabled");
  }
}

TEST_F(FreshInstallerWindowTest, EnabledStartButtonTakesTheClicksOfTheSharedPlace) {
  Launch();
  HWND start = Control("Button", "开始安装");
  HWND finish = Control("Button", "完成");
  ASSERT_NE(start, nullptr);
  ASSERT_NE(finish, nullptr);
  qtest::Click(Control("Button", "已阅读并同意Quillora"));
  ASSERT_TRUE(qtest::WaitUntil([&] { return qtest::IsEnabled(start); }));
  const RECT rect = qtest::WindowRectOf(finish);
  const POINT middle{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  EXPECT_EQ(WindowFromPoint(middle), start) << "the finish button must not cover the start button";
}

TEST_F(FreshInstallerWindowTest, StartButtonReadsStartInstallWithoutPreviousInstallation) {
  Launch();
  EXPECT_NE(Control("Button", "开始安装"), nullptr);
  EXPECT_EQ(Control("Button", "开始更新"), nullptr);
  EXPECT_EQ(TextOf(FindDescendant(window_, "Edit")), "");
}

TEST_F(InstallerWindowTest, PreviousInstallationFillsTheFolderBoxAndAsksForAnUpdate) {
  const std::string previous = "C:\\Program Files\\Quillora\\";
  qtest::ScopedRegistryText entry(HKEY_LOCAL_MACHINE, kUninstallKey, "softURL", previous);
  Launch();
  EXPECT_NE(Control("Button", "开始更新"), nullptr);
  EXPECT_EQ(Control("Button", "开始安装"), nullptr);
  EXPECT_EQ(TextOf(FindDescendant(window_, "Edit")), previous);
  EXPECT_NE(Control("Static", Label()), nullptr) << "the figure does not depend on the state";
}

// The folder dialog of 更改路径, shown by the installer; nullptr when none came.
HWND WaitForFolderDialog(DWORD processId) {
  HWND dialog = nullptr;
  qtest::WaitUntil([&] {
    for (HWND window : qtest::TopLevelWindows(processId, "#32770")) {
      // Listed windows may be gone by now: a plain query, not a check.
      if (IsWindowVisible(window) && FindDescendant(window, "SysTreeView32")) dialog = window;
    }
    return dialog != nullptr;
  });
  return dialog;
}

TEST_F(FreshInstallerWindowTest, ChosenFolderGetsTheProductFolderAndMakesAnUpdate) {
  Launch();
  qtest::Click(Control("Button", "更改路径"));
  HWND dialog = WaitForFolderDialog(installer_.id());
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(FindDescendant(dialog, "Static", "请选择‘Quillora’的安装目录："), nullptr);
  qtest::PressButton(dialog, IDOK);  // the dialog starts on the desktop folder
  char desktop[MAX_PATH] = {};
  ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
  const std::string expected = std::string(desktop) + "\\Quillora\\";
  HWND box = FindDescendant(window_, "Edit");
  EXPECT_TRUE(qtest::WaitUntil([&] { return TextOf(box) == expected; })) << "box: " << TextOf(box);
  EXPECT_TRUE(qtest::WaitUntil([&] { return Control("Button", "开始更新") != nullptr; }))
      << "a chosen folder is a previous installation's folder";
}

TEST_F(FreshInstallerWindowTest, CancelledFolderDialogKeepsTheMaterialsFigure) {
  Launch();
  qtest::Click(Control("Button", "安装写作素材资料"));
  ASSERT_TRUE(qtest::WaitUntil([&] { return Control("Static", LabelWithMaterials()) != nullptr; }));
  HWND box = FindDescendant(window_, "Edit");
  SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("D:\\typed"));
  qtest::Click(Control("Button", "更改路径"));
  HWND dialog = WaitForFolderDialog(installer_.id());
  ASSERT_NE(dialog, nullptr);
  qtest::PressButton(dialog, IDCANCEL);
  ASSERT_TRUE(qtest::WaitUntil([&] { return !IsWindow(dialog); }));
  ASSERT_TRUE(qtest::IsResponsive(window_));
  EXPECT_EQ(TextOf(box), "") << "the refresh puts the previous folder back";
  EXPECT_NE(Control("Static", LabelWithMaterials()), nullptr) << "materials still ticked";
  EXPECT_NE(Control("Button", "开始安装"), nullptr);
}

TEST_F(FreshInstallerWindowTest, MusicBoxWithoutAudioKeepsTheWindowResponsive) {
  Launch();
  HWND music = Control("Button", "播放安装程序背景音乐");
  ASSERT_NE(music, nullptr);
  for (bool checked : {true, false, true}) {
    qtest::Click(music);
    // The skinned box plays its short click animation first, holding the
    // thread for its few frames; the tick is handled once the box shows it.
    EXPECT_TRUE(qtest::WaitUntil([&] { return qtest::IsChecked(music) == checked; }, 5000));
    // Without a sound device the open takes seconds; the window must not
    // wait for it: every probe during the next second is answered at once.
    const DWORD start = GetTickCount();
    do {
      ASSERT_TRUE(qtest::IsResponsive(window_, 100)) << "no answer within 100 ms, "
                                                     << GetTickCount() - start << " ms after the tick";
      Sleep(10);
    } while (GetTickCount() - start < 1000);
  }
  EXPECT_NE(Control("Static", "准备安装..."), nullptr);
  EXPECT_NE(Control("Static", Label()), nullptr);
  EXPECT_TRUE(installer_.running());
}

TEST_F(FreshInstallerWindowTest, TitleBarCloseEndsWithCodeZeroAndDeletesTheMusicFile) {
  Launch();
  EXPECT_TRUE(FileExists(MusicFile())) << "the music is written at start";
  // Playing music holds its file open; the close must still remove it.
  qtest::Click(Control("Button", "播放安装程序背景音乐"));
  ASSERT_TRUE(qtest::IsResponsive(window_, 10000));
  qtest::PostClose(window_);
  const std::optional<DWORD> code = installer_.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the installer did not close";
  EXPECT_EQ(*code, 0u);
  EXPECT_FALSE(FileExists(MusicFile()));
  EXPECT_FALSE(PlayerCopyLeft(installer_.id())) << "the process ended with the sound thread done";
}

}  // namespace
