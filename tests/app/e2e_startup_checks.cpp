// The start-up checks of the real installer: it refuses to run beside the
// product, warns on other Windows versions, and leaves no music file behind
// when it stops there.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/app/installer_copy.h"
#include "tests/support/installer_driver.h"

namespace {

using apptest::FileExists;
using apptest::InstallerCopy;

constexpr char kCaption[] = "Quillora安装程序";
constexpr char kRunningText[] = "请关闭正在运行的Quillora,否则可能导致安装失败!";

std::string MusicFile() { return qtest::TempFolder() + "bgmusic.mp3"; }

class StartupChecksTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(qtest::InstallerExePath().empty()) << "QUILLORA_SETUP_EXE is not set"; }
};

// The product, running under any letter case of its name, stops the
// installer with one box and exit code 0; an installer that itself carries
// the product's name does not count itself.
class RunningProductTest : public StartupChecksTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(RunningProductTest, InstallerRefusesWithOneOkBoxAndEndsWithCodeZero) {
  InstallerCopy product(GetParam());
  ASSERT_TRUE(product.copied());
  qtest::ProcessUnderTest running = qtest::ProcessUnderTest::Start(product.path());
  ASSERT_TRUE(running.started());
  ASSERT_NE(running.WaitForWindow(kCaption), nullptr) << "a copy named " << GetParam() << " refused itself";
  EXPECT_EQ(qtest::FindTopLevelWindow(running.id(), "#32770"), nullptr);

  qtest::ProcessUnderTest installer = qtest::StartInstaller();
  ASSERT_TRUE(installer.started());
  const std::optional<qtest::MessageBoxView> box = qtest::WaitForMessageBox(installer.id());
  ASSERT_TRUE(box.has_value()) << "no refusal box";
  EXPECT_EQ(box->caption, "安装提示");
  EXPECT_EQ(box->text, kRunningText);
  EXPECT_EQ(box->buttons, std::vector<int>{IDOK});

  qtest::PressButton(box->dialog, IDOK);
  const std::optional<DWORD> code = installer.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "the installer went on after the box";
  EXPECT_EQ(*code, 0u);
  EXPECT_EQ(qtest::FindTopLevelWindow(installer.id(), {}, kCaption), nullptr);
}

INSTANTIATE_TEST_SUITE_P(AnyLetterCase, RunningProductTest,
                         ::testing::Values("Quillora.exe", "QUILLORA.EXE", "qUILLORA.exe"));

TEST_F(StartupChecksTest, RefusalLeavesNoMusicFileBehind) {
  InstallerCopy product("Quillora.exe");
  ASSERT_TRUE(product.copied());
  qtest::ProcessUnderTest running = qtest::ProcessUnderTest::Start(product.path());
  ASSERT_NE(running.WaitForWindow(kCaption), nullptr);
  ASSERT_TRUE(FileExists(MusicFile())) << "the running copy wrote the music file";

  qtest::ProcessUnderTest installer = qtest::StartInstaller();
  const std::optional<qtest::MessageBoxView> box = qtest::WaitForMessageBox(installer.id(), "安装提示");
  ASSERT_TRUE(box.has_value());
  qtest::PressButton(box->dialog, IDOK);
  ASSERT_TRUE(installer.WaitForExit().has_value());
  EXPECT_FALSE(FileExists(MusicFile()));
}

// Windows XP is not Windows 7: the installer warns, naming the bits of the
// system as the installer sees them (a process under WOW64 is on 64 bits).
class OtherWindowsTest : public StartupChecksTest {
 protected:
  qtest::ScopedWindowsVersion windowsXp_{"QuilloraSetup.exe", "winxp"};

  std::optional<qtest::MessageBoxView> StartAndWaitForWarning() {
    installer_ = qtest::StartInstaller();
    if (!installer_.started()) return std::nullopt;
    return qtest::WaitForMessageBox(installer_.id(), "安装警告");
  }

  std::string ExpectedWarning() const {
    return std::string("您的电脑是") + (installer_.IsWow64() ? "64" : "32") +
           "位Windows XP操作系统\r\n\r\n建议:请将Quillora安装在Windows 7操作系统中\r\n\r\n确定要继续安装Quillora吗?";
  }

  qtest::ProcessUnderTest installer_;
};

TEST_F(OtherWindowsTest, WarningNamesTheSystemAndCancelEndsWithCodeZeroWithoutMusicFile) {
  const std::optional<qtest::MessageBoxView> box = StartAndWaitForWarning();
  ASSERT_TRUE(box.has_value()) << "no version warning";
  EXPECT_EQ(box->text, ExpectedWarning());
  EXPECT_EQ(box->buttons, (std::vector<int>{IDOK, IDCANCEL}));
  EXPECT_EQ(GetWindowLongPtrA(GetDlgItem(box->dialog, IDCANCEL), GWL_STYLE) & BS_DEFPUSHBUTTON, BS_DEFPUSHBUTTON)
      << "Cancel is the default button";

  qtest::PressButton(box->dialog, IDCANCEL);
  const std::optional<DWORD> code = installer_.WaitForExit();
  ASSERT_TRUE(code.has_value()) << "Cancel did not end the installer";
  EXPECT_EQ(*code, 0u);
  EXPECT_FALSE(FileExists(MusicFile()));
}

TEST_F(OtherWindowsTest, OkGoesOnToTheInstallerWindow) {
  const std::optional<qtest::MessageBoxView> box = StartAndWaitForWarning();
  ASSERT_TRUE(box.has_value()) << "no version warning";
  qtest::PressButton(box->dialog, IDOK);
  HWND window = installer_.WaitForWindow(kCaption);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(installer_.running());
  EXPECT_TRUE(qtest::WaitUntil([&] { return qtest::FindDescendant(window, "Button", "开始安装") != nullptr; }));
}

}  // namespace
