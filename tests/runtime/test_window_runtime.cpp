// Windows built from templates: events reaching their handlers, the
// close rules, properties, fonts and colours, menus and the start rules.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "runtime/fatal_error.h"
#include "runtime/rich_edit.h"
#include "runtime/window_runtime.h"

namespace {

using rt::ControlKind;
using rt::NumberProperty;
using rt::TextProperty;

constexpr char kMain[] = "测试主窗口";

// Every handler appends its name here.
std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

rt::ActionHandler Note(std::string name) {
  return [name] { Log().push_back(name); };
}

rt::ControlTemplate Control(const char* name, ControlKind kind, rt::Place place, const char* caption = "",
                            const char* parent = "") {
  rt::ControlTemplate control;
  control.name = name;
  control.kind = kind;
  control.place = place;
  control.caption = caption;
  control.parent = parent;
  return control;
}

class WindowRuntimeTest : public testing::Test {
 protected:
  void SetUp() override {
    Log().clear();
    definition_.name = kMain;
    definition_.caption = "测试";
    definition_.place = {0, 0, 400, 300};
    definition_.frame = rt::WindowFrame::None;
    definition_.minimizeBox = true;
    definition_.visible = false;  // shown only where a test needs it: hiding a shown window is slow under Xvfb
    definition_.background = RGB(0, 0x60, 0xC0);
    definition_.events.created = [] {
      // Before the first show, with every control in place.
      Log().push_back(IsWindowVisible(rt::WindowHandleOf(kMain)) ? "created-visible" : "created");
      if (!rt::WindowHandleOf(kMain, "组内选择框")) Log().push_back("control-missing");
    };
    definition_.events.queryClose = [this]() -> std::optional<bool> {
      Log().push_back("query-close");
      return closeAnswer_;
    };
    definition_.events.destroying = Note("destroying");
    definition_.events.moved = Note("moved");

    auto button = Control("按钮", ControlKind::Button, {10, 10, 80, 24}, "开始");
    button.events.main = Note("button");
    definition_.controls.push_back(button);
    auto inner = Control("组内选择框", ControlKind::CheckBox, {8, 20, 120, 20}, "选项", "分组框");
    inner.events.main = Note("check");
    definition_.controls.push_back(inner);  // listed before its group box
    auto label = Control("协议标签", ControlKind::Label, {10, 250, 69, 24}, "安装协议");
    label.textColour = RGB(0, 0, 0xFF);
    label.transparent = true;
    label.font = rt::FontTemplate{"", 13, false, false, true};
    label.events.mouseDown = Note("label-down");
    definition_.controls.push_back(label);
    definition_.controls.push_back(Control("分组框", ControlKind::GroupBox, {150, 10, 200, 100}, "选项组"));
    definition_.controls.push_back(Control("目录框", ControlKind::Edit, {10, 120, 200, 24}));
    auto rich = Control("超级编辑框", ControlKind::RichEdit, {10, 150, 200, 60});
    rich.style = ES_MULTILINE | ES_READONLY | WS_VSCROLL;
    definition_.controls.push_back(rich);
    definition_.controls.push_back(Control("进度条", ControlKind::ProgressBar, {10, 220, 200, 16}));
    auto disabled = Control("完成按钮", ControlKind::Button, {100, 10, 80, 24}, "完成");
    disabled.enabled = false;
    definition_.controls.push_back(disabled);
    definition_.controls.push_back(Control("菜单控件", ControlKind::MenuStyler, {}));

    rt::MenuTemplate options;
    options.name = "选项...";
    options.caption = "选项...";
    options.visible = false;
    options.items.push_back({"简介", "软件简介", true, Note("intro")});
    options.items.push_back({"分隔", "-", true, {}});
    options.items.push_back({"关于", "关于...", true, Note("about")});
    definition_.menu.push_back(options);
  }

  void TearDown() override {
    if (HWND window = rt::WindowHandleOf(kMain)) DestroyWindow(window);
    rt::ProcessPendingMessages();
  }

  HWND Load() {
    HWND window = rt::LoadWindow(definition_);
    rt::ProcessPendingMessages();
    return window;
  }

  rt::WindowTemplate definition_;
  std::optional<bool> closeAnswer_;
};

TEST_F(WindowRuntimeTest, CreatedComesBeforeTheFirstShowAndAMovedEventFollows) {
  definition_.visible = true;
  HWND window = Load();
  ASSERT_NE(window, nullptr);
  ASSERT_GE(Log().size(), 2u);
  EXPECT_EQ(Log()[0], "created");
  EXPECT_EQ(Log()[1], "moved");
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(GetMenu(window), nullptr);  // the only top item is hidden
  EXPECT_EQ(rt::WindowHandleOf(kMain, "菜单控件"), nullptr);

  // Loading it again brings the same window forward.
  Log().clear();
  EXPECT_EQ(rt::LoadWindow(definition_), window);
  EXPECT_TRUE(Log().empty());
}

TEST_F(WindowRuntimeTest, ControlEventsReachTheirHandlersInsideGroupBoxesToo) {
  HWND window = Load();
  ASSERT_NE(window, nullptr);
  HWND box = rt::WindowHandleOf(kMain, "分组框");
  HWND check = rt::WindowHandleOf(kMain, "组内选择框");
  EXPECT_EQ(GetParent(check), box);
  Log().clear();

  SendMessageA(rt::WindowHandleOf(kMain, "按钮"), BM_CLICK, 0, 0);
  SendMessageA(check, BM_CLICK, 0, 0);
  HWND label = rt::WindowHandleOf(kMain, "协议标签");
  SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  rt::ProcessPendingMessages();
  EXPECT_EQ(Log(), (std::vector<std::string>{"button", "check", "label-down"}));
  EXPECT_EQ(rt::ReadProperty(kMain, "组内选择框", NumberProperty::Checked), 1);
}

TEST_F(WindowRuntimeTest, QueryCloseCanRefuseAndDestroyingIsRaised) {
  HWND window = Load();
  ASSERT_NE(window, nullptr);
  Log().clear();
  closeAnswer_ = false;
  SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(IsWindow(window));
  closeAnswer_ = std::nullopt;  // no answer allows the close
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Log(), (std::vector<std::string>{"query-close", "query-close", "destroying"}));
  EXPECT_FALSE(rt::IsWindowLoaded(kMain));
  EXPECT_EQ(rt::ReadProperty(kMain, "按钮", TextProperty::Caption), "");
}

TEST_F(WindowRuntimeTest, DestroyWindowNowWaitsForTheLoopAndSkipsQueryClose) {
  HWND window = Load();
  ASSERT_NE(window, nullptr);
  Log().clear();
  closeAnswer_ = false;
  rt::DestroyWindowNow(kMain);
  EXPECT_TRUE(IsWindow(window));
  rt::ProcessPendingMessages();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Log(), (std::vector<std::string>{"destroying"}));
}

TEST_F(WindowRuntimeTest, PropertiesReadBackWhatWasWritten) {
  ASSERT_NE(Load(), nullptr);
  rt::WriteProperty(kMain, "协议标签", TextProperty::Caption, "新的说明");
  EXPECT_EQ(rt::ReadProperty(kMain, "协议标签", TextProperty::Caption), "新的说明");
  EXPECT_EQ(rt::ReadProperty(kMain, "按钮", TextProperty::Caption), "开始");
  rt::WriteProperty(kMain, "目录框", TextProperty::Text, "C:\\程序\\Quillora\\");
  EXPECT_EQ(rt::ReadProperty(kMain, "目录框", TextProperty::Text), "C:\\程序\\Quillora\\");
  rt::WriteProperty(kMain, "超级编辑框", TextProperty::Text, "第一行\r\n第二行");
  EXPECT_EQ(rt::ReadProperty(kMain, "超级编辑框", TextProperty::Text), "第一行\r\n第二行");

  rt::WriteProperty(kMain, "目录框", NumberProperty::SelectionStart, 3);
  EXPECT_EQ(rt::ReadProperty(kMain, "目录框", NumberProperty::SelectionStart), 3);
  SendMessageA(rt::WindowHandleOf(kMain, "目录框"), EM_SETSEL, 0, -1);
  rt::WriteProperty(kMain, "目录框", NumberProperty::SelectionStart, -1);
  DWORD start = 0, end = 0;
  SendMessageA(rt::WindowHandleOf(kMain, "目录框"), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end);  // no selection left

  rt::WriteProperty(kMain, "进度条", NumberProperty::Position, 42);
  EXPECT_EQ(rt::ReadProperty(kMain, "进度条", NumberProperty::Position), 42);
  rt::WriteProperty(kMain, "组内选择框", NumberProperty::Checked, 1);
  EXPECT_EQ(rt::ReadProperty(kMain, "组内选择框", NumberProperty::Checked), 1);

  EXPECT_EQ(rt::ReadProperty(kMain, "完成按钮", NumberProperty::Disabled), 1);
  rt::WriteProperty(kMain, "完成按钮", NumberProperty::Disabled, 0);
  EXPECT_EQ(rt::ReadProperty(kMain, "完成按钮", NumberProperty::Disabled), 0);
  rt::WriteProperty(kMain, "按钮", NumberProperty::Visible, 0);
  EXPECT_EQ(rt::ReadProperty(kMain, "按钮", NumberProperty::Visible), 0);
  EXPECT_EQ(rt::ReadProperty(kMain, "组内选择框", NumberProperty::Visible), 1);
  EXPECT_EQ(rt::ReadProperty(kMain, "组内选择框", NumberProperty::Left), 8);  // inside its group box
  EXPECT_EQ(rt::ReadProperty(kMain, "组内选择框", NumberProperty::Top), 20);

  rt::FocusControl(kMain, "目录框");
  EXPECT_EQ(GetFocus(), rt::WindowHandleOf(kMain, "目录框"));
}

TEST_F(WindowRuntimeTest, WritingTheWindowPlaceMovesItAndRaisesMoved) {
  ASSERT_NE(Load(), nullptr);
  Log().clear();
  rt::WriteProperty(kMain, "", NumberProperty::Top, 33);
  rt::WriteProperty(kMain, "", NumberProperty::Left, 44);
  EXPECT_EQ(rt::ReadProperty(kMain, "", NumberProperty::Left), 44);
  EXPECT_EQ(rt::ReadProperty(kMain, "", NumberProperty::Top), 33);
  EXPECT_EQ(Log(), (std::vector<std::string>{"moved", "moved"}));
}

TEST_F(WindowRuntimeTest, LabelsTakeTheirFontAndColourOthersTheDefaultGuiFont) {
  HWND window = Load();
  ASSERT_NE(window, nullptr);
  HWND label = rt::WindowHandleOf(kMain, "协议标签");
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, -13);
  EXPECT_TRUE(font.lfUnderline);
  LOGFONTA defaultFont{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof defaultFont, &defaultFont);
  EXPECT_STREQ(font.lfFaceName, defaultFont.lfFaceName);
  EXPECT_EQ(SendMessageA(rt::WindowHandleOf(kMain, "按钮"), WM_GETFONT, 0, 0),
            reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));

  HDC dc = CreateCompatibleDC(nullptr);
  const LRESULT brush =
      SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0xFF));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  DeleteDC(dc);
}

TEST_F(WindowRuntimeTest, RichEditDefaultFormatTakesFaceSizeOffsetAndEffects) {
  ASSERT_NE(Load(), nullptr);
  rt::CharFormat format;
  format.face = "宋体";
  format.sizePoints = 9;
  format.offsetPoints = 5;
  format.effects = rt::kEffectBold | rt::kEffectUnderline;
  ASSERT_TRUE(rt::SetRichEditDefaultFormat(kMain, "超级编辑框", format));

  CHARFORMAT2A read{};
  read.cbSize = sizeof read;
  SendMessageA(rt::WindowHandleOf(kMain, "超级编辑框"), EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&read));
  EXPECT_STREQ(read.szFaceName, "宋体");
  EXPECT_EQ(read.yHeight, 180);
  EXPECT_EQ(read.yOffset, 100);
  EXPECT_TRUE(read.dwEffects & CFE_BOLD);
  EXPECT_TRUE(read.dwEffects & CFE_UNDERLINE);
  EXPECT_FALSE(read.dwEffects & CFE_ITALIC);
  EXPECT_TRUE(read.dwEffects & CFE_AUTOCOLOR);
}

TEST_F(WindowRuntimeTest, PopupMenuRunsTheChosenItemsHandler) {
  HWND window = Load();
  ASSERT_NE(window, nullptr);
  Log().clear();
  // The menu's own loop reads these keys: down to the second item, choose it.
  PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0);
  rt::PopupMenuAtCursor(kMain, "选项...");
  EXPECT_EQ(Log(), (std::vector<std::string>{"about"}));
}

TEST_F(WindowRuntimeTest, SnapshotIsABitmapFileOfTheClientSize) {
  definition_.visible = true;
  HWND window = Load();
  ASSERT_NE(window, nullptr);
  const rt::ByteArray bmp = rt::WindowSnapshot(window);
  ASSERT_GT(bmp.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  std::memcpy(&file, bmp.data(), sizeof file);
  std::memcpy(&info, bmp.data() + sizeof file, sizeof info);
  EXPECT_EQ(file.bfType, 0x4D42);
  EXPECT_EQ(file.bfSize, bmp.size());
  EXPECT_EQ(info.biWidth, 400);
  EXPECT_EQ(info.biHeight, 300);
  ASSERT_EQ(info.biBitCount, 24);

  // The picture holds the window's pixels: rows bottom-up, blue-green-red,
  // each row padded to whole DWORDs.
  const auto pixel = [&](int x, int y) {
    const std::size_t row = (static_cast<std::size_t>(info.biWidth) * 3 + 3) / 4 * 4;
    const std::uint8_t* p = bmp.data() + file.bfOffBits + (info.biHeight - 1 - y) * row + x * 3;
    return RGB(p[2], p[1], p[0]);
  };
  EXPECT_EQ(pixel(380, 280), RGB(0, 0x60, 0xC0)) << "the window's background";
  EXPECT_EQ(pixel(390, 5), RGB(0, 0x60, 0xC0)) << "the window's background";
  EXPECT_EQ(pixel(100, 132), GetSysColor(COLOR_WINDOW)) << "inside the folder box";
  EXPECT_TRUE(rt::WindowSnapshot(nullptr).empty());
}

TEST_F(WindowRuntimeTest, AnUnknownControlNameIsAFatalReport) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  ASSERT_NE(Load(), nullptr);
  EXPECT_EXIT(
      {
        rt::SetFatalErrorHandler([](const char* text) {
          std::fprintf(stderr, "fatal: %s\n", text);
          std::fflush(stderr);
          std::_Exit(3);
        });
        rt::ReadProperty(kMain, "没有这个控件", NumberProperty::Visible);
      },
      testing::ExitedWithCode(3), "fatal");
}

// Of two buttons sharing a place, the one listed first is on top, takes the
// clicks and, clipping the other, is the one drawn.
TEST_F(WindowRuntimeTest, TheFirstOfTwoControlsSharingAPlaceIsOnTop) {
  auto start = Control("开始安装按钮", ControlKind::Button, {300, 250, 82, 26}, "开始安装");
  auto finish = Control("同位完成按钮", ControlKind::Button, {300, 250, 82, 26}, "完成");
  finish.enabled = false;
  definition_.controls.push_back(start);
  definition_.controls.push_back(finish);
  HWND window = Load();
  ASSERT_NE(window, nullptr);
  HWND top = ChildWindowFromPointEx(window, POINT{320, 260}, CWP_SKIPINVISIBLE);
  EXPECT_EQ(top, rt::WindowHandleOf(kMain, "开始安装按钮"));
  EXPECT_TRUE(GetWindowLongPtrA(top, GWL_STYLE) & WS_CLIPSIBLINGS);
}

TEST_F(WindowRuntimeTest, AModalWindowDisablesItsOwnerUntilItIsGone) {
  HWND owner = Load();
  ASSERT_NE(owner, nullptr);
  rt::WindowTemplate dialog;
  dialog.name = "模态窗口";
  dialog.place = {0, 0, 200, 100};
  dialog.visible = false;
  dialog.events.created = [] { rt::DestroyWindowNow("模态窗口"); };
  dialog.events.destroying = [owner] { Log().push_back(IsWindowEnabled(owner) ? "owner-enabled" : "owner-disabled"); };
  Log().clear();
  EXPECT_EQ(rt::LoadWindow(dialog, kMain, true), nullptr);  // returns once it is gone
  EXPECT_EQ(Log(), (std::vector<std::string>{"owner-disabled"}));
  EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST(RunApplicationTest, RunsUntilTheStartWindowIsDestroyedFromTheProgramFolder) {
  SetCurrentDirectoryA("C:\\");
  rt::WindowTemplate start;
  start.name = "开始窗口";
  start.place = {0, 0, 200, 100};
  start.visible = false;
  start.events.created = [] { rt::DestroyWindowNow("开始窗口"); };
  EXPECT_EQ(rt::RunApplication(start), 0);
  EXPECT_FALSE(rt::IsWindowLoaded("开始窗口"));

  char program[MAX_PATH] = {}, current[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  *std::strrchr(program, '\\') = '\0';
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_STRCASEEQ(current, program);
}

}  // namespace
