// A nine-slice image with up to four state images (normal, hover, focus,
// disabled). Each state image is cut at opaque magenta guide pixels into
// nine PNG pieces: the four corners are drawn at their natural size, the
// four edges and the centre are tiled to fill any destination rectangle.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "runtime/byte_array.h"
#include "skin/core/decoded_picture.h"

namespace gdip {
class GdipGraphics;
}

namespace skin {

// One piece of a sliced image; an empty piece has size 0 x 0 and no bytes,
// and so has a piece that GDI+ could not cut.
struct NinePiece {
  int width = 0;
  int height = 0;
  rt::ByteArray png;
  DecodedPicture decoded;  // `png` decoded by the first paint that drew it
};

// Nine pieces in this order: top-left, bottom-left, top-right, bottom-right
// corner, left, top, right, bottom edge, centre.
using NinePieceList = std::vector<NinePiece>;

enum NinePieceIndex : int {
  kTopLeft = 0,
  kBottomLeft = 1,
  kTopRight = 2,
  kBottomRight = 3,
  kLeftEdge = 4,
  kTopEdge = 5,
  kRightEdge = 6,
  kBottomEdge = 7,
  kCentre = 8,
};

// Width and height of a state's source image.
struct ImageSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

class NineGridImage {
 public:
  NineGridImage() = default;
  NineGridImage(NineGridImage&&) noexcept = default;
  NineGridImage& operator=(NineGridImage&&) noexcept = default;
  NineGridImage(const NineGridImage&) = delete;
  NineGridImage& operator=(const NineGridImage&) = delete;

  // A deep copy: the piece lists and their bytes are duplicated.
  NineGridImage Clone() const;

  // Draws `pieces` into the destination rectangle; pieces without bytes are
  // skipped, so an empty list draws nothing.
  void Draw(gdip::GdipGraphics& graphics, const NinePieceList& pieces) const;

  // Replaces `pieces` with the nine pieces of the image in `bytes`; returns
  // (height << 16) | width of the image (0 for bytes that do not decode).
  static int Slice(const rt::ByteArray& bytes, NinePieceList& pieces);

  void SetRect(int x, int y, int width, int height);

  void DrawState1(gdip::GdipGraphics& graphics) const;
  void DrawState2(gdip::GdipGraphics& graphics) const;
  void DrawState3(gdip::GdipGraphics& graphics) const;
  void DrawState4(gdip::GdipGraphics& graphics) const;

  // Lets go of the decoded pieces (before GDI+ is shut down); the bytes
  // stay and decode again when drawn.
  void ForgetDecodedPieces() const;

  int IsLoaded() const { return loaded_; }
  // Content inset and corner size for the painters (3 and 10 by default).
  int GetInsetA() const { return insetA_; }
  int GetInsetB() const { return insetB_; }

  // Slices the state images; a state image that is not given (or does not
  // give nine pieces) takes the pieces of state 1. Returns 1 when state 1
  // gave nine pieces, else 0.
  int Load(const rt::ByteArray& image1,
           const std::optional<rt::ByteArray>& image2 = std::nullopt,
           const std::optional<rt::ByteArray>& image3 = std::nullopt,
           const std::optional<rt::ByteArray>& image4 = std::nullopt,
           std::optional<int> insetB = std::nullopt,
           std::optional<int> insetA = std::nullopt);

  ImageSize GetImageSize1() const { return sizes_[0]; }
  ImageSize GetImageSize2() const { return sizes_[1]; }
  ImageSize GetImageSize3() const { return sizes_[2]; }
  ImageSize GetImageSize4() const { return sizes_[3]; }

  friend void ResetNineGridImage(NineGridImage& image);

 private:
  struct DestRect {
    int x = 0, y = 0, width = 0, height = 0;
  };

  int loaded_ = 0;
  int insetB_ = 0;
  int insetA_ = 0;
  std::array<NinePieceList, 4> pieces_;
  DestRect rect_;
  std::array<ImageSize, 4> sizes_;
};

// Marks a newly made instance as not loaded; called right after a record
// holding a NineGridImage is created.
void ResetNineGridImage(NineGridImage& image);

}  // namespace skin
