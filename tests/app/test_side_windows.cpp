// The options menu and the side windows inside the test process: the
// popup at the cursor, the introduction opened from it over the main
// window, the rich edits' default character format, and the texts.
#include <gtest/gtest.h>

#include <windows.h>
#include <richedit.h>

#include <string>
#include <thread>
#include <vector>

#include "app/options_menu.h"
#include "app/side_window_texts.h"
#include "app/side_windows.h"
#include "tests/app/loaded_installer_window.h"

namespace {

using apptest::PopupMenuDriver;
using apptest::PopupSeen;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

class OptionsMenuTest : public apptest::LoadedInstallerWindow {};

TEST_F(OptionsMenuTest, PopsUpAtTheCursorWithIntroductionSeparatorAndAbout) {
  SetCursorPos(300, 250);
  PopupMenuDriver driver({VK_ESCAPE});
  app::PopupOptionsMenu();
  const PopupSeen& seen = driver.Seen();
  EXPECT_EQ(seen.items, (std::vector<std::string>{"软件简介", "-", "关于..."}));
  EXPECT_EQ(seen.rect.left, 300);
  EXPECT_EQ(seen.rect.top, 250);
  EXPECT_FALSE(rt::IsWindowLoaded(app::kIntroWindow));
}

TEST_F(OptionsMenuTest, IntroductionOpensOverTheMainWindowWhereverItStands) {
  // A main window moved sideways stays where it is; the side window joins it.
  SetWindowPos(window_, nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetCursorPos(300, 250);
  {
    PopupMenuDriver driver({VK_DOWN, VK_RETURN});
    app::PopupOptionsMenu();
  }
  HWND intro = rt::WindowHandleOf(app::kIntroWindow);
  ASSERT_NE(intro, nullptr) << "choosing the item opens the introduction";
  const RECT main = qtest::WindowRectOf(window_);
  const RECT side = qtest::WindowRectOf(intro);
  EXPECT_EQ(main.left, 40);
  EXPECT_EQ(main.top, 30);
  EXPECT_EQ(side.left, 40);
  EXPECT_EQ(side.top, 30);
  EXPECT_EQ(side.right - side.left, 570);
  EXPECT_EQ(side.bottom - side.top, 450);
  EXPECT_EQ(GetWindow(intro, GW_OWNER), window_);
  EXPECT_EQ(qtest::TextOf(intro), "软件简介");
  const rt::Text shown = rt::ReadProperty(app::kIntroWindow, app::kSideTextEdit, rt::TextProperty::Text);
  EXPECT_EQ(shown, app::IntroText());
  for (const char* line : {"\r\n　　Quillora的特点:\r\n",
                           "\r\n　　5、写作素材：收录景物、人物外貌、心理、动作等分类描写素材，支持检索和收藏，随写随用。\r\n"})
    EXPECT_NE(shown.find(line), rt::Text::npos) << line;
}

TEST_F(OptionsMenuTest, SideWindowDragsTheMainWindowAlong) {
  app::IntroMenuSelect();
  HWND intro = rt::WindowHandleOf(app::kIntroWindow);
  ASSERT_NE(intro, nullptr);
  SetWindowPos(intro, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const RECT main = qtest::WindowRectOf(window_);
  EXPECT_EQ(main.left, 123);
  EXPECT_EQ(main.top, 77);
}

class SideWindowTest : public apptest::LoadedInstallerWindow,
                       public ::testing::WithParamInterface<std::string_view> {
 protected:
  const rt::WindowTemplate& Template() const {
    return GetParam() == app::kIntroWindow ? app::IntroWindowTemplate() : app::LicenceWindowTemplate();
  }
};

TEST_P(SideWindowTest, RichEditDefaultFormatIsSongTiNinePointsRaisedFive) {
  app::OpenSideWindow(Template());
  HWND edit = rt::WindowHandleOf(GetParam(), app::kSideTextEdit);
  ASSERT_NE(edit, nullptr);
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  SendMessageA(edit, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  EXPECT_STREQ(format.szFaceName, "宋体");
  EXPECT_EQ(format.yHeight, 9 * 20);
  EXPECT_EQ(format.yOffset, 5 * 20);
  EXPECT_EQ(format.dwEffects & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED), 0u);
  EXPECT_NE(format.dwEffects & CFE_AUTOCOLOR, 0u);
}

TEST_P(SideWindowTest, ReadOnlyWrappingRichEditWithThinBorderAndBackButton) {
  app::OpenSideWindow(Template());
  HWND window = rt::WindowHandleOf(GetParam());
  HWND edit = rt::WindowHandleOf(GetParam(), app::kSideTextEdit);
  HWND back = rt::WindowHandleOf(GetParam(), app::kBackButton);
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(qtest::StyleOf(window) & (WS_CAPTION | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
  const LONG_PTR style = qtest::StyleOf(edit);
  EXPECT_EQ(style & (ES_READONLY | ES_MULTILINE | WS_VSCROLL), ES_READONLY | ES_MULTILINE | WS_VSCROLL);
  EXPECT_EQ(style & (WS_HSCROLL | ES_AUTOHSCROLL), 0);
  EXPECT_NE(qtest::ExStyleOf(edit) & WS_EX_STATICEDGE, 0);
  EXPECT_EQ(qtest::TextOf(back), "返回");

  SendMessageA(back, BM_CLICK, 0, 0);
  rt::ProcessPendingMessages();
  EXPECT_FALSE(rt::IsWindowLoaded(GetParam()));
  EXPECT_TRUE(IsWindow(window_));
}

INSTANTIATE_TEST_SUITE_P(BothWindows, SideWindowTest, ::testing::Values(app::kIntroWindow, app::kLicenceWindow));

TEST(SideWindowTexts, IntroductionHasItsTitleHeadingAndNineteenLines) {
  const std::vector<std::string> lines = Lines(app::IntroText());
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[0], std::string(37, ' ') + "软件简介");
  EXPECT_EQ(lines[4], "　　Quillora的特点:");
  for (std::size_t i = 2; i < lines.size(); i += 2) EXPECT_EQ(lines[i].rfind("　　", 0), 0u) << i;
  for (std::size_t i = 1; i < lines.size(); i += 2) EXPECT_EQ(lines[i], "") << i;
  EXPECT_EQ(lines[6], "　　1、字数记录：自动统计每天、每章的写作字数，记录您的写作进度，帮助您养成稳定的写作习惯。");
  EXPECT_EQ(lines[16], "　　9、简洁写作窗口：清爽的写作界面，隐藏多余的按钮，正文自动保存，让您心无旁骛地写作。");
  EXPECT_EQ(lines[18],
            "　　10、如果您有任何意见或建议，欢迎通过软件“系统设置”菜单中的“关于”一项与作者联系，我们会不断完善Quillora。");
}

TEST(SideWindowTexts, LicenceHasItsTitleSectionsAndThirtyEightLines) {
  const std::vector<std::string> lines = Lines(app::LicenceText());
  ASSERT_EQ(lines.size(), 38u);
  EXPECT_EQ(lines[0], std::string(37, ' ') + "Quillora安装协议");
  EXPECT_EQ(lines[1], std::string(20, ' '));
  std::size_t next = 0;
  for (const char* heading : {"一、软件产品保护条款", "二、用户使用须知", "三、免责条款："}) {
    const auto found = std::find(lines.begin() + static_cast<std::ptrdiff_t>(next), lines.end(), heading);
    ASSERT_NE(found, lines.end()) << heading;
    next = static_cast<std::size_t>(found - lines.begin());
  }
  EXPECT_EQ(lines[3],
            "　　Quillora软件（以下简称“本软件”）由Lumenfall（以下简称“著作权人”）独立开发，著作权人依法享有本软件的全部著作权。");
  EXPECT_EQ(lines[20], "　　　　操作系统：32位Windows XP或Windows 7；");
  EXPECT_EQ(lines[21], "　　　　存储空间：30MB以上；");
  EXPECT_EQ(lines[22], "　　　　内存：1GB以上。");
  EXPECT_EQ(lines[31], "　　本软件为免费软件，著作权人不对本软件提供任何明示或暗示的担保。");
  EXPECT_EQ(lines[37], "　　本协议的最终解释权归著作权人Lumenfall所有。");
}

}  // namespace
