// Skinned buttons on the composed frame: a push button and a check box
// taken by the installers, with readers of the composition image (where
// every painter leaves its finished image) and of the controls' screen.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>

#include "skin/buttons/button_installers.h"
#include "skin/buttons/button_records.h"
#include "skin/buttons/hover_fades.h"
#include "skin/core/dc_cache.h"
#include "tests/skin/buttons/button_test_env.h"
#include "tests/skin/core/composed_frame.h"

namespace quillora_test {

struct Rgb3 {
  int r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb3&, const Rgb3&) = default;
};

inline Rgb3 FromDib(std::uint32_t value) {
  return {int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF)};
}

inline bool Near(const Rgb3& a, const Rgb3& b, int tolerance) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

inline bool IsDark(const Rgb3& c, int limit) { return c.r < limit && c.g < limit && c.b < limit; }

// Dispatches the thread's messages for about `milliseconds`.
inline void Pump(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  }
}

class SkinnedButtonTest : public ComposedFrameTest {
 protected:
  static constexpr int kPushX = 40, kPushY = 60, kPushWidth = 75, kPushHeight = 23;
  static constexpr int kCheckX = 40, kCheckY = 120, kCheckWidth = 141, kCheckHeight = 16;

  void SetUp() override {
    ComposedFrameTest::SetUp();
    push = MakeChild(frame, kPushX, kPushY, kPushWidth, kPushHeight, "Button",
                     WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
    SetWindowTextA(push, "OK");
    check = MakeChild(frame, kCheckX, kCheckY, kCheckWidth, kCheckHeight, "Button",
                      WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX);
    SetWindowTextA(check, "Option");
    skin::SkinPushButtons(windowIndex, frame);
    skin::SkinCheckButtons(windowIndex, frame);
    ASSERT_EQ(skin::FindButtonRecord(windowIndex, push), 1);
    ASSERT_EQ(skin::FindButtonRecord(windowIndex, check), 2);
  }

  void TearDown() override {
    skin::StopAllFades();
    ComposedFrameTest::TearDown();
  }

  skin::ButtonRecord& Button(int index) { return Record().buttons.At(index); }

  // A pixel of the composition image, in the control's own coordinates.
  Rgb3 Composed(HWND control, int x, int y) {
    POINT origin{0, 0};
    MapWindowPoints(control, frame, &origin, 1);
    return FromDib(DibPixel(Record().compositionDc.get(), origin.x + x, origin.y + y));
  }

  Rgb3 Background(HWND control, int x, int y) {
    POINT origin{0, 0};
    MapWindowPoints(control, frame, &origin, 1);
    return FromDib(FrameRgb(origin.x + x, origin.y + y));
  }

  // A pixel the control shows on screen.
  static Rgb3 Shown(HWND control, int x, int y) {
    HDC dc = GetDC(control);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return {GetRValue(c), GetGValue(c), GetBValue(c)};
  }

  // Marks the composition image so that a later paint is seen.
  void MarkComposition() {
    Fill(Record().compositionDc.get(), kWidth, kHeight, 0x00123456);
  }
  bool Repainted(HWND control) { return !(Composed(control, 3, 3) == FromDib(0x00123456)); }

  TestWindow push;
  TestWindow check;
};

// The same with the frame shown, for what reaches the screen.
class ShownButtonTest : public SkinnedButtonTest {
 protected:
  bool FrameShown() const override { return true; }
};

}  // namespace quillora_test
