// Owners of paints: what one BeginPaint gave, held until its EndPaint.
#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

#include "runtime/gdi_object.h"

namespace {

// Leaves every erase to the paint.
LRESULT CALLBACK NoEraseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

class PaintScopeTest : public testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &NoEraseProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "PaintScopeTest";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, "PaintScopeTest", "", WS_POPUP | WS_VISIBLE, 0, 0, 120, 80, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    ValidateRect(window_, nullptr);
  }
  void TearDown() override { DestroyWindow(window_); }

  HWND window_ = nullptr;
};

// The erase flag is set when the window's WM_ERASEBKGND left the erasing
// undone, which this window always does.
TEST_F(PaintScopeTest, GivesTheInvalidAreaAndWhetherToEraseIt) {
  struct Case {
    RECT invalid;
    BOOL erase;
  };
  for (const Case c : {Case{{10, 20, 30, 40}, TRUE}, Case{{0, 0, 120, 80}, FALSE}}) {
    SCOPED_TRACE(c.erase);
    InvalidateRect(window_, &c.invalid, c.erase);
    const rt::PaintScope paint(window_);
    EXPECT_NE(paint.get(), nullptr);
    EXPECT_TRUE(EqualRect(&paint.area(), &c.invalid));
    EXPECT_EQ(paint.mustErase(), c.erase != FALSE);
    EXPECT_FALSE(GetUpdateRect(window_, nullptr, FALSE)) << "the paint validated the window";
  }
}

TEST_F(PaintScopeTest, MovingHandsThePaintOnToOneOwner) {
  InvalidateRect(window_, nullptr, FALSE);
  rt::PaintScope first(window_);
  const HDC dc = first.get();
  ASSERT_NE(dc, nullptr);
  rt::PaintScope second(std::move(first));
  EXPECT_EQ(first.get(), nullptr);
  EXPECT_EQ(second.get(), dc);
  rt::PaintScope third;
  third = std::move(second);
  EXPECT_EQ(second.get(), nullptr);
  EXPECT_EQ(third.get(), dc);
  third.reset();
  EXPECT_EQ(third.get(), nullptr);
}

}  // namespace
