// Transparent children: which windows are taken, what their erase lays
// under them, and that no window is ever subclassed twice.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

#include "skin/containers/transparent_children.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "skin/core/window_properties.h"
#include "tests/skin/core/composed_frame.h"
#include "tests/support/gdip_test_env.h"

namespace {

using quillora_test::ComposedFrameTest;
using quillora_test::FrameRgb;
using quillora_test::MakeChild;
using quillora_test::Rgb;
using quillora_test::TestWindow;

LONG_PTR ProcOf(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWLP_WNDPROC); }
INT_PTR Prop(HWND hwnd, const char* name) { return skin::prop::Read(hwnd, name); }

int g_foreignCalls = 0;
WNDPROC g_foreignNext = nullptr;

LRESULT CALLBACK ForeignSkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETTEXTLENGTH) ++g_foreignCalls;
  return CallWindowProcA(g_foreignNext, hwnd, message, wParam, lParam);
}

class TransparentChildrenTest : public ComposedFrameTest {
 protected:
  void SetUp() override {
    ComposedFrameTest::SetUp();
    savedTransparency = skin::TransparencyMode;
    skin::SkinChildControls = 1;
    LoadLibraryA("riched20.dll");
  }
  void TearDown() override {
    skin::TransparencyMode = savedTransparency;
    skin::SkinChildControls = 1;
    ComposedFrameTest::TearDown();
  }
  int savedTransparency = 0;
};

TEST_F(TransparentChildrenTest, OnlyTransparentNonEditChildrenAreTaken) {
  struct Case {
    const char* className;
    DWORD exStyle;
    bool taken;
  };
  const Case cases[] = {
      {"Static", WS_EX_TRANSPARENT, true},
      {"Button", WS_EX_TRANSPARENT, true},
      {"Edit", WS_EX_TRANSPARENT, false},
      {"RichEdit20A", WS_EX_TRANSPARENT, false},
      {"Static", 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.className) + (c.exStyle ? " transparent" : " opaque"));
    TestWindow child = MakeChild(frame, 10, 10, 100, 20, c.className, WS_CHILD | WS_VISIBLE, c.exStyle);
    ASSERT_TRUE(child.get());
    const LONG_PTR native = ProcOf(child);

    skin::SkinChildControls = 0;
    skin::SkinTransparentChildren(windowIndex, frame);
    EXPECT_EQ(ProcOf(child), native) << "nothing while child controls are not skinned";
    skin::SkinChildControls = 1;
    skin::SkinTransparentChildren(windowIndex, frame);

    if (!c.taken) {
      EXPECT_EQ(ProcOf(child), native);
      EXPECT_EQ(Prop(child, skin::prop::kOldProc), 0);
      continue;
    }
    EXPECT_EQ(ProcOf(child), reinterpret_cast<LONG_PTR>(skin::TransparentChildProc));
    EXPECT_EQ(Prop(child, skin::prop::kOldProc), native);
    EXPECT_EQ(Prop(child, skin::prop::kIndex), 0);
    EXPECT_EQ(Prop(child, skin::prop::kHostIndex), windowIndex);
    EXPECT_EQ(Prop(child, skin::prop::kTextColour), 0);
    EXPECT_EQ(Prop(child, skin::prop::kDisabledTextColour), 0x606060);
  }
}

TEST_F(TransparentChildrenTest, NoWindowIsTakenTwiceNorFromAnotherSkin) {
  TestWindow label = MakeChild(frame, 10, 10, 100, 20, "Static", WS_CHILD | WS_VISIBLE, WS_EX_TRANSPARENT);
  SetWindowTextA(label, "许可协议");
  const LONG_PTR native = ProcOf(label);
  skin::SkinTransparentChildren(windowIndex, frame);
  skin::SkinTransparentChildren(windowIndex, frame);
  EXPECT_EQ(Prop(label, skin::prop::kOldProc), native) << "a second run would make the procedure call itself";
  EXPECT_EQ(GetWindowTextLengthA(label), 8) << "messages reach the label's own procedure";

  // A transparent window another skin subclassed keeps that skin's chain.
  TestWindow other = MakeChild(frame, 10, 40, 100, 20, "Button", WS_CHILD | WS_VISIBLE, WS_EX_TRANSPARENT);
  g_foreignNext = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(other, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignSkinProc)));
  skin::prop::Write(other, skin::prop::kOldProc, reinterpret_cast<INT_PTR>(g_foreignNext));
  skin::prop::Write(other, skin::prop::kIndex, 3);
  skin::SkinTransparentChildren(windowIndex, frame);
  EXPECT_EQ(ProcOf(other), reinterpret_cast<LONG_PTR>(&ForeignSkinProc));
  EXPECT_EQ(Prop(other, skin::prop::kIndex), 3) << "the other skin still finds its record";
  g_foreignCalls = 0;
  GetWindowTextLengthA(other);
  EXPECT_EQ(g_foreignCalls, 1);
}

TEST_F(TransparentChildrenTest, EraseLaysTheSkinUnderTheChildInTransparencyMode) {
  TestWindow label = MakeChild(frame, 30, 40, 100, 20, "Static", WS_CHILD | WS_VISIBLE, WS_EX_TRANSPARENT);
  skin::SkinTransparentChildren(windowIndex, frame);
  skin::CachedDc dc = skin::CreateDibDc({0, 0, 100, 20});

  skin::TransparencyMode = 1;
  quillora_test::Fill(dc.get(), 100, 20, 0);
  EXPECT_EQ(SendMessageA(label, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 1);
  EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
  for (auto [x, y] : {std::pair{0, 0}, std::pair{57, 11}, std::pair{99, 19}})
    EXPECT_EQ(Rgb(dc.get(), x, y), FrameRgb(30 + x, 40 + y)) << x << "," << y;

  // The child's own tint lies over the skin.
  skin::prop::Write(label, skin::prop::kTintColour, 0x0000FF);
  skin::prop::Write(label, skin::prop::kTintAlpha, 255);
  SendMessageA(label, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
  EXPECT_EQ(Rgb(dc.get(), 57, 11), 0xFF0000u);

  // Outside TransparencyMode the erase is the label's own.
  skin::TransparencyMode = 0;
  quillora_test::Fill(dc.get(), 100, 20, 0);
  SendMessageA(label, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
  EXPECT_NE(Rgb(dc.get(), 57, 11), FrameRgb(87, 51));
}

}  // namespace
