// The popup-menu skin: its one-shot event hook, the region and subclass
// of a skinned popup, and the frame painted on WM_NCPAINT.
#include <gtest/gtest.h>

#include <windows.h>

#include "runtime/gdi_object.h"
#include "skin/containers/menu_skin.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "tests/support/gdip_test_env.h"
#include "tests/support/skin_test_windows.h"

namespace {

using quillora_test::MakePopup;
using quillora_test::TestWindow;

// Removes a hook a failed test left pending.
struct HookGuard {
  ~HookGuard() {
    if (skin::MenuPopupHook != nullptr) UnhookWinEvent(skin::MenuPopupHook);
    skin::MenuPopupHook = nullptr;
  }
};

void SendEvent(HWND window) {
  skin::MenuPopupEventProc(skin::MenuPopupHook, EVENT_SYSTEM_MENUPOPUPSTART, window, OBJID_CLIENT,
                           CHILDID_SELF, GetCurrentThreadId(), GetTickCount());
}

TEST(MenuPopupHookTest, AtMostOneHookIsPendingAndTheNextEventRemovesIt) {
  HookGuard guard;
  const HWINEVENTHOOK first = skin::HookMenuPopup();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(skin::HookMenuPopup(), first) << "arming again keeps the one pending hook";
  EXPECT_EQ(skin::MenuPopupHook, first);

  // A window of another class: the hook goes, the window stays as it was.
  TestWindow other = MakePopup(0, 0, 100, 80, nullptr, WS_POPUP);
  const LONG_PTR nativeProc = GetWindowLongPtrA(other, GWLP_WNDPROC);
  SendEvent(other);
  EXPECT_EQ(skin::MenuPopupHook, nullptr);
  EXPECT_FALSE(UnhookWinEvent(first)) << "the hook is gone from the system too";
  EXPECT_EQ(GetWindowLongPtrA(other, GWLP_WNDPROC), nativeProc);
  EXPECT_EQ(skin::prop::Read(other, skin::prop::kOldProc), 0);
}

TEST(MenuPopupHookTest, PopupMenuWindowIsSkinnedOnlyWhileAHookIsPending) {
  HookGuard guard;
  TestWindow popup(CreateWindowExA(WS_EX_TOOLWINDOW, "#32768", "", WS_POPUP, 0, 0, 120, 90, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr));
  if (popup.get() == nullptr) GTEST_SKIP() << "this system does not create popup-menu windows directly";

  SendEvent(popup);  // no hook pending: an event left over from an earlier one
  EXPECT_EQ(skin::prop::Read(popup, skin::prop::kOldProc), 0);

  skin::HookMenuPopup();
  SendEvent(popup);
  EXPECT_EQ(skin::MenuPopupHook, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(popup, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::PopupMenuSkinProc));
  EXPECT_NE(skin::prop::Read(popup, skin::prop::kOldProc), 0);
}

TEST(PopupMenuSkinTest, RoundedRegionOneSubclassAndAFrameThatLeavesTheClient) {
  const COLORREF savedTheme = skin::ThemeColour;
  skin::ThemeColour = 0x0000FF;  // red
  TestWindow popup = MakePopup(40, 40, 160, 120, nullptr, WS_POPUP | WS_DLGFRAME | WS_VISIBLE);
  ASSERT_NE(popup.get(), nullptr);
  const LONG_PTR nativeProc = GetWindowLongPtrA(popup, GWLP_WNDPROC);

  skin::SkinPopupMenu(popup);
  skin::SkinPopupMenu(popup);  // shown again: a new region, no second subclass
  EXPECT_EQ(GetWindowLongPtrA(popup, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(skin::PopupMenuSkinProc));
  EXPECT_EQ(skin::prop::Read(popup, skin::prop::kOldProc), nativeProc);

  rt::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(popup, region.get()), ERROR);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0)) << "the corners are cut";
  EXPECT_TRUE(PtInRegion(region.get(), 80, 0));
  EXPECT_TRUE(PtInRegion(region.get(), 80, 60));

  // The client holds a marker; the frame is painted around it.
  RECT client{};
  GetClientRect(popup, &client);
  {
    HDC dc = GetDC(popup);
    HBRUSH marker = CreateSolidBrush(RGB(0, 200, 0));
    FillRect(dc, &client, marker);
    DeleteObject(marker);
    ReleaseDC(popup, dc);
  }
  SendMessageA(popup, WM_NCPAINT, 1, 0);
  HDC window = GetWindowDC(popup);
  const COLORREF frame = GetPixel(window, 80, 1);
  RECT rect{};
  GetWindowRect(popup, &rect);
  POINT inside{client.right / 2, client.bottom / 2};
  MapWindowPoints(popup, nullptr, &inside, 1);
  const COLORREF centre = GetPixel(window, inside.x - rect.left, inside.y - rect.top);
  ReleaseDC(popup, window);
  EXPECT_GT(GetRValue(frame), GetGValue(frame) + 10) << std::hex << frame << ": the theme colour under a white wash";
  EXPECT_GT(GetGValue(frame), 200);
  EXPECT_EQ(centre, RGB(0, 200, 0)) << "the client is not touched";
  skin::ThemeColour = savedTheme;
}

}  // namespace
