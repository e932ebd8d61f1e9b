// A shown skinned window with a toolbar and a trackbar: after an update
// its pixels show the checked button's fill, the trackbar's accent fill
// and its thumb.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "skin/containers/control_skin.h"
#include "skin/containers/trackbar_skin.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::Fill;
using quillora_test::MakeChild;
using quillora_test::TestWindow;

constexpr COLORREF kSkin = 0x404040;

class ToolbarTrackbarWindowTest : public quillora_test::ComposedFrameTest {
 protected:
  bool FrameShown() const override { return true; }
};

COLORREF ShownPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}

// Waits, bounded, until the window shows something other than `before`.
COLORREF WaitForChange(HWND window, int x, int y, COLORREF before) {
  COLORREF pixel = ShownPixel(window, x, y);
  for (int i = 0; i < 50 && pixel == before; ++i) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(20);
    pixel = ShownPixel(window, x, y);
  }
  return pixel;
}

TEST_F(ToolbarTrackbarWindowTest, CheckedButtonAccentFillAndThumbAreOnScreen) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  Fill(Record().backgroundDc.get(), kWidth, kHeight, kSkin);
  const COLORREF savedAccent = skin::AccentColour;
  skin::AccentColour = 0x0000FF;  // red
  skin::SkinChildControls = 1;

  HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
  {
    HDC screen = GetDC(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen, 32, 16);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, strip);
    RECT left{0, 0, 16, 16}, right{16, 0, 32, 16};
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    HBRUSH green = CreateSolidBrush(RGB(0, 160, 0));
    FillRect(dc, &left, blue);
    FillRect(dc, &right, green);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    ImageList_AddMasked(images, strip, RGB(255, 0, 255));
    DeleteObject(strip);
    DeleteObject(blue);
    DeleteObject(green);
  }
  TestWindow toolbar = MakeChild(frame, 10, 10, 200, 30, TOOLBARCLASSNAMEA,
                                 WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER);
  SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  TBBUTTON buttons[2] = {};
  buttons[0] = {0, 1, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, {}, 0, -1};
  buttons[1] = {1, 2, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, -1};
  SendMessageA(toolbar, TB_ADDBUTTONSA, 2, reinterpret_cast<LPARAM>(buttons));

  TestWindow trackbar = MakeChild(frame, 20, 100, 200, 30, TRACKBAR_CLASSA,
                                  WS_CHILD | WS_VISIBLE | TBS_ENABLESELRANGE);
  SendMessageA(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
  SendMessageA(trackbar, TBM_SETSEL, TRUE, MAKELPARAM(20, 80));
  SendMessageA(trackbar, TBM_SETPOS, TRUE, 60);

  skin::SkinToolbars(windowIndex, frame);
  skin::SkinTrackbars(windowIndex, frame);
  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

  // The checked button: its fill below the icon, over the skin.
  RECT checked{};
  SendMessageA(toolbar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&checked));
  const int fx = (checked.left + checked.right) / 2, fy = checked.bottom - 3;
  const COLORREF fill = WaitForChange(toolbar, fx, fy, kSkin);
  EXPECT_NE(fill, kSkin) << std::hex << fill;
  EXPECT_GT(GetRValue(fill) + GetGValue(fill) + GetBValue(fill), 3 * 0x40) << "a light fill";
  RECT plain{};
  SendMessageA(toolbar, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&plain));
  EXPECT_EQ(ShownPixel(toolbar, (plain.left + plain.right) / 2, plain.bottom - 3), kSkin);
  EXPECT_EQ(ShownPixel(toolbar, fx, checked.top + 8), RGB(0, 0, 255)) << "the icon";

  // The trackbar: its accent fill before the thumb and the thumb's white centre.
  RECT channel{}, thumb{};
  SendMessageA(trackbar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  SendMessageA(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const skin::TrackbarState state{200, 30, channel, thumb, 60, 0, 100, 20, 80};
  const skin::TrackbarGeometry g =
      skin::ComputeTrackbarGeometry(state, skin::SkinWindowTable.At(windowIndex).trackbars.At(1));
  ASSERT_TRUE(g.fill.drawn);
  HDC window = GetWindowDC(trackbar);
  const COLORREF accent = GetPixel(window, g.fill.along + 3, g.fill.across);
  const int c = g.thumbDiameter / 2;
  const COLORREF centre = GetPixel(window, g.thumbAlong + c, g.thumbAcross + c);
  ReleaseDC(trackbar, window);
  EXPECT_GT(GetRValue(accent), GetBValue(accent) + 100) << std::hex << accent;
  EXPECT_GT(GetRValue(centre), 0xE0) << std::hex << centre;
  EXPECT_GT(GetGValue(centre), 0xE0);
  EXPECT_GT(GetBValue(centre), 0xE0);

  skin::AccentColour = savedAccent;
  toolbar = TestWindow();
  ImageList_Destroy(images);
}

}  // namespace
