// A shown skinned window that routes its WM_DRAWITEM to the owner-draw
// router, with the installer's kinds of controls: a push button, the
// extraction bar styled as the installer styles it, and a red status
// label. After an update the window shows the skinned looks.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <cstdlib>

#include "skin/buttons/button_installers.h"
#include "skin/buttons/hover_fades.h"
#include "skin/containers/label_skin.h"
#include "skin/containers/owner_draw_router.h"
#include "skin/containers/progress_skin.h"
#include "skin/engine/control_skin_calls.h"
#include "skin/core/skin_lookups.h"
#include "skin/core/window_properties.h"
#include "tests/skin/buttons/button_test_env.h"
#include "tests/skin/core/composed_frame.h"

namespace {

using quillora_test::Fill;
using quillora_test::MakeChild;
using quillora_test::TestWindow;

WNDPROC g_frameProc = nullptr;

LRESULT CALLBACK RoutingFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    skin::RouteDrawItem(skin::FindSkinWindow(window), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
  }
  return CallWindowProcA(g_frameProc, window, message, wParam, lParam);
}

COLORREF Shown(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

class SkinnedWindowTest : public quillora_test::ComposedFrameTest {
 protected:
  bool FrameShown() const override { return true; }
};

TEST_F(SkinnedWindowTest, ButtonBarAndLabelShowTheSkinsLook) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  Fill(Record().backgroundDc.get(), kWidth, kHeight, 0x404040);
  TestWindow push = MakeChild(frame, 460, 400, 82, 26, "Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
  SetWindowTextA(push, "安装");
  TestWindow bar = MakeChild(frame, 26, 360, 518, 16, PROGRESS_CLASSA, WS_CHILD | WS_VISIBLE);
  TestWindow label = MakeChild(frame, 26, 330, 300, 20);
  SetWindowTextA(label, "正在安装：Quillora.exe");

  g_frameProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RoutingFrameProc)));
  skin::SkinPushButtons(windowIndex, frame);
  skin::SkinProgressBars(windowIndex, frame);
  ASSERT_TRUE(skin::SetProgressStyle(bar, 0, 1, 0x0080FF, 0, skin::ShineStyle::Glow));
  SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  SendMessageA(bar, PBM_SETPOS, 50, 0);
  ASSERT_EQ(skin::SkinLabel(label, std::nullopt, std::nullopt, 0, 0x0000FF), 1);

  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);

  {
    rt::WindowDc dc(push);
    const COLORREF face = Shown(dc.get(), 6, 13);
    EXPECT_NE(face, GetSysColor(COLOR_BTNFACE)) << "the skinned face, not the native one";
    EXPECT_NE(face, CLR_INVALID);
  }
  {
    rt::WindowDc dc(bar, GetWindowDC(bar));
    const COLORREF fill = Shown(dc.get(), 200, 12);
    const COLORREF trough = Shown(dc.get(), 400, 12);
    EXPECT_GT(GetRValue(fill) - GetBValue(fill), 100) << std::hex << fill;
    EXPECT_LT(std::abs(GetRValue(trough) - GetBValue(trough)), 10) << std::hex << trough;
  }
  {
    rt::WindowDc dc(label);
    int red = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 300; ++x) {
        const COLORREF c = Shown(dc.get(), x, y);
        if (GetRValue(c) > 200 && GetGValue(c) < 80 && GetBValue(c) < 80) ++red;
      }
    EXPECT_GT(red, 20) << "red text";
  }
  KillTimer(bar, static_cast<UINT_PTR>(skin::prop::Read(bar, skin::prop::kIndex)));
  skin::StopAllFades();
  SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_frameProc));
}

}  // namespace
