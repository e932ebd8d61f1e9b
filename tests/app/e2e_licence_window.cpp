// The licence window of the real installer: opened by a click on the
// licence link over the main window wherever it stands, dragging the main
// window along, opened once however often it is asked for, and closed by
// its back button.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/side_window_texts.h"
#include "tests/support/installer_driver.h"

namespace {

constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillora";

class LicenceWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(qtest::InstallerExePath().empty()) << "QUILLORA_SETUP_EXE is not set";
    installer_ = qtest::StartInstaller();
    ASSERT_TRUE(installer_.started());
    main_ = installer_.WaitForWindow("Quillora安装程序");
    ASSERT_NE(main_, nullptr);
    ASSERT_TRUE(qtest::WaitUntil([&] { return LicenceLink() != nullptr && qtest::IsResponsive(main_); }));
  }

  HWND LicenceLink() const { return qtest::FindDescendant(main_, "Static", "安装协议"); }

  // Clicks the link and waits for the licence window.
  HWND OpenLicence() const {
    qtest::PostLeftClick(LicenceLink());
    HWND licence = nullptr;
    qtest::WaitUntil([&] {
      licence = qtest::FindTopLevelWindow(installer_.id(), {}, "软件简介");
      return licence && qtest::IsShown(licence);
    });
    return licence;
  }

  static POINT TopLeft(HWND window) {
    const RECT rect = qtest::WindowRectOf(window);
    return {rect.left, rect.top};
  }

  qtest::ScopedRegistryAbsence noPreviousInstallation_{HKEY_LOCAL_MACHINE, kUninstallKey, "softURL"};
  qtest::ProcessUnderTest installer_;
  HWND main_ = nullptr;
};

TEST_F(LicenceWindowTest, LinkOpensTheLicenceOverTheMainWindowWhereverItStands) {
  qtest::MoveWindowTo(main_, 60, 40);
  ASSERT_TRUE(qtest::WaitUntil([&] { return TopLeft(main_).x == 60 && TopLeft(main_).y == 40; }));

  HWND licence = OpenLicence();
  ASSERT_NE(licence, nullptr);
  EXPECT_EQ(TopLeft(licence).x, 60);
  EXPECT_EQ(TopLeft(licence).y, 40);
  EXPECT_EQ(TopLeft(main_).x, 60) << "the main window keeps its place";
  EXPECT_EQ(TopLeft(main_).y, 40);
  const RECT rect = qtest::WindowRectOf(licence);
  EXPECT_EQ(rect.right - rect.left, 570);
  EXPECT_EQ(rect.bottom - rect.top, 450);

  HWND text = qtest::FindDescendant(licence, "RichEdit20A");
  ASSERT_NE(text, nullptr);
  const std::string shown = qtest::TextOf(text);
  EXPECT_EQ(shown, app::LicenceText());
  for (const char* line : {"\r\n　　　　存储空间：30MB以上；\r\n", "\r\n　　本协议的最终解释权归著作权人Lumenfall所有。"})
    EXPECT_NE(shown.find(line), std::string::npos) << line;
  EXPECT_TRUE(qtest::IsEnabled(main_)) << "the main window stays usable";
}

TEST_F(LicenceWindowTest, MovingTheLicenceMovesTheMainWindowToTheSamePlace) {
  HWND licence = OpenLicence();
  ASSERT_NE(licence, nullptr);
  qtest::MoveWindowTo(licence, 200, 150);
  EXPECT_TRUE(qtest::WaitUntil([&] { return TopLeft(main_).x == 200 && TopLeft(main_).y == 150; }))
      << "main window at " << TopLeft(main_).x << "," << TopLeft(main_).y;
  EXPECT_EQ(TopLeft(licence).x, 200);
  EXPECT_EQ(TopLeft(licence).y, 150);
}

TEST_F(LicenceWindowTest, SecondClickBringsTheOpenLicenceForwardInsteadOfASecondOne) {
  HWND licence = OpenLicence();
  ASSERT_NE(licence, nullptr);
  SetForegroundWindow(main_);
  EXPECT_EQ(OpenLicence(), licence);
  ASSERT_TRUE(qtest::IsResponsive(main_));
  EXPECT_EQ(qtest::TopLevelWindows(installer_.id(), {}, "软件简介").size(), 1u);
  EXPECT_TRUE(qtest::WaitUntil([&] { return GetForegroundWindow() == licence; }));
}

TEST_F(LicenceWindowTest, BackButtonClosesOnlyTheLicence) {
  HWND licence = OpenLicence();
  ASSERT_NE(licence, nullptr);
  qtest::Click(qtest::FindDescendant(licence, "Button", "返回"));
  EXPECT_TRUE(qtest::WaitUntil([&] { return !IsWindow(licence); }));
  EXPECT_TRUE(qtest::IsResponsive(main_));
  EXPECT_TRUE(installer_.running());
}

}  // namespace
