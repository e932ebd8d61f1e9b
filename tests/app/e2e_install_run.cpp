// The installation run of the real installer: a fresh installation, an
// existing one (update or refusal), a folder that cannot be made and a
// blank folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "resources/resource_ids.h"
#include "tests/support/install_checks.h"
#include "tests/support/install_session.h"
#include "tests/support/installer_driver.h"
#include "tests/support/temp_folder.h"

namespace {

using qtest::InstallerSession;
using qtest::TextOf;

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string UninstallValue(const char* name) {
  return qtest::ReadRegistryText(HKEY_LOCAL_MACHINE, qtest::kUninstallKey, name).value_or("<absent>");
}

std::string MusicFile() { return qtest::TempFolder() + "bgmusic.mp3"; }

// "Quillora.exe" as the installer's program archive holds it.
std::string ProgramFromArchive() {
  const std::string archive = qtest::ResourceBytesOf(qtest::InstallerExePath(), IDR_MAIN_PROGRAM_ARCHIVE);
  const std::vector<qtest::ZipEntry> entries = qtest::ZipEntries(archive);
  if (entries.size() != 1 || entries[0].name != "Quillora.exe") return {};
  return qtest::ZipEntryData(archive, entries[0]).value_or("");
}

class InstallRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(qtest::InstallerExePath().empty()) << "QUILLORA_SETUP_EXE is not set";
    qtest::RemoveInstallationTraces();
  }
  void TearDown() override { qtest::RemoveInstallationTraces(); }

  void LaunchAndAgree() {
    ASSERT_TRUE(session_.Launch()) << "the installer window did not get ready";
    ASSERT_TRUE(session_.AcceptAgreement());
  }

  testsupport::TempFolder temp_{"qi"};
  InstallerSession session_;
};

TEST_F(InstallRunTest, FreshInstallTwoLevelsBelowAMissingFolderWithoutOptions) {
  const std::string folder = temp_ / "新建 目录\\Quillora 安装";
  const std::string program = folder + "\\Quillora.exe";
  LaunchAndAgree();
  EXPECT_TRUE(Exists(MusicFile())) << "the music file is written at start";
  session_.TypeFolder(folder);
  session_.ClickStart();
  ASSERT_TRUE(session_.WaitForFinishButton());

  const std::string expected = ProgramFromArchive();
  ASSERT_FALSE(expected.empty());
  EXPECT_TRUE(testsupport::ReadWholeFile(program) == expected) << "Quillora.exe differs from the archive's";
  for (const char* temporary : {"Quillora.zip", "数据安装包.zip", "写作素材包.zip"}) {
    EXPECT_FALSE(Exists(folder + "\\" + temporary)) << temporary;
  }
  EXPECT_FALSE(Exists(folder + "\\描写素材"));

  const std::string version = testsupport::ReadWholeFile(folder + "\\系统配置.ini");
  EXPECT_NE(version.find("[系统配置]"), std::string::npos) << version;
  EXPECT_NE(version.find("版本号=03.41.50"), std::string::npos) << version;
  // The program's path twice: once for its entry, once for the final event.
  EXPECT_EQ(testsupport::ReadWholeFile(folder + "\\del.ini"), "\r\n" + program + "\r\n" + program);

  EXPECT_EQ(UninstallValue("softURL"), folder);
  EXPECT_EQ(UninstallValue("DisplayIcon"), program);
  EXPECT_EQ(UninstallValue("DisplayName"), "Quillora");
  EXPECT_EQ(UninstallValue("DisplayVersion"), "");
  EXPECT_EQ(UninstallValue("Publisher"), "Lumenfall制作");
  EXPECT_EQ(UninstallValue("UninstallString"), folder + "\\卸载.exe");

  for (const std::string& link : {qtest::DesktopShortcut(), qtest::StartMenuShortcut()}) {
    EXPECT_FALSE(Exists(link)) << link;
  }
  EXPECT_FALSE(Exists(MusicFile())) << "the run deletes the music file";

  // The end state: finish and close ready, the run's inputs still locked,
  // the bar full and the title-bar close allowed.
  EXPECT_FALSE(qtest::IsShown(session_.startButton()));
  EXPECT_TRUE(qtest::IsEnabled(session_.Button("关闭")));
  EXPECT_FALSE(qtest::IsShown(session_.Button(qtest::kAgreementBox)));
  EXPECT_FALSE(qtest::IsShown(session_.Control("Static", "安装协议")));
  EXPECT_FALSE(qtest::IsEnabled(session_.folderBox()));
  EXPECT_FALSE(qtest::IsEnabled(session_.Button("更改路径")));
  EXPECT_EQ(session_.BarPosition(), 100);
  EXPECT_EQ(TextOf(session_.statusLabel()), "安装进度...100%");
  qtest::PostClose(session_.window());
  EXPECT_EQ(session_.process().WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(InstallRunTest, ExistingInstallationAsksBeforeOverwriting) {
  const std::string folder = temp_ / "Quillora";
  const std::string program = folder + "\\Quillora.exe";
  for (const int answer : {IDNO, IDYES}) {
    SCOPED_TRACE(answer == IDYES ? "是" : "否");
    CreateDirectoryA(folder.c_str(), nullptr);
    {
      HANDLE file = CreateFileA(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
      ASSERT_NE(file, INVALID_HANDLE_VALUE);
      DWORD written = 0;
      WriteFile(file, "old", 3, &written, nullptr);
      CloseHandle(file);
    }
    qtest::ScopedRegistryText entry(HKEY_LOCAL_MACHINE, qtest::kUninstallKey, "softURL", folder);
    InstallerSession session;
    ASSERT_TRUE(session.Launch());
    EXPECT_EQ(TextOf(session.startButton()), "开始更新");
    EXPECT_EQ(TextOf(session.folderBox()), folder);
    ASSERT_TRUE(session.AcceptAgreement());
    session.ClickStart();

    const auto question = qtest::WaitForMessageBox(session.process().id(), "安装向导");
    ASSERT_TRUE(question.has_value());
    EXPECT_EQ(question->text, "检测到您已安装Quillora,是否继续安装！\r\n点击‘是’继续安装\r\n点击‘否’取消安装");
    EXPECT_EQ(question->buttons, (std::vector<int>{IDYES, IDNO}));
    qtest::PressButton(question->dialog, answer);

    if (answer == IDNO) {
      EXPECT_EQ(session.process().WaitForExit(), std::optional<DWORD>(0));
      EXPECT_EQ(testsupport::ReadWholeFile(program), "old");
      EXPECT_FALSE(Exists(MusicFile()));
    } else {
      ASSERT_TRUE(session.WaitForFinishButton());
      EXPECT_TRUE(testsupport::ReadWholeFile(program) == ProgramFromArchive()) << "Quillora.exe not replaced";
      qtest::Click(session.Button("关闭"));
      EXPECT_EQ(session.process().WaitForExit(), std::optional<DWORD>(0));
    }
  }
}

TEST_F(InstallRunTest, FolderThatCannotBeMadeFailsVisiblyAndAllowsAnotherTry) {
  // A file stands where a folder of the path should be.
  const std::string blocker = temp_ / "占用";
  ASSERT_TRUE(testsupport::ReadWholeFile(blocker).empty());
  HANDLE file = CreateFileA(blocker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);
  const std::string badFolder = blocker + "\\Quillora";

  LaunchAndAgree();
  session_.TypeFolder(badFolder);
  session_.ClickStart();
  const auto failure = qtest::WaitForMessageBox(session_.process().id(), "安装提示");
  ASSERT_TRUE(failure.has_value()) << "no failure message";
  const std::string text = "安装失败,无法写入文件:\r\n" + badFolder + "\\Quillora.zip";
  EXPECT_EQ(failure->text, text);
  EXPECT_EQ(failure->buttons, std::vector<int>{IDOK});
  EXPECT_EQ(TextOf(session_.statusLabel()), text);
  qtest::PressButton(failure->dialog, IDOK);

  EXPECT_TRUE(qtest::WaitUntil([&] { return qtest::IsEnabled(session_.startButton()); }));
  EXPECT_TRUE(qtest::IsShown(session_.startButton()));
  EXPECT_TRUE(qtest::IsEnabled(session_.Button("关闭")));
  EXPECT_TRUE(qtest::IsEnabled(session_.folderBox()));
  EXPECT_FALSE(qtest::IsEnabled(session_.Button("完成")));
  EXPECT_EQ(UninstallValue("softURL"), "<absent>");
  EXPECT_EQ(UninstallValue("DisplayIcon"), "<absent>");

  // Another try into a good folder installs; the start-menu box asks for
  // the Quick Launch shortcut too, which is left out without its folder.
  const std::string goodFolder = temp_ / "Quillora";
  session_.TypeFolder(goodFolder);
  ASSERT_TRUE(session_.Tick(qtest::kStartMenuShortcutBox));
  ASSERT_FALSE(Exists(qtest::QuickLaunchFolder()));
  session_.ClickStart();
  ASSERT_TRUE(session_.WaitForFinishButton());
  EXPECT_TRUE(Exists(goodFolder + "\\Quillora.exe"));
  EXPECT_EQ(UninstallValue("softURL"), goodFolder);
  EXPECT_TRUE(Exists(qtest::StartMenuShortcut()));
  EXPECT_FALSE(Exists(qtest::QuickLaunchFolder()));
}

TEST_F(InstallRunTest, FolderOfOnlySpacesOnlyFocusesTheFolderBox) {
  LaunchAndAgree();
  HWND agreement = session_.Button(qtest::kAgreementBox);
  for (const char* blank : {"   ", "　　", " 　 "}) {
    SCOPED_TRACE(blank);
    session_.TypeFolder(blank);
    // Take the focus away from the box, as the user's click does.
    qtest::PostLeftClick(agreement);
    qtest::PostLeftClick(agreement);
    ASSERT_TRUE(qtest::WaitUntil([&] { return session_.FocusedControl() == agreement; }));
    qtest::PostLeftClick(session_.startButton());
    EXPECT_TRUE(qtest::WaitUntil([&] { return session_.FocusedControl() == session_.folderBox(); }));
    ASSERT_TRUE(qtest::IsResponsive(session_.window()));
    EXPECT_TRUE(qtest::IsEnabled(session_.startButton()));
    EXPECT_TRUE(qtest::IsShown(session_.Button(qtest::kAgreementBox)));
    EXPECT_EQ(TextOf(session_.statusLabel()), "准备安装...");
    EXPECT_EQ(session_.BarPosition(), 0);
  }
  EXPECT_TRUE(qtest::TopLevelWindows(session_.process().id(), "#32770").empty()) << "no message box";
  EXPECT_EQ(UninstallValue("softURL"), "<absent>");
}

}  // namespace
