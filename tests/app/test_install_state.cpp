// Installation state: byte sizes as text, the disk-space figure, the
// folder taken from the dialog, the Windows version names, and the state
// derived from the previous installation's folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/install_state.h"
#include "app/installed_files.h"
#include "app/installer_variables.h"
#include "app/startup_checks.h"
#include "runtime/window_runtime.h"
#include "tests/app/loaded_installer_window.h"
#include "tests/support/temp_folder.h"

namespace {

struct SizeCase {
  std::int64_t bytes;
  const char* text;
};

class FormatByteSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FormatByteSizeTest, WritesTheCountInItsUnitWithUpToTwoDecimals) {
  EXPECT_EQ(app::FormatByteSize(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Units, FormatByteSizeTest,
    ::testing::Values(SizeCase{0, "0B"}, SizeCase{-5, "-5B"}, SizeCase{1023, "1023B"}, SizeCase{1024, "1KB"},
                      SizeCase{1536, "1.5KB"}, SizeCase{0xFFFFF, "1024KB"}, SizeCase{0x100000, "1MB"},
                      SizeCase{3832543, "3.65MB"}, SizeCase{0x3FFFFFFF, "1024MB"}, SizeCase{0x40000000, "1GB"},
                      SizeCase{0x60000000, "1.5GB"}, SizeCase{(std::int64_t{1} << 40) - 1, "1024GB"},
                      SizeCase{std::int64_t{1} << 40, "1TB"}, SizeCase{1125899906842999, "1024TB"},
                      SizeCase{1125899906843000, "-1"}));

TEST(DiskSpaceFigure, IsWholeMebibytesTimesTwoPointNineRoundedDown) {
  const struct {
    std::uint64_t bytes;
    int figure;
  } cases[] = {
      {0, 0},
      {0xFFFFF, 0},              // below one MiB
      {3832543, 8},              // the program archive: 3 MiB
      {3832543 + 8445631, 31},   // with the materials: 11 MiB
      {std::uint64_t{20} << 20, 58},   // exact products stay exact
      {std::uint64_t{100} << 20, 290},
      {std::uint64_t{5000} << 30, 14848000},  // beyond a GiB the figure keeps counting MiB
  };
  for (const auto& c : cases) EXPECT_EQ(app::DiskSpaceFigure(c.bytes), c.figure) << c.bytes;
}

TEST(InstallFolderFromChoice, AppendsTheProductFolderBehindOneSeparator) {
  EXPECT_EQ(app::InstallFolderFromChoice("D:\\"), "D:\\Quillora\\");
  EXPECT_EQ(app::InstallFolderFromChoice("D:\\Apps"), "D:\\Apps\\Quillora\\");
  EXPECT_EQ(app::InstallFolderFromChoice("D:\\Apps\\"), "D:\\Apps\\Quillora\\");
}

TEST(OsVersion, CodesAndNamesFollowTheReportedVersion) {
  const struct {
    int major;
    int minor;
    int code;
    const char* name;
  } cases[] = {
      {5, 0, 1, "Windows 2000"}, {5, 1, 2, "Windows XP"}, {5, 2, 3, "Windows Server 2003"},
      {6, 0, 4, "Windows Vista"}, {6, 1, 5, "Windows 7"}, {6, 2, 6, "Windows 8"},
      {6, 3, -1, "未知系统"},     {10, 0, -1, "未知系统"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.major) + "." + std::to_string(c.minor));
    EXPECT_EQ(app::OsVersionCodeOf(c.major, c.minor), c.code);
    EXPECT_EQ(app::OsVersionName(c.code), c.name);
  }
}

TEST(OsVersion, WarningNamesTheBitsAndTheSystem) {
  EXPECT_EQ(app::OsVersionWarning(6, false),
            "您的电脑是64位Windows 8操作系统\r\n\r\n建议:请将Quillora安装在Windows 7操作系统中\r\n\r\n"
            "确定要继续安装Quillora吗?");
  EXPECT_EQ(app::OsVersionWarning(-1, true),
            "您的电脑是32位未知系统操作系统\r\n\r\n建议:请将Quillora安装在Windows 7操作系统中\r\n\r\n"
            "确定要继续安装Quillora吗?");
}

TEST(IsProcessRunning, NeverCountsTheCallingProcess) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string self = std::string(path).substr(std::string(path).find_last_of('\\') + 1);
  EXPECT_FALSE(app::IsProcessRunning(self, true));
  EXPECT_FALSE(app::IsProcessRunning("no-such-program.exe", false));
}

// Another process under the product's name in other letter case: a copy of
// this test program, started suspended so that none of it runs.
TEST(IsProcessRunning, FindsAnotherProcessWhateverTheCaseOfItsName) {
  const testsupport::TempFolder folder("qt-running");
  const std::string helper = folder / "QuilLORA.exe";
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  ASSERT_TRUE(CopyFileA(self, helper.c_str(), FALSE));
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + helper + "\"";
  ASSERT_TRUE(CreateProcessA(helper.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                             nullptr, &startup, &process));

  EXPECT_TRUE(app::IsProcessRunning(app::kProgramName, false));
  EXPECT_TRUE(app::IsProcessRunning("QUILLORA.EXE", false));
  EXPECT_TRUE(app::IsProcessRunning("QuilLORA.exe", true));
  EXPECT_FALSE(app::IsProcessRunning(app::kProgramName, true)) << "an exact match keeps the case";
  EXPECT_FALSE(app::IsProcessRunning("Quillora", false)) << "the whole name, not a part of it";

  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hThread, 10000);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_FALSE(app::IsProcessRunning(app::kProgramName, false));
}

// A folder of a previous installation, with or without its version file
// and executable.
class PreviousFolder {
 public:
  PreviousFolder(bool versionFile, bool executable)
      : path_(qtest::TempFolder() + "quillora-state-test") {
    CreateDirectoryA(path_.c_str(), nullptr);
    if (versionFile) WritePrivateProfileStringA("系统配置", "版本号", "03.41.50", IniPath().c_str());
    if (executable) CloseHandle(CreateFileA(ExePath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  PreviousFolder(const PreviousFolder&) = delete;
  PreviousFolder& operator=(const PreviousFolder&) = delete;
  ~PreviousFolder() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, IniPath().c_str());  // flush the profile cache
    DeleteFileA(IniPath().c_str());
    DeleteFileA(ExePath().c_str());
    RemoveDirectoryA(path_.c_str());
  }
  const std::string& path() const { return path_; }
  std::string IniPath() const { return path_ + "\\系统配置.ini"; }
  std::string ExePath() const { return path_ + "\\Quillora.exe"; }

 private:
  std::string path_;
};

class InstallStateTest : public apptest::LoadedInstallerWindow {
 protected:
  rt::Text Caption(std::string_view control) const {
    return rt::ReadProperty(app::kInstallerWindow, control, rt::TextProperty::Caption);
  }
  rt::Text FolderBox() const { return rt::ReadProperty(app::kInstallerWindow, app::kFolderBox, rt::TextProperty::Text); }
};

TEST_F(InstallStateTest, StartUpLeavesAFreshWindowReadyToClose) {
  EXPECT_EQ(app::CloseAllowed, 1);
  EXPECT_EQ(app::ExtractionAllowed, 1);
  EXPECT_EQ(app::MusicFilePath, qtest::TempFolder() + "bgmusic.mp3");
  EXPECT_NE(GetFileAttributesA(app::MusicFilePath.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(FolderBox(), "");
  EXPECT_EQ(Caption(app::kStartButton), "开始安装");
  EXPECT_EQ(rt::ReadProperty(app::kInstallerWindow, app::kStartButton, rt::NumberProperty::Disabled), 1);
  EXPECT_EQ(app::InstallerWindowQueryClose(), std::optional<bool>(true));
  EXPECT_EQ(GetFileAttributesA(app::MusicFilePath.c_str()), INVALID_FILE_ATTRIBUTES)
      << "an accepted close deletes the music file";
}

TEST_F(InstallStateTest, CloseIsRefusedWhileNotAllowed) {
  app::CloseAllowed = 0;
  EXPECT_EQ(app::InstallerWindowQueryClose(), std::optional<bool>(false));
  EXPECT_NE(GetFileAttributesA(app::MusicFilePath.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(InstallStateTest, StateIsDerivedFromThePreviousFolderPutIntoTheBox) {
  const struct {
    bool versionFile;
    bool executable;
    const char* version;
  } cases[] = {{true, true, "034150"}, {true, false, "034150"}, {false, true, ""}, {false, false, ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("version file ") + (c.versionFile ? "yes" : "no") + ", executable " +
                 (c.executable ? "yes" : "no"));
    PreviousFolder previous(c.versionFile, c.executable);
    app::PreviousInstallDir = previous.path();
    rt::WriteProperty(app::kInstallerWindow, app::kFolderBox, rt::TextProperty::Text, "X:\\typed by hand");
    app::RefreshInstallState();
    EXPECT_EQ(FolderBox(), previous.path());
    EXPECT_EQ(app::ConfigIniPath, previous.IniPath());
    EXPECT_EQ(app::InstalledVersion, c.version);
    EXPECT_EQ(app::InstalledExePath, c.executable ? previous.ExePath() : "");
    EXPECT_EQ(Caption(app::kStartButton), "开始更新");
  }
}

TEST_F(InstallStateTest, AgreementBoxIsEnabledAgainByARefresh) {
  rt::WriteProperty(app::kInstallerWindow, app::kAgreementCheck, rt::NumberProperty::Disabled, 1);
  app::RefreshInstallState();
  EXPECT_EQ(rt::ReadProperty(app::kInstallerWindow, app::kAgreementCheck, rt::NumberProperty::Disabled), 0);
}

}  // namespace
