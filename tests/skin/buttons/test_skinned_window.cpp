// Buttons skinned by the installers in a real shown window: after the
// window updates, both controls show their skinned looks, equal to the
// composition image. The frame hands WM_DRAWITEM of its listed buttons to
// the push painter, as the owner-draw router will.
#include <gtest/gtest.h>

#include "skin/buttons/push_button_painter.h"
#include "skin/core/skin_lookups.h"
#include "tests/skin/buttons/button_fixture.h"

namespace {

using quillora_test::Rgb3;

WNDPROC g_frameProc = nullptr;
int g_drawItems = 0;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const int index = skin::FindSkinWindow(window);
    if (index != 0 && skin::FindButtonRecord(index, item->hwndItem) != 0) {
      ++g_drawItems;
      skin::PaintPushButton(item->hwndItem, item->hDC, static_cast<int>(item->itemState), &item->rcItem);
      return TRUE;
    }
  }
  return CallWindowProcA(g_frameProc, window, message, wParam, lParam);
}

class SkinnedWindowTest : public quillora_test::ShownButtonTest {};

TEST_F(SkinnedWindowTest, ControlsShowTheirSkinnedLooksAfterAnUpdate) {
  g_frameProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc)));
  g_drawItems = 0;
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  UpdateWindow(frame);
  UpdateWindow(push);
  UpdateWindow(check);
  EXPECT_GE(g_drawItems, 1);

  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const Rgb3 native{GetRValue(face), GetGValue(face), GetBValue(face)};
  struct Probe {
    HWND control;
    int x, y;
  };
  const Probe probes[] = {{push, 6, 11}, {push, 1, 11}, {push, 0, 0}, {push, 70, 4},
                          {check, 5, 5}, {check, 2, 8}, {check, 100, 3}};
  for (const Probe& p : probes) {
    SCOPED_TRACE(testing::Message() << (p.control == push.get() ? "push " : "check ") << p.x << "," << p.y);
    const Rgb3 shown = Shown(p.control, p.x, p.y);
    EXPECT_EQ(shown, Composed(p.control, p.x, p.y));
    EXPECT_FALSE(shown == native);
  }
  // The push button's face and the check box's box are the skin's.
  EXPECT_GT(Composed(push, 6, 11).b, Background(push, 6, 11).b + 100);
  SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_frameProc));
}

}  // namespace
