// The real installer in its skin: a borderless rounded frame linked to the
// engine, its minimize caption button, and the running-product box opening
// skinned and still ending the process with code 0.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>
#include <thread>

#include "tests/app/installer_copy.h"
#include "tests/support/installer_driver.h"

namespace {

constexpr char kCaption[] = "Quillora安装程序";
constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillora";
constexpr char kRunningText[] = "请关闭正在运行的Quillora,否则可能导致安装失败!";
constexpr char kRunningCaption[] = "安装提示";

class InstallerSkinTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(qtest::InstallerExePath().empty()) << "QUILLORA_SETUP_EXE is not set"; }

  qtest::ScopedRegistryAbsence noPreviousInstallation_{HKEY_LOCAL_MACHINE, kUninstallKey, "softURL"};
};

TEST_F(InstallerSkinTest, WindowIsARoundedSkinnedFrameAndItsMinimizeButtonWorks) {
  qtest::ProcessUnderTest installer = qtest::StartInstaller();
  ASSERT_TRUE(installer.started());
  HWND window = installer.WaitForWindow(kCaption);
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(qtest::StyleOf(window) & WS_CAPTION, 0);
  EXPECT_GE(reinterpret_cast<INT_PTR>(GetPropA(window, "Hw_lbID")), 1);
  EXPECT_NE(GetPropA(window, "Hw_hProc"), nullptr);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_TRUE(qtest::WaitUntil([&] { return GetWindowRgn(window, region) != ERROR; })) << "a rounded region";
  EXPECT_FALSE(PtInRegion(region, 0, 0)) << "the corner is cut";
  EXPECT_TRUE(PtInRegion(region, 285, 225));
  DeleteObject(region);

  // The minimize button: (505, 1, 26, 18) in the client area.
  const LPARAM at = MAKELPARAM(518, 10);
  PostMessageA(window, WM_MOUSEMOVE, 0, at);
  PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(window, WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(qtest::WaitUntil([&] { return IsIconic(window) != FALSE; })) << "the window is minimized";
}

TEST_F(InstallerSkinTest, RunningProductBoxOpensSkinnedAndItsOkStillEndsWithCodeZero) {
  // The plain box's width, from a box of this process with the same text.
  LONG plainWidth = 0;
  std::thread measure([&] {
    const std::optional<qtest::MessageBoxView> box =
        qtest::WaitForMessageBox(GetCurrentProcessId(), kRunningCaption);
    if (!box) return;
    const RECT rect = qtest::WindowRectOf(box->dialog);
    plainWidth = rect.right - rect.left;
    qtest::PressButton(box->dialog, IDOK);
  });
  MessageBoxExA(nullptr, kRunningText, kRunningCaption, MB_OK | MB_ICONEXCLAMATION, 0);
  measure.join();
  ASSERT_GT(plainWidth, 0);

  apptest::InstallerCopy product("Quillora.exe");
  ASSERT_TRUE(product.copied());
  qtest::ProcessUnderTest running = qtest::ProcessUnderTest::Start(product.path());
  ASSERT_NE(running.WaitForWindow(kCaption), nullptr);

  qtest::ProcessUnderTest installer = qtest::StartInstaller();
  ASSERT_TRUE(installer.started());
  const std::optional<qtest::MessageBoxView> box = qtest::WaitForMessageBox(installer.id(), kRunningCaption);
  ASSERT_TRUE(box.has_value());
  EXPECT_TRUE(qtest::WaitUntil([&] { return (qtest::ExStyleOf(box->dialog) & WS_EX_LAYERED) != 0; }))
      << "the skinned box is layered";
  const RECT rect = qtest::WindowRectOf(box->dialog);
  EXPECT_EQ(rect.right - rect.left, plainWidth + 10);

  qtest::PressButton(box->dialog, IDOK);
  const std::optional<DWORD> code = installer.WaitForExit();
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 0u);
}

}  // namespace
