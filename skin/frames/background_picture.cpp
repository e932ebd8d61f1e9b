#include "skin/frames/background_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_graphics.h"
#include "gdip/image_encoders.h"
#include "skin/core/colour_convert.h"
#include "skin/core/geometry_makers.h"
#include "skin/core/paint_kit.h"

namespace skin {

namespace {

constexpr std::uint32_t kClearWhite = 0x00FFFFFF;

// Grows by 100 at every reseed, so draws within one tick still differ.
unsigned ReseedCounter = 0;

// A random integer from low to high, both included; the generator is
// reseeded from the tick count for every draw.
int RandomBetween(int low, int high) {
  ReseedCounter += 100;
  std::minstd_rand generator(GetTickCount() + ReseedCounter);
  return std::uniform_int_distribution<int>(low, high)(generator);
}

// From the file when one is named, else from the bytes.
bool LoadPicture(gdip::GdipBitmap& picture, const rt::ByteArray& bytes, const rt::Text& fileName) {
  return fileName.empty() ? picture.CreateFromStream(bytes) : picture.CreateFromFile(fileName);
}

bool LoadPicture(gdip::GdipImage& picture, const rt::ByteArray& bytes, const rt::Text& fileName) {
  return fileName.empty() ? picture.LoadFromStream(bytes) : picture.LoadFromFile(fileName);
}

}  // namespace

COLORREF AverageImageColour(const rt::ByteArray& image, int samples, std::optional<int> stripWidth,
                            int stripHeight, const rt::Text& fileName) {
  if (samples < 1) return 0;
  gdip::GdipBitmap bitmap;
  if (!LoadPicture(bitmap, image, fileName)) return 0;
  const int width = static_cast<int>(bitmap.GetWidth());
  const int height = static_cast<int>(bitmap.GetHeight());
  if (width < 1 || height < 1) return 0;

  const int strip = stripWidth ? *stripWidth : static_cast<int>(width * 0.1);
  int x0 = strip >= 1 ? width - strip : 1;
  int y0 = stripHeight >= 1 ? height - stripHeight : 1;
  // A picture narrower or lower than the strip still samples the columns
  // and rows it has.
  x0 = std::clamp(x0, 0, width - 1);
  y0 = std::clamp(y0, 0, height - 1);

  long long red = 0, green = 0, blue = 0;
  for (int i = 0; i < samples; ++i) {
    const int x = RandomBetween(x0, width - 1);
    const int y = RandomBetween(y0, height - 1);
    std::uint8_t alpha = 0;
    const COLORREF colour = PixelToColor(bitmap.GetPixel(x, y), alpha);
    red += GetRValue(colour);
    green += GetGValue(colour);
    blue += GetBValue(colour);
  }
  return RGB(red / samples, green / samples, blue / samples);
}

rt::ByteArray ComposeBackgroundImage(const rt::ByteArray& image, std::optional<int> fadeWidth,
                                     COLORREF colour, std::optional<int> fadeRight,
                                     const rt::Text& fileName) {
  gdip::GdipImage picture;
  if (!LoadPicture(picture, image, fileName)) return {};
  const int width = static_cast<int>(picture.GetWidth());
  const int height = static_cast<int>(picture.GetHeight());
  if (width < 1 || height < 1) return {};

  gdip::GdipBitmap canvas;
  if (!canvas.Create(width, height, gdip::kPixelFormat32bppArgb)) return {};
  {
    gdip::GdipGraphics graphics;
    graphics.CreateFromImage(canvas);
    graphics.SetCompositingQuality(gdip::CompositingQuality::GammaCorrected);
    graphics.DrawImageRect(picture, 0, 0, static_cast<float>(width), static_cast<float>(height));

    const int band = fadeWidth ? *fadeWidth : static_cast<int>(std::floor(width * 0.3));
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    const float q = static_cast<float>(band);
    const std::uint32_t solid = ToArgb(colour, 255);

    // The side band starts from clear white, so it lightens as it fades.
    if (fadeRight.value_or(1) != 0) {
      FillRectGradient(graphics, {w - q + 1, 0, q, h}, MakePair(w - q, 0.0f), MakePair(w, 0.0f), kClearWhite, solid);
    } else {
      FillRectGradient(graphics, {0, 0, q, h}, MakePair(0.0f, 0.0f), MakePair(q, 0.0f), solid, kClearWhite);
    }

    FillRectGradient(graphics, {0, h - q + 1, w, q}, MakePair(0.0f, h - q), MakePair(0.0f, h), ToArgb(colour, 0),
                     solid);
  }
  return canvas.SaveToStream(gdip::kPngFormat);
}

}  // namespace skin
