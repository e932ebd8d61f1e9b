// The edit and combo skins in a real, shown window in TransparencyMode:
// what the window presents after the system's own paint cycle, and the
// painted bars of an edit and a rich edit following every kind of scroll.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "skin/core/control_brush.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "skin/engine/control_skin_calls.h"
#include "skin/lists/edit_installers.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/skin/lists/overlay_surface.h"
#include "tests/skin/lists/pixel_checks.h"
#include "tests/support/gdip_test_env.h"
#include "tests/support/window_pixels.h"

namespace {

using quillora_test::Blend;
using quillora_test::FrameRgb;
using quillora_test::MakeChild;
using quillora_test::NearRgb;
using quillora_test::ShowsAFreshPaint;
using quillora_test::TestWindow;
using quillora_test::ThumbMoved;
using quillora_test::VBarInfo;

constexpr std::uint32_t kWhiteRgb = 0xFFFFFF;

WNDPROC framePrevious = nullptr;

// The host's side of the skin: the brush reply for its edits.
LRESULT CALLBACK HostProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLOREDIT && skin::TransparencyMode) {
    const auto dc = reinterpret_cast<HDC>(wParam);
    const auto child = reinterpret_cast<HWND>(lParam);
    SetTextColor(dc, static_cast<COLORREF>(skin::prop::Read(child, skin::prop::kTextColour)));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(skin::RenewControlBrush(child));
  }
  return CallWindowProcA(framePrevious, hwnd, message, wParam, lParam);
}

void Pump(int milliseconds) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
  MSG msg;
  while (GetTickCount() < end) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

class EditWindowTest : public quillora_test::ComposedFrameTest {
 protected:
  bool FrameShown() const override { return true; }
  void SetUp() override {
    ComposedFrameTest::SetUp();
    framePrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostProc)));
    single = MakeChild(frame, 40, 40, 429, 24, "Edit", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
    multi = MakeChild(frame, 40, 100, 200, 200, "Edit",
                      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, WS_EX_CLIENTEDGE);
    combo = MakeChild(frame, 300, 100, 160, 150, "ComboBox", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST);
    std::string text;
    for (int i = 1; i <= 60; ++i) text += "line " + std::to_string(i) + "\r\n";
    SetWindowTextA(multi, text.c_str());
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("choice"));
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    skin::SkinEditControls(windowIndex, frame);
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(300);
  }
  void TearDown() override {
    skin::DeleteControlBrush(single);
    ComposedFrameTest::TearDown();
  }
  POINT Origin(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return {r.left, r.top};
  }
  // What the frame presents at a screen point.
  std::uint32_t ShownRgb(int x, int y) const { return quillora_test::WindowSurfaceRgb(frame, x, y); }
  std::uint32_t Tinted(int x, int y) { return Blend(FrameRgb(x, y), kWhiteRgb, 160); }

  quillora_test::EngineDefaults settings{1};
  TestWindow single, multi, combo;
};

TEST_F(EditWindowTest, TheScreenShowsTheRingTheBarAndTheComboFace) {
  const POINT e = Origin(single);
  EXPECT_TRUE(NearRgb(ShownRgb(e.x, e.y + 12), Blend(Tinted(40, 52), 0, 80), 6)) << "idle ring border";
  EXPECT_TRUE(NearRgb(ShownRgb(e.x + 1, e.y + 12), Tinted(41, 52), 6)) << "tinted ring";

  const skin::EditRecord& record = Record().edits.At(2);
  ASSERT_EQ(record.hwnd, multi.get());
  RECT bar{};
  GetWindowRect(record.vScrollOverlay, &bar);
  const RECT& thumb = record.vScrollParts[2];
  ASSERT_LT(thumb.top, thumb.bottom) << "the bar was painted";
  const POINT f = Origin(frame);
  for (int y : {bar.top + 8, bar.top + (thumb.top + thumb.bottom) / 2, bar.bottom - 30}) {
    const int x = bar.left + (bar.right - bar.left) / 2;
    EXPECT_TRUE(NearRgb(ShownRgb(x, y), quillora_test::Rgb(Record().compositionDc.get(), x - f.x, y - f.y), 2))
        << "painted bar on screen at y " << y - bar.top;
  }

  const POINT c = Origin(combo);
  RECT face{};
  GetWindowRect(combo, &face);
  const int h = face.bottom - face.top;
  EXPECT_TRUE(NearRgb(ShownRgb(c.x, c.y + h / 2), Blend(Tinted(300, 100 + h / 2), 0, 80), 6)) << "combo border";
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  SendMessageA(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info));
  const RECT& b = info.rcButton;
  const int ax = c.x + static_cast<int>(b.left + (b.right - b.left - 14) / 2.0f) + 3;
  const int ay = c.y + static_cast<int>(b.top + (b.bottom - b.top - 14) / 2.0f) + 5;
  EXPECT_TRUE(NearRgb(ShownRgb(ax, ay), 0x98C1D6, 4)) << "the drop button's chevron";
}

TEST_F(EditWindowTest, AfterAScrollThePaintedThumbHasMoved) {
  const skin::EditRecord& record = Record().edits.At(2);
  const RECT before = record.vScrollParts[2];
  SendMessageA(multi, WM_VSCROLL, SB_PAGEDOWN, 0);
  SendMessageA(multi, WM_VSCROLL, SB_PAGEDOWN, 0);
  Pump(100);
  const RECT after = record.vScrollParts[2];
  EXPECT_GT(after.top, before.top);
  RECT bar{};
  GetWindowRect(record.vScrollOverlay, &bar);
  const POINT f = Origin(frame);
  const int x = bar.left + (bar.right - bar.left) / 2;
  const int y = bar.top + (after.top + after.bottom) / 2;
  // The repaint arrives through the message loop; a busy machine may delay it.
  const auto shownAsComposed = [&] {
    return NearRgb(ShownRgb(x, y), quillora_test::Rgb(Record().compositionDc.get(), x - f.x, y - f.y), 2);
  };
  for (int waited = 0; !shownAsComposed() && waited < 3000; waited += 50) Pump(50);
  EXPECT_TRUE(shownAsComposed());
  EXPECT_FALSE(NearRgb(ShownRgb(x, y), ShownRgb(x, bar.top + (before.top + before.bottom) / 2), 2))
      << "thumb and track differ where the thumb was";
}

// Each way of scrolling an edit, from the wheel and the keys to the
// messages a drag of the native thumb and the application send: after
// each, the painted bar shows what a fresh paint of it shows. A rich edit
// reports none of these scrolls unless asked to, so its bar can only
// follow if the edit's procedure looks after the message.
TEST_F(EditWindowTest, ThePaintedBarFollowsEveryScrollOfAnEditAndARichEdit) {
  ASSERT_NE(LoadLibraryA("riched20.dll"), nullptr);
  TestWindow rich = MakeChild(frame, 280, 180, 240, 200, "RichEdit20A",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY);
  ASSERT_NE(rich.get(), nullptr);
  std::string text;
  std::string shorter;
  for (int i = 1; i <= 120; ++i) {
    text += "release note line " + std::to_string(i) + "\r\n";
    if (i <= 50) shorter += "line " + std::to_string(i) + "\r\n";
  }
  SetWindowTextA(rich, text.c_str());
  skin::SkinEditBox(rich);
  const int richIndex = skin::FindEditRecord(windowIndex, rich);
  ASSERT_GE(richIndex, 1);
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(200);

  struct Step {
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  const auto wheel = [](int notches) { return static_cast<WPARAM>(MAKEWPARAM(0, notches * WHEEL_DELTA)); };
  const Step steps[] = {
      {"wheel down", WM_MOUSEWHEEL, wheel(-1), 0},
      {"wheel down again", WM_MOUSEWHEEL, wheel(-1), 0},
      {"wheel down a third time", WM_MOUSEWHEEL, wheel(-1), 0},
      {"page down key", WM_KEYDOWN, VK_NEXT, 1},
      {"page down key again", WM_KEYDOWN, VK_NEXT, 1},
      {"page up key", WM_KEYDOWN, VK_PRIOR, 1},
      {"wheel up", WM_MOUSEWHEEL, wheel(1), 0},
      {"line down", WM_VSCROLL, SB_LINEDOWN, 0},
      {"thumb dragged", WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40), 0},
      {"thumb dropped", WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 40), 0},
      {"scrolled a page", EM_SCROLL, SB_PAGEDOWN, 0},
      {"scrolled by lines", EM_LINESCROLL, 0, 7},
      {"scrolled back by lines", EM_LINESCROLL, 0, -30},
      {"caret scrolled into view", EM_SCROLLCARET, 0, 0},
      {"text replaced by a shorter one", WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shorter.c_str())},
  };
  for (HWND control : {multi.get(), rich.get()}) {
    const HWND overlay = Record().edits.At(control == rich ? richIndex : 2).vScrollOverlay;
    ASSERT_NE(overlay, nullptr);
    SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    int moved = 0;
    for (const Step& s : steps) {
      SCOPED_TRACE(testing::Message() << (control == rich ? "rich edit, " : "edit, ") << s.name);
      if (s.message == EM_SCROLLCARET) SendMessageA(control, EM_SETSEL, 0, 0);
      const SCROLLBARINFO before = VBarInfo(control);
      SendMessageA(control, s.message, s.wParam, s.lParam);
      if (ThumbMoved(before, VBarInfo(control))) ++moved;
      Pump(30);
      EXPECT_TRUE(ShowsAFreshPaint(overlay));
    }
    EXPECT_GE(moved, 10) << "the steps scroll";
  }
}

}  // namespace
