// Tooltip windows and their tools.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "skin/core/tooltip.h"
#include "tests/support/skin_test_windows.h"

namespace {

using quillora_test::MakePopup;
using quillora_test::TestWindow;

// Reads tool `id` of the tooltip back, with its text.
struct ToolReadBack {
  bool found = false;
  RECT rect{};
  std::string text;
};

ToolReadBack ReadTool(const skin::Tooltip& tooltip, HWND owner, int id) {
  char text[256] = {};
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = owner;
  info.uId = static_cast<UINT_PTR>(id);
  info.lpszText = text;
  ToolReadBack result;
  result.found =
      SendMessageA(tooltip.GetWindow(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
  result.rect = info.rect;
  SendMessageA(tooltip.GetWindow(), TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  result.text = text;
  return result;
}

class TooltipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    owner = MakePopup(10, 10, 600, 200);
    ASSERT_NE(tooltip.Create(owner), nullptr);
  }
  void TearDown() override { DestroyWindow(tooltip.GetWindow()); }

  TestWindow owner;
  skin::Tooltip tooltip;
};

TEST(TooltipWithoutWindowTest, RequestsBeforeCreateDoNothing) {
  skin::Tooltip tooltip;
  tooltip.AddTool(RECT{0, 0, 10, 10}, "tip", 1);
  tooltip.UpdateText(1, "tip");
  tooltip.DeleteTool(1);
  EXPECT_EQ(tooltip.GetWindow(), nullptr);
  EXPECT_EQ(tooltip.GetToolCount(), 0);
  EXPECT_EQ(tooltip.SetMaxWidth(10), 0);
}

TEST_F(TooltipTest, WindowIsATopmostTooltipThatWrapsAt600Pixels) {
  char className[64] = {};
  GetClassNameA(tooltip.GetWindow(), className, sizeof className);
  EXPECT_EQ(lstrcmpiA(className, "tooltips_class32"), 0) << className;
  EXPECT_TRUE(GetWindowLongPtrA(tooltip.GetWindow(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(GetWindowLongPtrA(tooltip.GetWindow(), GWL_STYLE) & TTS_ALWAYSTIP);
  EXPECT_EQ(SendMessageA(tooltip.GetWindow(), TTM_GETMAXTIPWIDTH, 0, 0), 600);
  EXPECT_EQ(tooltip.GetOwner(), owner.get());
}

TEST_F(TooltipTest, ToolsAreCountedAddedAndDeleted) {
  const int n = 5;
  for (int id = 1; id <= n; ++id) {
    tooltip.AddTool(RECT{id * 10, 0, id * 10 + 10, 10}, "tip " + std::to_string(id), id);
  }
  EXPECT_EQ(tooltip.GetToolCount(), n);
  tooltip.DeleteTool(3);
  EXPECT_EQ(tooltip.GetToolCount(), n - 1);
  EXPECT_FALSE(ReadTool(tooltip, owner, 3).found);
  for (int id = 1; id <= n; ++id) tooltip.DeleteTool(id);
  EXPECT_EQ(tooltip.GetToolCount(), 0);
}

TEST_F(TooltipTest, ToolWithoutRectangleCoversTheClientAreaOfThatMoment) {
  tooltip.AddTool(std::nullopt, "whole", 7);
  SetWindowPos(owner, nullptr, 0, 0, 300, 100, SWP_NOMOVE | SWP_NOZORDER);
  const ToolReadBack tool = ReadTool(tooltip, owner, 7);
  ASSERT_TRUE(tool.found);
  EXPECT_EQ(tool.rect.left, 0);
  EXPECT_EQ(tool.rect.top, 0);
  EXPECT_EQ(tool.rect.right, 600);
  EXPECT_EQ(tool.rect.bottom, 200);
  EXPECT_EQ(tool.text, "whole");
}

TEST_F(TooltipTest, RectangleAndTextCanBeReplaced) {
  tooltip.AddTool(RECT{0, 0, 26, 18}, "最大化", 2);
  tooltip.SetToolRect(2, RECT{100, 2, 126, 20});
  tooltip.UpdateText(2, "还原");
  const ToolReadBack tool = ReadTool(tooltip, owner, 2);
  ASSERT_TRUE(tool.found);
  EXPECT_EQ(tool.rect.left, 100);
  EXPECT_EQ(tool.rect.bottom, 20);
  EXPECT_EQ(tool.text, "还原");
}

TEST_F(TooltipTest, ACopySharesTheWindow) {
  skin::Tooltip copy = tooltip;
  copy.AddTool(RECT{0, 0, 5, 5}, "a", 1);
  EXPECT_EQ(copy.GetWindow(), tooltip.GetWindow());
  EXPECT_EQ(tooltip.GetToolCount(), 1);
}

TEST_F(TooltipTest, ColoursGoToTheWindow) {
  tooltip.SetBackColour(0x00FFEEDD);
  tooltip.SetTextColour(0x00112233);
  EXPECT_EQ(SendMessageA(tooltip.GetWindow(), TTM_GETTIPBKCOLOR, 0, 0), 0x00FFEEDD);
  EXPECT_EQ(SendMessageA(tooltip.GetWindow(), TTM_GETTIPTEXTCOLOR, 0, 0), 0x00112233);
}

}  // namespace
