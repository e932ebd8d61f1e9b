#include "skin/core/nine_grid_image.h"

#include <cmath>
#include <cstdint>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_texture_brush.h"
#include "gdip/gdip_graphics.h"
#include "gdip/gdip_image.h"
#include "gdip/image_encoders.h"
#include "skin/core/colour_convert.h"

namespace skin {

namespace {

constexpr COLORREF kGuideColour = 0xFF00FF;  // opaque magenta
constexpr std::size_t kPieceCount = 9;

// A decoded state image and the guide tests on it. Coordinates outside the
// picture are never guides, so the scans may run one past the last pixel.
class GuideScanner {
 public:
  explicit GuideScanner(gdip::GdipBitmap& bitmap)
      : bitmap_(bitmap),
        width_(static_cast<int>(bitmap.GetWidth())),
        height_(static_cast<int>(bitmap.GetHeight())) {}

  int width() const { return width_; }
  int height() const { return height_; }

  bool IsGuide(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
    return bitmap_.GetPixel(x, y) == ToArgb(kGuideColour);
  }

  // First guide x on row y, scanning first..last (either direction); -1 when none.
  int FindInRow(int y, int first, int last) const {
    const int step = first <= last ? 1 : -1;
    for (int x = first; x != last + step; x += step) {
      if (IsGuide(x, y)) return x;
    }
    return -1;
  }

  // First guide y in column x, scanning first..last (either direction); -1 when none.
  int FindInColumn(int x, int first, int last) const {
    const int step = first <= last ? 1 : -1;
    for (int y = first; y != last + step; y += step) {
      if (IsGuide(x, y)) return y;
    }
    return -1;
  }

 private:
  gdip::GdipBitmap& bitmap_;
  int width_;
  int height_;
};

struct PieceRect {
  int x = 0, y = 0, width = 0, height = 0;
};

// The piece of `source` under `area`, encoded as PNG. A rectangle that is
// empty or leaves the picture gives a piece with its size but no bytes.
NinePiece CutPiece(gdip::GdipBitmap& source, const GuideScanner& scan, const PieceRect& area) {
  NinePiece piece{area.width, area.height, {}, {}};
  const bool inside = area.width > 0 && area.height > 0 && area.x >= 0 && area.y >= 0 &&
                      area.x + area.width <= scan.width() && area.y + area.height <= scan.height();
  if (!inside) return piece;
  gdip::GdipBitmap cut;
  const gdip::RectF rect{static_cast<float>(area.x), static_cast<float>(area.y),
                         static_cast<float>(area.width), static_cast<float>(area.height)};
  if (source.CloneArea(rect, gdip::kPixelFormat32bppArgb, cut)) piece.png = cut.SaveToStream(gdip::kPngFormat);
  return piece;
}

// Corner pieces. The guides are looked for on the second row and column
// (and the column before the last); a missing guide means "no such piece".
NinePiece CutTopLeft(gdip::GdipBitmap& source, const GuideScanner& scan) {
  const int w = scan.width();
  const int h = scan.height();
  const int gx = scan.FindInRow(1, 1, w);
  const int gy = scan.FindInColumn(1, 1, h);
  return CutPiece(source, scan, {0, 0, gx < 0 ? w : gx - 1, gy < 0 ? h : gy - 1});
}

NinePiece CutBottomLeft(gdip::GdipBitmap& source, const GuideScanner& scan, const NinePiece& topLeft) {
  const int h = scan.height();
  if (topLeft.height == h) return {};
  const int gy = scan.FindInColumn(1, h, 1);
  if (gy < 0) return {};
  const int top = gy + 1;
  return CutPiece(source, scan, {0, top, topLeft.width, h - top});
}

// Left edge and width of the right-hand corners, -1 when row 1 has no guide.
int RightCornerLeft(const GuideScanner& scan) {
  const int gx = scan.FindInRow(1, scan.width(), 1);
  return gx < 0 ? -1 : gx + 1;
}

NinePiece CutTopRight(gdip::GdipBitmap& source, const GuideScanner& scan, const NinePiece& topLeft) {
  const int w = scan.width();
  const int h = scan.height();
  if (topLeft.width == w) return {};
  const int left = RightCornerLeft(scan);
  if (left < 0) return {};
  const int gy = scan.FindInColumn(w - 1, 1, h);
  return CutPiece(source, scan, {left, 0, w - left, gy < 0 ? h : gy - 1});
}

NinePiece CutBottomRight(gdip::GdipBitmap& source, const GuideScanner& scan, const NinePiece& topLeft) {
  const int w = scan.width();
  const int h = scan.height();
  if (topLeft.height == h || topLeft.width == w) return {};
  const int left = RightCornerLeft(scan);
  const int gy = scan.FindInColumn(w - 1, h, 1);
  if (left < 0 || gy < 0) return {};
  const int top = gy + 1;
  return CutPiece(source, scan, {left, top, w - left, h - top});
}

// Edges and centre lie between the corners, one pixel in from each guide;
// the left and top offsets (+2) and the right and bottom ones (-1) differ
// because the guides sit on the second row and column.
std::array<PieceRect, 5> InnerRects(const NinePieceList& p, int w, int h) {
  const NinePiece& tl = p[kTopLeft];
  const NinePiece& bl = p[kBottomLeft];
  const NinePiece& tr = p[kTopRight];
  const NinePiece& br = p[kBottomRight];
  return {{
      {0, tl.height + 2, tl.width, h - bl.height - 1 - (tl.height + 2)},
      {tl.width + 2, 0, w - tr.width - 1 - (tl.width + 2), tr.height},
      {w - tr.width, tr.height + 2, tr.width, h - br.height - 1 - (tr.height + 2)},
      {bl.width + 2, h - br.height, w - br.width - 1 - (bl.width + 2), br.height},
      {tl.width + 2, tl.height + 2, w - tr.width - 1 - (tl.width + 2),
       h - bl.height - 1 - (tl.height + 2)},
  }};
}

ImageSize SizeFromSlice(int packed) {
  const auto bits = static_cast<std::uint32_t>(packed);
  return {static_cast<std::int16_t>(bits & 0xFFFF), static_cast<std::int16_t>(bits >> 16)};
}

// A piece's image for drawing, decoded once; nullptr for a piece without
// bytes.
gdip::GdipImage* DecodePiece(const NinePiece& piece) { return piece.decoded.Get(piece.png); }

}  // namespace

void NineGridImage::ForgetDecodedPieces() const {
  for (const NinePieceList& pieces : pieces_) {
    for (const NinePiece& piece : pieces) piece.decoded.Forget();
  }
}

NineGridImage NineGridImage::Clone() const {
  NineGridImage copy;
  copy.loaded_ = loaded_;
  copy.insetB_ = insetB_;
  copy.insetA_ = insetA_;
  copy.pieces_ = pieces_;
  copy.rect_ = rect_;
  copy.sizes_ = sizes_;
  return copy;
}

int NineGridImage::Slice(const rt::ByteArray& bytes, NinePieceList& pieces) {
  pieces.clear();
  gdip::GdipBitmap bitmap;
  if (!bytes.empty()) bitmap.CreateFromStream(bytes);
  const GuideScanner scan(bitmap);
  const int w = scan.width();
  const int h = scan.height();

  pieces.resize(kPieceCount);
  pieces[kTopLeft] = CutTopLeft(bitmap, scan);
  pieces[kBottomLeft] = CutBottomLeft(bitmap, scan, pieces[kTopLeft]);
  pieces[kTopRight] = CutTopRight(bitmap, scan, pieces[kTopLeft]);
  pieces[kBottomRight] = CutBottomRight(bitmap, scan, pieces[kTopLeft]);
  const auto inner = InnerRects(pieces, w, h);
  for (std::size_t i = 0; i < inner.size(); ++i) pieces[kLeftEdge + i] = CutPiece(bitmap, scan, inner[i]);

  return static_cast<int>((static_cast<std::uint32_t>(h) << 16) | static_cast<std::uint32_t>(w & 0xFFFF));
}

void NineGridImage::SetRect(int x, int y, int width, int height) {
  rect_ = {x, y, width, height};
}

void NineGridImage::Draw(gdip::GdipGraphics& graphics, const NinePieceList& pieces) const {
  if (pieces.size() != kPieceCount) return;
  const float x = static_cast<float>(rect_.x);
  const float y = static_cast<float>(rect_.y);
  const float wd = static_cast<float>(rect_.width);
  const float hd = static_cast<float>(rect_.height);
  auto w = [&](int k) { return static_cast<float>(pieces[static_cast<std::size_t>(k)].width); };
  auto h = [&](int k) { return static_cast<float>(pieces[static_cast<std::size_t>(k)].height); };

  // Corners at their natural size.
  auto corner = [&](int k, float cx, float cy) {
    if (gdip::GdipImage* image = DecodePiece(pieces[static_cast<std::size_t>(k)]))
      graphics.DrawImageRect(*image, cx, cy, w(k), h(k));
  };
  corner(kTopLeft, x, y);
  corner(kBottomLeft, x, y + hd - h(kBottomLeft));
  corner(kTopRight, x + wd - w(kTopRight), y);
  corner(kBottomRight, x + wd - w(kBottomRight), y + hd - h(kBottomRight));

  // Edges and centre tiled from the fill rectangle's own top-left corner.
  auto tile = [&](int k, float fx, float fy, float fw, float fh) {
    if (fw <= 0 || fh <= 0) return;
    gdip::GdipImage* image = DecodePiece(pieces[static_cast<std::size_t>(k)]);
    if (image == nullptr) return;
    gdip::GdipTextureBrush brush;
    if (!brush.Create(*image, gdip::WrapMode::Tile)) return;
    brush.TranslateTransform(fx, fy);
    graphics.FillRectangle(brush, fx, fy, fw, fh);
  };
  tile(kLeftEdge, x, y + h(kTopLeft), w(kLeftEdge), hd - h(kTopLeft) - h(kBottomLeft));
  tile(kTopEdge, x + w(kTopLeft), y, wd - w(kTopLeft) - w(kTopRight), h(kTopEdge));
  tile(kRightEdge, x + wd - w(kRightEdge), y + h(kTopRight), w(kRightEdge),
       hd - h(kTopRight) - h(kBottomRight));
  tile(kBottomEdge, x + w(kTopLeft), y + hd - h(kBottomEdge), wd - w(kBottomLeft) - w(kBottomRight),
       h(kBottomEdge));
  tile(kCentre, x + w(kTopLeft), y + h(kTopLeft), wd - w(kTopLeft) - w(kTopRight),
       hd - h(kTopLeft) - h(kBottomLeft));
}

void NineGridImage::DrawState1(gdip::GdipGraphics& graphics) const { Draw(graphics, pieces_[0]); }
void NineGridImage::DrawState2(gdip::GdipGraphics& graphics) const { Draw(graphics, pieces_[1]); }
void NineGridImage::DrawState3(gdip::GdipGraphics& graphics) const { Draw(graphics, pieces_[2]); }
void NineGridImage::DrawState4(gdip::GdipGraphics& graphics) const { Draw(graphics, pieces_[3]); }

int NineGridImage::Load(const rt::ByteArray& image1, const std::optional<rt::ByteArray>& image2,
                        const std::optional<rt::ByteArray>& image3,
                        const std::optional<rt::ByteArray>& image4, std::optional<int> insetB,
                        std::optional<int> insetA) {
  loaded_ = 0;
  for (NinePieceList& list : pieces_) list.clear();
  insetB_ = insetB.value_or(10);
  insetA_ = insetA.value_or(3);

  sizes_[0] = SizeFromSlice(Slice(image1, pieces_[0]));
  if (pieces_[0].size() != kPieceCount) {
    pieces_[0].clear();
    return 0;
  }

  const std::array<const std::optional<rt::ByteArray>*, 3> others{&image2, &image3, &image4};
  for (std::size_t k = 1; k < pieces_.size(); ++k) {
    const std::optional<rt::ByteArray>& image = *others[k - 1];
    if (image) sizes_[k] = SizeFromSlice(Slice(*image, pieces_[k]));
    if (!image || pieces_[k].size() != kPieceCount) {
      pieces_[k] = pieces_[0];
      sizes_[k] = sizes_[0];
    }
  }
  loaded_ = 1;
  return 1;
}

void ResetNineGridImage(NineGridImage& image) {
  image.loaded_ = 0;
}

}  // namespace skin
