#include "skin/core/image_strip.h"

#include <algorithm>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_image.h"
#include "skin/core/colour_convert.h"

namespace skin {

namespace {

constexpr int kMarkerRow = 2;  // markers are looked for on the third row
const rt::Text kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

// The area (x, 0, width, full height) of the bitmap as PNG bytes; empty
// for an empty area or when GDI+ cannot cut or encode it.
rt::ByteArray EncodeArea(gdip::GdipBitmap& source, int x, int width, int height,
                         COLORREF guideColour = 0, bool drawGuides = false) {
  if (width <= 0 || height <= 0) return {};
  gdip::GdipBitmap piece;
  const gdip::RectF area{static_cast<float>(x), 0.0f, static_cast<float>(width),
                         static_cast<float>(height)};
  if (!source.CloneArea(area, gdip::kPixelFormat32bppArgb, piece)) return {};
  if (drawGuides) {
    const auto guide = ToArgb(guideColour);
    const int midX = width / 2;
    const int midY = height / 2;
    for (int i = 0; i < width; ++i) {
      piece.SetPixel(i, midY - 1, guide);
      piece.SetPixel(i, midY + 1, guide);
    }
    for (int j = 0; j < height; ++j) {
      piece.SetPixel(midX - 1, j, guide);
      piece.SetPixel(midX + 1, j, guide);
    }
  }
  return piece.SaveToStream(kPngFormat);
}

}  // namespace

void ImageStrip::Clear() {
  pieces_.clear();
}

const ImageStrip::Piece* ImageStrip::PieceAt(int number) const {
  if (number < 1 || number > GetCount()) return nullptr;
  return &pieces_[static_cast<std::size_t>(number - 1)];
}

int ImageStrip::Load(const rt::ByteArray& image, std::optional<COLORREF> marker) {
  Clear();
  marker_ = marker.value_or(kDefaultStripMarker);
  return Split(image);
}

int ImageStrip::Split(const rt::ByteArray& image) {
  gdip::GdipBitmap bitmap;
  bitmap.CreateFromStream(image);
  const int width = static_cast<int>(bitmap.GetWidth());
  const int height = static_cast<int>(bitmap.GetHeight());
  totalWidth_ = width;
  totalHeight_ = height;

  // Only fully opaque pixels of exactly the marker colour cut.
  const auto markerValue = ToArgb(marker_);
  int run = 0;
  int start = 0;
  bool first = true;
  for (int x = 1; x <= width; ++x) {
    ++run;
    // The last step stands one column past the image and never matches.
    if (x >= width || height <= kMarkerRow) continue;
    if (bitmap.GetPixel(x, kMarkerRow) != markerValue) continue;
    if (!first) --run;
    first = false;
    pieces_.push_back({run, height, EncodeArea(bitmap, start, run, height), {}});
    start = x + 1;
    run = 0;
  }
  // The rest after the last marker; undecodable bytes give one empty piece
  // rather than one of negative width.
  const int lastWidth = run > 0 ? run - 1 : 0;
  pieces_.push_back({lastWidth, height, EncodeArea(bitmap, start, lastWidth, height), {}});
  return GetCount();
}

rt::ByteArray ImageStrip::GetPiece(int number) const {
  const Piece* piece = PieceAt(number);
  return piece != nullptr ? piece->png : rt::ByteArray{};
}

gdip::GdipImage* ImageStrip::DecodedPiece(int number) const {
  const Piece* piece = PieceAt(number);
  return piece != nullptr ? piece->decoded.Get(piece->png) : nullptr;
}

void ImageStrip::ForgetDecodedPieces() {
  for (const Piece& piece : pieces_) piece.decoded.Forget();
}

int ImageStrip::GetPieceWidth(int number) const {
  const Piece* piece = PieceAt(number);
  return piece != nullptr ? piece->width : 0;
}

int ImageStrip::GetPieceHeight(int number) const {
  const Piece* piece = PieceAt(number);
  return piece != nullptr ? piece->height : 0;
}

int ImageStrip::AddPiece(const rt::ByteArray& image) {
  gdip::GdipImage decoded;
  decoded.LoadFromStream(image);
  const int width = static_cast<int>(decoded.GetWidth());
  const int height = static_cast<int>(decoded.GetHeight());
  pieces_.push_back({width, height, image, {}});
  totalWidth_ += width;
  return GetCount();
}

int ImageStrip::RemovePiece(int number) {
  const Piece* piece = PieceAt(number);
  if (piece == nullptr) return 0;
  // The pieces stand side by side: only the total width shrinks.
  totalWidth_ -= piece->width;
  pieces_.erase(pieces_.begin() + (number - 1));
  return 1;
}

int ImageStrip::LoadEvenPieces(const rt::ByteArray& image, int pieceWidth, bool drawGuides) {
  Clear();
  gdip::GdipBitmap bitmap;
  bitmap.CreateFromStream(image);
  totalWidth_ = static_cast<int>(bitmap.GetWidth());
  totalHeight_ = static_cast<int>(bitmap.GetHeight());
  if (pieceWidth <= 0) return 0;
  for (int x = 0; x < totalWidth_; x += pieceWidth) {
    // The last piece keeps the columns that are left rather than reaching
    // past the image, which GDI+ would refuse to cut.
    const int width = std::min(pieceWidth, totalWidth_ - x);
    pieces_.push_back(
        {width, totalHeight_, EncodeArea(bitmap, x, width, totalHeight_, marker_, drawGuides), {}});
  }
  return GetCount();
}

}  // namespace skin
