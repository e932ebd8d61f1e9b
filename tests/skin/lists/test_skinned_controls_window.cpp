// A shown skinned window with an auto radio button, an up-down control and
// a report-view list view: after the window updates, each shows the skin's
// look (the radio circle, the up-down halves, the header's gradient), the
// same as the host's composition image.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "skin/buttons/button_installers.h"
#include "skin/buttons/button_records.h"
#include "skin/lists/list_installers.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/skin/lists/pixel_checks.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::MakeChild;
using quillora_test::TestWindow;

struct Channels {
  int r, g, b;
  friend bool operator==(const Channels&, const Channels&) = default;
};

class SkinnedControlsWindowTest : public quillora_test::ComposedFrameTest {
 protected:
  bool FrameShown() const override { return true; }

  Channels Composed(HWND control, int x, int y) {
    POINT origin{0, 0};
    MapWindowPoints(control, frame, &origin, 1);
    const std::uint32_t v = quillora_test::Rgb(Record().compositionDc.get(), origin.x + x, origin.y + y);
    return {int((v >> 16) & 0xFF), int((v >> 8) & 0xFF), int(v & 0xFF)};
  }
  static Channels Shown(HWND control, int x, int y) {
    HDC dc = GetDC(control);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
  }

  quillora_test::EngineDefaults settings;
};

TEST_F(SkinnedControlsWindowTest, RadioUpDownAndHeaderShowTheSkin) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  TestWindow radio = MakeChild(frame, 40, 40, 141, 16, "Button", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON);
  SetWindowTextA(radio, "Option");
  TestWindow upDown = MakeChild(frame, 10, 70, 20, 40, UPDOWN_CLASSA, WS_CHILD | WS_VISIBLE);
  TestWindow list = MakeChild(frame, 40, 120, 300, 150, WC_LISTVIEWA, WS_CHILD | WS_VISIBLE | LVS_REPORT);
  for (int i = 0; i < 2; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 80;
    char text[] = "Name";
    column.pszText = text;
    SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  const HWND header = FindWindowExA(list, nullptr, WC_HEADERA, nullptr);
  ASSERT_NE(header, nullptr);
  skin::SkinCheckButtons(windowIndex, frame);
  skin::SkinUpDowns(windowIndex, frame);
  skin::SkinHeaders(windowIndex, frame);
  ASSERT_EQ(skin::FindButtonRecord(windowIndex, radio), 1);

  RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  UpdateWindow(frame);
  for (HWND w : {radio.get(), upDown.get(), list.get(), header}) UpdateWindow(w);

  // The radio's white circle.
  const Channels circle = Shown(radio, 4, 8);
  EXPECT_EQ(circle, Composed(radio, 4, 8));
  EXPECT_GT(std::min({circle.r, circle.g, circle.b}), 150);
  // The up-down's halves: the upper one whiter at its top than the lower.
  HDC windowDc = GetWindowDC(upDown);
  const COLORREF upper = GetPixel(windowDc, 2, 2), lower = GetPixel(windowDc, 2, 22);
  ReleaseDC(upDown, windowDc);
  EXPECT_EQ(Channels({GetRValue(upper), GetGValue(upper), GetBValue(upper)}), Composed(upDown, 2, 2));
  EXPECT_GT(GetRValue(upper), GetRValue(lower) + 4);
  EXPECT_NE(upper, GetSysColor(COLOR_BTNFACE));
  // The header's gradient: white at the top, accent toward the bottom.
  RECT headerRect{};
  GetClientRect(header, &headerRect);
  const Channels top = Shown(header, 60, 1), bottom = Shown(header, 60, headerRect.bottom - 2);
  EXPECT_EQ(top, Composed(header, 60, 1));
  EXPECT_EQ(bottom, Composed(header, 60, headerRect.bottom - 2));
  EXPECT_GT(top.r, bottom.r + 20);
  EXPECT_GT(bottom.b - bottom.r, 40);
}

}  // namespace
