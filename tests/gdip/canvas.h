// Surfaces the drawing tests paint on and read back: a 32-bit ARGB bitmap,
// and a memory DC holding a 32-bit DIB section, each with a GdipGraphics.
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_solid_brush.h"

namespace gdip_test {

constexpr gdip::ARGB kWhite = 0xFFFFFFFF;
constexpr gdip::ARGB kRed = 0xFFFF0000;
constexpr gdip::ARGB kGreen = 0xFF00FF00;
constexpr gdip::ARGB kBlue = 0xFF0000FF;

inline int Alpha(gdip::ARGB c) { return static_cast<int>(c >> 24); }
inline int RedOf(gdip::ARGB c) { return static_cast<int>((c >> 16) & 0xFF); }
inline int GreenOf(gdip::ARGB c) { return static_cast<int>((c >> 8) & 0xFF); }
inline int BlueOf(gdip::ARGB c) { return static_cast<int>(c & 0xFF); }

// A bitmap with a surface on it, cleared to `background`. The surface is
// declared last so that it goes before the bitmap it draws on.
class BitmapCanvas {
 public:
  BitmapCanvas(int width, int height, gdip::ARGB background = kWhite) {
    bitmap.Create(width, height);
    graphics.CreateFromImage(bitmap);
    graphics.Clear(background);
  }
  bool ok() const { return !bitmap.IsEmpty() && !graphics.IsEmpty(); }
  gdip::ARGB Pixel(int x, int y) {
    graphics.Flush();
    return bitmap.GetPixel(x, y);
  }
  // Fills the whole canvas with one colour through the current clip.
  void FillAll(gdip::ARGB colour) {
    gdip::GdipSolidBrush brush;
    brush.Create(colour);
    graphics.FillRectangle(brush, -1000, -1000, 3000, 3000);
  }

  gdip::GdipBitmap bitmap;
  gdip::GdipGraphics graphics;
};

// A memory DC with a top-down 32-bit DIB section selected into it.
class DibCanvas {
 public:
  DibCanvas(int width, int height) : width_(width), dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dib_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<const std::uint32_t*>(bits);
    if (dib_) previous_ = SelectObject(dc_.get(), dib_.get());
  }
  ~DibCanvas() {
    if (previous_ != nullptr) SelectObject(dc_.get(), previous_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  HDC dc() const { return dc_.get(); }
  bool ok() const { return bits_ != nullptr; }
  // The pixel as the DIB holds it (B, G, R, A bytes read as one value).
  std::uint32_t Pixel(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x];
  }

 private:
  struct DcDelete {
    void operator()(HDC dc) const { DeleteDC(dc); }
  };
  struct ObjectDelete {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
  };

  int width_;
  std::unique_ptr<std::remove_pointer_t<HDC>, DcDelete> dc_;
  std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDelete> dib_;
  HGDIOBJ previous_ = nullptr;
  const std::uint32_t* bits_ = nullptr;
};

// Two overlapping squares A = (0, 0, 40, 40) and B = (20, 20, 40, 40) on a
// 64 x 64 surface, and for each combine mode which of four probes lies in
// "A, then B combined in that mode".
struct CombineCase {
  gdip::CombineMode mode;
  const char* name;
  bool inAOnly, inBoth, inBOnly, inNeither;
};

constexpr gdip::RectF kSquareA{0, 0, 40, 40};
constexpr gdip::RectF kSquareB{20, 20, 40, 40};
constexpr gdip::PointI kProbeAOnly{10, 10}, kProbeBoth{30, 30}, kProbeBOnly{50, 50}, kProbeNeither{50, 10};

constexpr CombineCase kCombineCases[] = {
    {gdip::CombineMode::Replace, "replace", false, true, true, false},
    {gdip::CombineMode::Intersect, "intersect", false, true, false, false},
    {gdip::CombineMode::Union, "union", true, true, true, false},
    {gdip::CombineMode::Xor, "xor", true, false, true, false},
    {gdip::CombineMode::Exclude, "exclude", true, false, false, false},
    {gdip::CombineMode::Complement, "complement", false, false, true, false},
};

}  // namespace gdip_test
