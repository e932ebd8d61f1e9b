// A skinned 570 x 450 frame whose composed picture (backgroundDc) holds a
// pattern that tells every pixel's position, plus an empty compositionDc:
// the stage on which control backgrounds are composed and control images
// put back.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "runtime/gdi_object.h"
#include "skin/core/dc_cache.h"
#include "skin/core/engine_globals.h"
#include "tests/support/skin_test_windows.h"

namespace quillora_test {

// The pixels of the 32-bit DIB selected into a memory DC; row 0 is the
// top row whatever the DIB's orientation.
class DibPixels {
 public:
  explicit DibPixels(HDC dc) {
    DIBSECTION dib{};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib);
    bits_ = static_cast<std::uint32_t*>(dib.dsBm.bmBits);
    width_ = dib.dsBm.bmWidth;
    height_ = dib.dsBm.bmHeight;
    bottomUp_ = dib.dsBmih.biHeight > 0;
  }
  std::uint32_t& at(int x, int y) { return bits_[(bottomUp_ ? height_ - 1 - y : y) * width_ + x]; }

 private:
  std::uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
  bool bottomUp_ = true;
};

inline std::uint32_t& DibPixel(HDC dc, int x, int y) { return DibPixels(dc).at(x, y); }

// What a window's client area shows on its own surface, row by row.
inline std::vector<std::uint32_t> ClientSurface(HWND hwnd) {
  RECT client{};
  GetClientRect(hwnd, &client);
  const skin::CachedDc copy = skin::CreateDibDc(client);
  {
    const rt::WindowDc dc(hwnd);
    BitBlt(copy.get(), 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
  }
  DibPixels pixels(copy.get());
  std::vector<std::uint32_t> shown;
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) shown.push_back(pixels.at(x, y) & 0xFFFFFF);
  return shown;
}

// The colour part (0x00RRGGBB) of a DIB pixel.
inline std::uint32_t Rgb(HDC dc, int x, int y) { return DibPixel(dc, x, y) & 0xFFFFFF; }

// The frame picture's colour at (x, y): unique for every pixel of the frame.
constexpr std::uint32_t FrameRgb(int x, int y) {
  return (static_cast<std::uint32_t>(x & 0xFF) << 16) | (static_cast<std::uint32_t>(y & 0xFF) << 8) |
         static_cast<std::uint32_t>(((x >> 8) << 4) | (y >> 8));
}

inline void Fill(HDC dc, int width, int height, std::uint32_t value) {
  DibPixels pixels(dc);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.at(x, y) = value;
}

class ComposedFrameTest : public ::testing::Test {
 protected:
  static constexpr int kWidth = 570;
  static constexpr int kHeight = 450;

  void SetUp() override {
    // Under Wine and Xvfb, taking a shown window down costs seconds: the
    // frame is shown only for tests that need visible children.
    frame = MakePopup(100, 100, kWidth, kHeight, nullptr, WS_POPUP | (FrameShown() ? WS_VISIBLE : 0));
    ASSERT_TRUE(frame.get());
    windowIndex = AddSkinWindow(frame);
    skin::SkinWindowRecord& record = skin::SkinWindowTable.At(windowIndex);
    record.width = kWidth;
    record.height = kHeight;
    record.backgroundDc = skin::CreateDibDc({0, 0, kWidth, kHeight});
    record.compositionDc = skin::CreateDibDc({0, 0, kWidth, kHeight});
    DibPixels frameBits(record.backgroundDc.get());
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) frameBits.at(x, y) = FrameRgb(x, y);
    cacheBefore = skin::DcCache.size();
  }

  void TearDown() override {
    skin::SkinWindowRecord& record = skin::SkinWindowTable.At(windowIndex);
    record.backgroundDc.reset();
    record.compositionDc.reset();
  }

  virtual bool FrameShown() const { return false; }

  skin::SkinWindowRecord& Record() { return skin::SkinWindowTable.At(windowIndex); }

  // Registers a container of the frame with a tint.
  skin::ContainerRecord& AddContainer(HWND hwnd, COLORREF tint, int alpha,
                                      skin::ContainerKind kind = skin::ContainerKind::Plain,
                                      int paintMode = 0) {
    const int index = ListControl(Record().containers, hwnd, windowIndex);
    skin::ContainerRecord& container = Record().containers.At(index);
    container.tintColour = tint;
    container.alpha = alpha;
    container.kind = kind;
    container.paintMode = paintMode;
    return container;
  }

  SkinTableGuard guard;
  TestWindow frame;
  int windowIndex = 0;
  std::size_t cacheBefore = 0;
};

}  // namespace quillora_test
