// The message-box call: the pressed button's id minus 1, the hook gone
// once the skinned box is up and after it returns, and the about box.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "app/options_menu.h"
#include "skin/frames/message_box.h"
#include "tests/app/loaded_installer_window.h"

namespace {

struct Answer {
  unsigned flags;
  int pressed;
  int result;
  std::vector<int> shown;  // the buttons the box offers, in id order
};

class ShowSkinnedMessageBoxTest : public ::testing::TestWithParam<Answer> {};

TEST_P(ShowSkinnedMessageBoxTest, GivesThePressedIdMinusOneAndRemovesTheHook) {
  const Answer answer = GetParam();
  HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  int result = -100;
  HHOOK armed = nullptr;
  {
    apptest::MessageBoxAnswerer answerer(answer.pressed, &skin::MessageBoxHook);
    result = skin::ShowSkinnedMessageBox(owner, "请确认 text", answer.flags, "标题 caption");
    const std::optional<qtest::MessageBoxView>& box = answerer.Seen();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, "请确认 text");
    EXPECT_EQ(box->caption, "标题 caption");
    std::vector<int> buttons = box->buttons;
    std::sort(buttons.begin(), buttons.end());
    EXPECT_EQ(buttons, answer.shown);
    armed = answerer.HookWhileShown();
  }
  EXPECT_EQ(result, answer.result);
  EXPECT_EQ(skin::MessageBoxOwner, owner);
  // The box's skinned frame removes the hook as soon as the box is activated.
  EXPECT_EQ(armed, nullptr) << "the hook is gone once the skinned box is up";
  EXPECT_EQ(skin::MessageBoxHook, nullptr);
  DestroyWindow(owner);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ShowSkinnedMessageBoxTest,
                         ::testing::Values(Answer{MB_OK, IDOK, 0, {IDOK}},
                                           Answer{MB_OKCANCEL, IDOK, 0, {IDOK, IDCANCEL}},
                                           Answer{MB_OKCANCEL, IDCANCEL, 1, {IDOK, IDCANCEL}},
                                           Answer{MB_YESNO, IDYES, 5, {IDYES, IDNO}},
                                           Answer{MB_YESNO, IDNO, 6, {IDYES, IDNO}},
                                           Answer{MB_YESNOCANCEL, IDCANCEL, 1, {IDCANCEL, IDYES, IDNO}},
                                           Answer{MB_RETRYCANCEL, IDRETRY, 3, {IDCANCEL, IDRETRY}},
                                           Answer{MB_ABORTRETRYIGNORE, IDRETRY, 3, {IDABORT, IDRETRY, IDIGNORE}}));

TEST(ShowSkinnedMessageBox, GivesMinusOneWhenNoBoxCanBeShown) {
  HWND gone = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(gone);
  EXPECT_EQ(skin::ShowSkinnedMessageBox(gone, "text", MB_OK, "caption"), -1);
  EXPECT_EQ(skin::MessageBoxHook, nullptr);
}

class AboutBoxTest : public apptest::LoadedInstallerWindow {};

TEST_F(AboutBoxTest, ShowsNameVersionAndMakerWithOneOkButton) {
  apptest::MessageBoxAnswerer answerer(IDOK);
  app::AboutMenuSelect();
  const std::optional<qtest::MessageBoxView>& box = answerer.Seen();
  ASSERT_TRUE(box.has_value());
  EXPECT_EQ(box->caption, "关于");
  EXPECT_EQ(box->text, "Quillora 03.41.50\r\n\r\nLumenfall制作");
  EXPECT_EQ(box->buttons, std::vector<int>{IDOK});
  EXPECT_EQ(box->owner, window_);
}

}  // namespace
