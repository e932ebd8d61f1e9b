// The installer's windows as the skin shows them, inside the test process:
// the engine's options and theme after the main window's creation, its
// frame record, caption buttons and skinned controls, the composed frame
// over the theme picture, the side windows' default frames, the close
// without animation, and the embedded theme picture itself.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/embedded_payload.h"
#include "app/installer_skinning.h"
#include "app/side_windows.h"
#include "gdip/gdip_bitmap.h"
#include "skin/core/engine_globals.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "skin/frames/caption_actions.h"
#include "tests/app/loaded_installer_window.h"

namespace {

constexpr char kJpegFormat[] = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";

skin::SkinWindowRecord* RecordOf(HWND window) {
  const int index = skin::FindSkinWindow(window);
  return index > 0 ? &skin::SkinWindowTable.At(index) : nullptr;
}

std::string ToolText(const skin::Tooltip& tooltip, int id) {
  char text[80] = {};
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = tooltip.GetOwner();
  info.uId = static_cast<UINT_PTR>(id);
  info.lpszText = text;
  SendMessageA(tooltip.GetWindow(), TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  return text;
}

struct ButtonPlace {
  skin::CaptionButtonKind kind;
  float x, y, width, height;
  const char* tooltip;
};

void ExpectButtons(const skin::SkinWindowRecord& record, const std::vector<ButtonPlace>& want) {
  ASSERT_EQ(record.captionButtons.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i + 1);
    const skin::CaptionButtonRecord& button = record.captionButtons[i];
    EXPECT_EQ(button.kind, want[i].kind);
    EXPECT_EQ(button.rect.x, want[i].x);
    EXPECT_EQ(button.rect.y, want[i].y);
    EXPECT_EQ(button.rect.width, want[i].width);
    EXPECT_EQ(button.rect.height, want[i].height);
    EXPECT_EQ(button.tooltipText, want[i].tooltip);
  }
}

// Pixels of the frame's icon place (where an untitled frame puts its
// icon) in the icon's own cyan: the picture and the title have none.
int IconColouredPixels(HDC frame) {
  int count = 0;
  for (int y = 4; y < 21; ++y)
    for (int x = 9; x < 26; ++x) {
      const COLORREF c = GetPixel(frame, x, y);
      if (GetGValue(c) > GetRValue(c) + 60 && GetBValue(c) > GetRValue(c) + 60) ++count;
    }
  return count;
}

class InstallerSkinningTest : public apptest::LoadedInstallerWindow {
 protected:
  skin::SkinWindowRecord& Record() {
    skin::SkinWindowRecord* record = RecordOf(window_);
    EXPECT_NE(record, nullptr);
    return record ? *record : skin::SkinWindowTable.At(skin::SkinWindowTable.Count());
  }
};

TEST_F(InstallerSkinningTest, OptionsAndThemeAfterTheWindowIsCreated) {
  EXPECT_EQ(skin::ThemeColour, 0xECECECu);
  EXPECT_EQ(skin::AccentColour, 0xC0C0C0u);
  EXPECT_EQ(skin::ThemeMode, 3);
  EXPECT_EQ(skin::ThemeBackground, app::BackgroundImage()) << "the picture's bytes, unchanged";
  EXPECT_EQ(skin::GlobalAlpha, 100);
  EXPECT_EQ(skin::TransparencyMode, 1);
  EXPECT_EQ(skin::SkinChildControls, 1);
  EXPECT_EQ(skin::TrackbarPanel, 1);
}

TEST_F(InstallerSkinningTest, FrameRecordHasTheCallsSettingsAndTitleColours) {
  const skin::SkinWindowRecord& r = Record();
  EXPECT_EQ(skin::prop::Read(window_, skin::prop::kIndex), skin::FindSkinWindow(window_));
  EXPECT_EQ(r.frameSwitch, 1);
  EXPECT_EQ(r.sizable, 0);
  EXPECT_EQ(r.menuButton, 1);
  EXPECT_EQ(r.helpButton, 0);
  EXPECT_EQ(r.showTitle, 1);
  EXPECT_EQ(r.hideIcon, 1);
  EXPECT_EQ(r.dragAnywhere, 1);
  EXPECT_EQ(r.captionHeight, 25);
  EXPECT_EQ(r.captionBand, 0);
  EXPECT_EQ(r.bottomBarHeight, 0);
  EXPECT_TRUE(r.backgroundImage.empty()) << "the theme's picture, not one of its own";
  EXPECT_EQ(r.backgroundMode, 3) << "the theme's mode, set before the frame";
  EXPECT_EQ(r.overlayColour, static_cast<COLORREF>(-1));
  EXPECT_EQ(r.closeButton, 1);
  EXPECT_EQ(r.titleColour, 0xECECECu);
  EXPECT_EQ(r.titleColour2, 0x606060u);
  EXPECT_EQ(r.closeEffect, skin::CloseEffect::None);
}

TEST_F(InstallerSkinningTest, MainMenuMinimizeAndCloseButtonsWithTheirTooltips) {
  const skin::SkinWindowRecord& r = Record();
  ExpectButtons(r, {{skin::CaptionButtonKind::MainMenu, 478, 1, 26, 18, "主菜单"},
                    {skin::CaptionButtonKind::Minimize, 505, 1, 26, 18, "最小化"},
                    {skin::CaptionButtonKind::Close, 532, 1, 40, 18, "关闭"}});
  EXPECT_EQ(r.buttonsX, 476);
  EXPECT_EQ(r.buttonsWidth, 95);
  ASSERT_NE(r.tooltip.GetWindow(), nullptr);
  EXPECT_EQ(r.tooltip.GetToolCount(), 3);
  EXPECT_EQ(ToolText(r.tooltip, 1), "主菜单");
  EXPECT_EQ(ToolText(r.tooltip, 2), "最小化");
  EXPECT_EQ(ToolText(r.tooltip, 3), "关闭");
}

TEST_F(InstallerSkinningTest, GroupBoxesRichEditLabelsAndProgressBarAreSkinned) {
  const skin::SkinWindowRecord& r = Record();
  for (std::string_view box : {app::kOptionsGroup, app::kNotesGroup}) {
    SCOPED_TRACE(std::string(box));
    HWND handle = Control(box);
    const int k = static_cast<int>(skin::prop::Read(handle, skin::prop::kControlIndex));
    ASSERT_GE(k, 1);
    EXPECT_EQ(r.controls.At(k).hwnd, handle);
    EXPECT_EQ(skin::prop::Read(handle, skin::prop::kControlHostIndex), skin::FindSkinWindow(window_));
  }

  HWND notes = Control(app::kReleaseNotesEdit);
  const int edit = static_cast<int>(skin::prop::Read(notes, skin::prop::kIndex));
  ASSERT_GE(edit, 1);
  EXPECT_EQ(r.edits.At(edit).hwnd, notes);
  EXPECT_EQ(skin::prop::Read(notes, skin::prop::kTintColour), 0xECECEC);
  EXPECT_EQ(skin::prop::Read(notes, skin::prop::kTintAlpha), 5);

  struct LabelCase {
    std::string_view name;
    COLORREF colour;
  };
  for (const LabelCase& label : {LabelCase{app::kFolderCaptionLabel, 0}, LabelCase{app::kDiskSpaceLabel, 0},
                                 LabelCase{app::kStatusLabel, 0xFF}}) {
    SCOPED_TRACE(std::string(label.name));
    HWND handle = Control(label.name);
    const int k = static_cast<int>(skin::prop::Read(handle, skin::prop::kIndex));
    ASSERT_GE(k, 1);
    EXPECT_EQ(r.labels.At(k).hwnd, handle);
    EXPECT_EQ(r.labels.At(k).textColour, label.colour);
    EXPECT_EQ(r.labels.At(k).halo, 0);
  }

  HWND bar = Control(app::kProgressBar);
  const int k = static_cast<int>(skin::prop::Read(bar, skin::prop::kIndex));
  ASSERT_GE(k, 1);
  const skin::ProgressRecord& progress = r.progressBars.At(k);
  EXPECT_EQ(progress.hwnd, bar);
  EXPECT_EQ(progress.squareCorners, 0);
  EXPECT_EQ(progress.shineOn, 1);
  EXPECT_EQ(progress.fillColour, 0x0080FFu);
  EXPECT_EQ(progress.frameColour, 0u);
  EXPECT_EQ(progress.shineStyle, skin::ShineStyle::Glow);
  EXPECT_EQ(progress.shineWidth, 90);
}

TEST_F(InstallerSkinningTest, MainMenuButtonOpensTheOptionsMenu) {
  ASSERT_NE(Record().menuRoutine, nullptr);
  SetCursorPos(300, 250);
  apptest::PopupMenuDriver driver({VK_ESCAPE});
  skin::OnCaptionButtonClick(skin::FindSkinWindow(window_), 1);
  EXPECT_EQ(driver.Seen().items, (std::vector<std::string>{"软件简介", "-", "关于..."}));
}

TEST_F(InstallerSkinningTest, ComposedFrameShowsTheStretchedPictureWithoutIcon) {
  UpdateWindow(window_);
  const skin::SkinWindowRecord& r = Record();
  ASSERT_NE(r.backgroundDc.get(), nullptr) << "the first show composes the frame";
  gdip::GdipBitmap picture;
  ASSERT_TRUE(picture.LoadFromStream(app::BackgroundImage()));
  // Points of the picture's smooth areas, away from title, outline, buttons.
  const POINT points[] = {{60, 79},   {150, 133}, {300, 187}, {420, 133}, {60, 295},
                          {250, 322}, {500, 349}, {350, 241}, {150, 376}};
  for (const POINT& p : points) {
    SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
    const gdip::ARGB want = picture.GetPixel(p.x, p.y * 451 / 450);
    const COLORREF got = GetPixel(r.backgroundDc.get(), p.x, p.y);
    EXPECT_LE(std::abs(static_cast<int>(GetRValue(got)) - static_cast<int>((want >> 16) & 0xFF)), 6);
    EXPECT_LE(std::abs(static_cast<int>(GetGValue(got)) - static_cast<int>((want >> 8) & 0xFF)), 6);
    EXPECT_LE(std::abs(static_cast<int>(GetBValue(got)) - static_cast<int>(want & 0xFF)), 6);
  }
  EXPECT_EQ(IconColouredPixels(r.backgroundDc.get()), 0);
}

TEST_F(InstallerSkinningTest, SideWindowHasTheDefaultFrameAndResetsTheOptions) {
  app::OpenSideWindow(app::IntroWindowTemplate());
  HWND side = rt::WindowHandleOf(app::kIntroWindow);
  ASSERT_NE(side, nullptr);
  UpdateWindow(side);
  const skin::SkinWindowRecord* r = RecordOf(side);
  ASSERT_NE(r, nullptr);
  ExpectButtons(*r, {{skin::CaptionButtonKind::Close, 532, 1, 40, 18, "关闭"}});
  EXPECT_EQ(r->buttonsX, 530);
  EXPECT_EQ(r->buttonsWidth, 41);
  EXPECT_EQ(r->tooltip.GetWindow(), nullptr) << "no caption tooltips";
  EXPECT_EQ(r->sizable, 1);
  EXPECT_EQ(r->hideIcon, 0);
  EXPECT_EQ(r->titleColour, 0xFFFFFFu);
  EXPECT_EQ(r->titleColour2, 0x808080u);
  ASSERT_NE(r->backgroundDc.get(), nullptr);
  EXPECT_GE(IconColouredPixels(r->backgroundDc.get()), 20) << "the icon is drawn";

  SendMessageA(rt::WindowHandleOf(app::kIntroWindow, app::kBackButton), BM_CLICK, 0, 0);
  rt::ProcessPendingMessages();
  ASSERT_FALSE(rt::IsWindowLoaded(app::kIntroWindow));
  EXPECT_EQ(skin::TransparencyMode, 0) << "for the whole process";
  EXPECT_EQ(skin::GlobalAlpha, 160);
  EXPECT_NE(RecordOf(window_), nullptr) << "the main window keeps its skin";
}

// What the main window's messages saw of its layered style and its
// record's close effect, from the close click to its end.
struct ClosingSeen {
  HWND window = nullptr;
  bool layered = false;
  std::vector<UINT> beforeDestroyNotNone;  // messages that saw an effect too early
  int effectAtNcDestroy = -1;
  bool destroyed = false;
};
ClosingSeen closing;

void NoteClosing(HWND hwnd, UINT message) {
  if (hwnd != closing.window) return;
  if (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) closing.layered = true;
  const skin::SkinWindowRecord* record = RecordOf(hwnd);
  const int effect = record ? static_cast<int>(record->closeEffect) : -1;
  if (message == WM_NCDESTROY) {
    closing.effectAtNcDestroy = effect;
    closing.destroyed = true;
  } else if (!closing.destroyed && message != WM_DESTROY && effect != 0) {
    closing.beforeDestroyNotNone.push_back(message);
  }
}

LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    NoteClosing(sent->hwnd, sent->message);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK PostedHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    const auto* posted = reinterpret_cast<const MSG*>(lParam);
    NoteClosing(posted->hwnd, posted->message);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(InstallerSkinningTest, CloseButtonClosesWithoutAnimationAndSetsFadeOnlyAtTheEnd) {
  UpdateWindow(window_);
  closing = ClosingSeen{};
  closing.window = window_;
  HHOOK sent = SetWindowsHookExA(WH_CALLWNDPROC, SentHook, nullptr, GetCurrentThreadId());
  HHOOK posted = SetWindowsHookExA(WH_GETMESSAGE, PostedHook, nullptr, GetCurrentThreadId());
  ASSERT_NE(sent, nullptr);
  ASSERT_NE(posted, nullptr);
  skin::OnCaptionButtonClick(skin::FindSkinWindow(window_), 3);
  const bool gone = qtest::WaitUntil([&] {
    rt::ProcessPendingMessages();
    return !IsWindow(window_);
  });
  UnhookWindowsHookEx(sent);
  UnhookWindowsHookEx(posted);
  ASSERT_TRUE(gone) << "the close button closes the window";
  EXPECT_FALSE(closing.layered) << "no close animation";
  EXPECT_TRUE(closing.beforeDestroyNotNone.empty()) << "first at message 0x" << std::hex
                                                    << (closing.beforeDestroyNotNone.empty()
                                                            ? 0u
                                                            : closing.beforeDestroyNotNone.front());
  EXPECT_EQ(closing.effectAtNcDestroy, static_cast<int>(skin::CloseEffect::Fade));
}

TEST(BackgroundImageTest, IsABaselineJpegOf570By451) {
  const rt::ByteArray bytes = app::BackgroundImage();
  ASSERT_GT(bytes.size(), 4u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  // A baseline frame header: FF C0, length, precision 8, height, width.
  const std::uint8_t frame[] = {0xFF, 0xC0, 0x00, 0x11, 8, 451 >> 8, 451 & 0xFF, 570 >> 8, 570 & 0xFF};
  EXPECT_NE(std::search(bytes.begin(), bytes.end(), std::begin(frame), std::end(frame)), bytes.end());

  apptest::StartSkinEngineOnce();  // starts GDI+
  gdip::GdipImage image;
  ASSERT_TRUE(image.LoadFromStream(bytes));
  EXPECT_EQ(image.GetRawFormat(), kJpegFormat);
  EXPECT_EQ(image.GetWidth(), 570u);
  EXPECT_EQ(image.GetHeight(), 451u);
}

}  // namespace
