// Shutting the engine down while skinned windows are still alive: no
// picture the engine keeps decoded outlives GDI+, and the windows paint
// again after a new start. This program starts and stops GDI+ itself.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_object.h"
#include "gdip/gdiplus_startup.h"
#include "gdip/image_encoders.h"
#include "skin/core/engine_globals.h"
#include "skin/core/nine_grid_image.h"
#include "skin/engine/control_skin_calls.h"
#include "skin/engine/skin_engine.h"
#include "skin/frames/main_window_skin.h"
#include "tests/skin/frames/frame_test_windows.h"
#include "tests/support/window_pixels.h"

namespace {

using quillora_test::MakeChild;
using quillora_test::MakeFramePopup;
using quillora_test::TestWindow;

constexpr int kWidth = 400, kHeight = 300;

// The installer's kind of frame (main-menu, minimize and close buttons)
// with a push-button face, a push button and a check box, a progress bar
// whose shine runs and an edit with its scroll bar.
class EngineShutdownTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin::InitSkinEngine();
    natives = gdip::LiveNativeCount();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    skin::ThemeColour = 0xECECEC;
    frame = MakeFramePopup(kWidth, kHeight, WS_MINIMIZEBOX);
    SetWindowTextA(frame, "Setup");
    bar = MakeChild(frame, 20, 200, 300, 20, PROGRESS_CLASSA);
    edit = MakeChild(frame, 20, 60, 150, 100, "Edit", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE);
    SetWindowTextA(edit, "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12");
    push = MakeChild(frame, 200, 60, 75, 23, "Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
    check = MakeChild(frame, 200, 100, 120, 16, "Button", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    gdip::GdipBitmap picture;
    ASSERT_TRUE(picture.Create(6, 5));
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 6; ++x) picture.SetPixel(x, y, 0xFF336699);
    ASSERT_EQ(face.Load(picture.SaveToStream(gdip::kPngFormat)), 1);
    skin::MainWindowSettings settings;
    settings.menuButton = 1;
    settings.hideIcon = 1;
    settings.faceImage = &face;
    skin::SkinMainWindow(frame, settings);
    SendMessageA(bar, PBM_SETPOS, 50, 0);
    ASSERT_TRUE(skin::SetProgressStyle(bar, 0, 1));
  }
  void TearDown() override {
    face = skin::NineGridImage();
    check = TestWindow();
    push = TestWindow();
    edit = TestWindow();
    bar = TestWindow();
    frame = TestWindow();
    skin::SkinWindowTable.Clear();
    skin::ShutdownSkinEngine();
  }

  // Paints the frame, its caption buttons and every control, and one step
  // of the bar's shine.
  void PaintAll() {
    skin::SkinWindowTable.At(1).recompose = 1;
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageA(bar, WM_TIMER, 1, 0);
    UpdateWindow(bar);
    quillora_test::PumpMessages();
  }

  // What the frame shows over its caption buttons.
  std::vector<std::uint32_t> CaptionButtonPixels() {
    RECT window{};
    GetWindowRect(frame, &window);
    std::vector<std::uint32_t> pixels;
    const skin::SkinWindowRecord& record = skin::SkinWindowTable.At(1);
    for (std::size_t i = 1; i < record.captionButtons.size(); ++i) {
      const skin::RectF& r = record.captionButtons[i].rect;
      for (int y = static_cast<int>(r.y); y < static_cast<int>(r.y + r.height); y += 2)
        for (int x = static_cast<int>(r.x); x < static_cast<int>(r.x + r.width); x += 2)
          pixels.push_back(quillora_test::WindowSurfaceRgb(frame, window.left + x, window.top + y));
    }
    return pixels;
  }

  unsigned long natives = 0;
  skin::NineGridImage face;
  TestWindow frame, bar, edit, push, check;
};

TEST_F(EngineShutdownTest, NoKeptPictureOutlivesGdiplusAndTheWindowsPaintAgainAfterARestart) {
  PaintAll();
  const std::vector<std::uint32_t> before = CaptionButtonPixels();
  ASSERT_GT(before.size(), 100u);
  ASSERT_GT(gdip::LiveNativeCount(), natives) << "the painters keep their pictures decoded";

  skin::ShutdownSkinEngine();
  EXPECT_EQ(gdip::LiveNativeCount(), natives) << "pictures still held when GDI+ went down";
  ASSERT_TRUE(IsWindow(frame)) << "the windows stay";

  // Started again, the window decodes its pictures anew and looks the same.
  skin::InitSkinEngine();
  const RECT caption{0, 0, kWidth, 30};
  {
    const HDC dc = GetDC(frame);
    FillRect(dc, &caption, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(frame, dc);
  }
  ASSERT_NE(CaptionButtonPixels(), before);
  PaintAll();
  EXPECT_EQ(CaptionButtonPixels(), before);
  EXPECT_GT(gdip::LiveNativeCount(), natives);
}

}  // namespace
