// Skinned buttons under the real mouse pointer: lit while it stands over
// them, unlit once it has gone (the leave notice must have been asked
// for), and lit again after a click. The frame hands WM_DRAWITEM of its
// listed buttons to the push painter, as the owner-draw router will.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

#include "runtime/gdi_object.h"
#include "skin/buttons/push_button_painter.h"
#include "skin/core/skin_lookups.h"
#include "tests/skin/buttons/button_fixture.h"

namespace {

using quillora_test::Rgb3;

WNDPROC g_frameProc = nullptr;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const int index = skin::FindSkinWindow(window);
    if (index != 0 && skin::FindButtonRecord(index, item->hwndItem) != 0) {
      skin::PaintPushButton(item->hwndItem, item->hDC, static_cast<int>(item->itemState), &item->rcItem);
      return TRUE;
    }
  }
  return CallWindowProcA(g_frameProc, window, message, wParam, lParam);
}

// Pumps messages until `done` holds, for at most `milliseconds`.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 3000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > milliseconds) return false;
    quillora_test::Pump(10);
  }
  return true;
}

// Moves the real pointer to a point of `control`'s client area.
void PointAt(HWND control, int x, int y) {
  POINT at{x, y};
  ClientToScreen(control, &at);
  SetCursorPos(at.x, at.y);
}

// Far from the frame at (100, 100, 670, 550).
void PointAway() { SetCursorPos(1200, 1000); }

class ButtonPointerTest : public quillora_test::ShownButtonTest {
 protected:
  void SetUp() override {
    PointAway();
    ShownButtonTest::SetUp();
    g_frameProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc)));
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    quillora_test::Pump(100);
  }
  void TearDown() override {
    PointAway();
    SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_frameProc));
    ShownButtonTest::TearDown();
  }

  // A grid of the control's pixels: as it shows on screen, or in the
  // composition image, where each paint leaves its finished look.
  std::vector<Rgb3> Look(HWND control, bool composed = false) {
    RECT client{};
    GetClientRect(control, &client);
    std::vector<Rgb3> look;
    const rt::WindowDc dc(control);
    for (int y = 1; y < client.bottom - 1; y += 3) {
      for (int x = 1; x < client.right - 1; x += 3) {
        if (composed) {
          look.push_back(Composed(control, x, y));
        } else {
          const COLORREF c = GetPixel(dc.get(), x, y);
          look.push_back({GetRValue(c), GetGValue(c), GetBValue(c)});
        }
      }
    }
    return look;
  }
  // Showing a finished look (any hover fade over) other than `other`.
  bool SettledOtherThan(HWND control, const std::vector<Rgb3>& other) {
    const std::vector<Rgb3> shown = Look(control);
    return shown == Look(control, true) && shown != other;
  }

  struct Control {
    const char* name;
    HWND window;
  };
  std::vector<Control> Controls() { return {{"push button", push.get()}, {"check box", check.get()}}; }
};

TEST_F(ButtonPointerTest, ButtonsLightUnderThePointerAndGoOutWhenItLeaves) {
  for (const Control& c : Controls()) {
    SCOPED_TRACE(c.name);
    const std::vector<Rgb3> plain = Look(c.window);
    ASSERT_EQ(plain, Look(c.window, true)) << "the skinned look to begin with";
    PointAt(c.window, 20, 8);
    ASSERT_TRUE(PumpUntil([&] { return SettledOtherThan(c.window, plain); })) << "lit under the pointer";
    PointAway();
    EXPECT_TRUE(PumpUntil([&] { return Look(c.window) == plain; })) << "unlit once the pointer left";
    EXPECT_EQ(Record().lastHot, 0);
  }
}

TEST_F(ButtonPointerTest, AButtonLightsUpAgainAfterAClick) {
  for (const Control& c : Controls()) {
    SCOPED_TRACE(c.name);
    PointAt(c.window, 20, 8);
    ASSERT_TRUE(PumpUntil([&] { return Record().hot == skin::FindButtonRecord(windowIndex, c.window); }));
    SendMessageA(c.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 8));
    SendMessageA(c.window, WM_LBUTTONUP, 0, MAKELPARAM(20, 8));
    const std::vector<Rgb3> clicked = Look(c.window);
    ASSERT_EQ(clicked, Look(c.window, true)) << "the click repainted the button unlit";
    PointAt(c.window, 24, 9);
    EXPECT_TRUE(PumpUntil([&] { return SettledOtherThan(c.window, clicked); })) << "lit again on the next move";
    PointAway();
    PumpUntil([&] { return Record().lastHot == 0; });
  }
}

}  // namespace
