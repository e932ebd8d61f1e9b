// Frames for the painting tests: the installer's own main window (570 x 450,
// main-menu, minimize and close buttons, no icon) skinned and ready to be
// composed, pictures made of coloured areas, and pixel reads from the
// frame's cache DCs.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <vector>

#include "gdip/gdip_bitmap.h"
#include "gdip/image_encoders.h"
#include "skin/core/engine_globals.h"
#include "skin/frames/main_window_skin.h"
#include "tests/skin/frames/frame_test_windows.h"
#include "tests/support/gdip_test_env.h"

namespace quillora_test {

// A PNG of width x height whose pixel (x, y) is colour(x, y) (ARGB).
inline rt::ByteArray Picture(int width, int height, const std::function<gdip::ARGB(int, int)>& colour) {
  gdip::GdipBitmap bitmap;
  EXPECT_TRUE(bitmap.Create(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, colour(x, y));
  return bitmap.SaveToStream(gdip::kPngFormat);
}

inline COLORREF Pixel(HDC dc, int x, int y) { return GetPixel(dc, x, y) & 0xFFFFFF; }

inline int Red(COLORREF c) { return GetRValue(c); }
inline int Green(COLORREF c) { return GetGValue(c); }
inline int Blue(COLORREF c) { return GetBValue(c); }
inline int Brightness(COLORREF c) { return Red(c) + Green(c) + Blue(c); }

// The pixels of a rectangle of a DC, row by row.
inline std::vector<COLORREF> Pixels(HDC dc, int left, int top, int right, int bottom) {
  std::vector<COLORREF> pixels;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) pixels.push_back(GetPixel(dc, x, y));
  return pixels;
}

// Size of the bitmap selected into a memory DC.
inline SIZE BitmapSize(HDC dc) {
  BITMAP info{};
  GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

// Resets the engine's theme and the window table around each test.
class FramePaintTest : public ::testing::Test {
 protected:
  FramePaintTest() {
    skin::ThemeColour = 0xECECEC;
    skin::ThemeBackground.clear();
    skin::ThemeMode = 3;
    skin::AccentColour = 0xC0C0C0;
  }
  ~FramePaintTest() override {
    skin::SkinWindowTable.Clear();
    skin::ThemeBackground.clear();
    skin::ThemeMode = 0;
  }

  // A popup skinned as the installer skins its main window; window index 1
  // when it is the first.
  TestWindow InstallerFrame(int width = 570, int height = 450, DWORD style = WS_MINIMIZEBOX,
                            skin::MainWindowSettings settings = MenuAndNoIcon()) {
    TestWindow window = MakeFramePopup(width, height, style);
    SetWindowTextA(window, "WWW Setup");
    skin::SkinMainWindow(window, settings);
    skin::SkinWindowRecord& r = skin::SkinWindowTable.At(skin::SkinWindowTable.Count());
    r.titleColour = 0xECECEC;
    r.titleColour2 = 0x606060;
    return window;
  }

  static skin::MainWindowSettings MenuAndNoIcon() {
    skin::MainWindowSettings settings;
    settings.menuButton = 1;
    settings.hideIcon = 1;
    return settings;
  }

  SkinTableGuard guard_;
};

}  // namespace quillora_test
