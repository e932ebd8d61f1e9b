// Small images drawn side by side in one picture and separated by
// one-pixel columns of a marker colour. Loading cuts the picture at the
// marker columns and keeps every piece as PNG bytes with its size. Pieces
// are numbered from 1, left to right.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "gdip/gdip_image.h"
#include "runtime/byte_array.h"
#include "skin/core/decoded_picture.h"

namespace skin {

inline constexpr COLORREF kDefaultStripMarker = 0xFF00FF;

class ImageStrip {
 public:
  struct Piece {
    int width = 0;
    int height = 0;
    rt::ByteArray png;
    DecodedPicture decoded;  // `png` decoded, once asked for
  };

  // Empties the strip, takes the marker (magenta when not given) and cuts
  // the image. Returns the piece count.
  int Load(const rt::ByteArray& image, std::optional<COLORREF> marker = std::nullopt);
  // Cuts the image at the current marker's fully opaque pixels on its third
  // row and appends the pieces. Returns the piece count.
  int Split(const rt::ByteArray& image);

  // A copy of piece `number`'s PNG bytes; empty outside 1..GetCount().
  rt::ByteArray GetPiece(int number) const;
  // Piece `number` as an image, decoded on the first call and kept: a
  // painter that draws pieces on every paint decodes each only once.
  // nullptr outside 1..GetCount() or when the bytes do not decode.
  gdip::GdipImage* DecodedPiece(int number) const;
  // Lets go of the decoded images (before GDI+ is shut down); the bytes
  // stay and decode again when asked for.
  void ForgetDecodedPieces();
  int GetCount() const { return static_cast<int>(pieces_.size()); }
  int GetTotalWidth() const { return totalWidth_; }
  int GetTotalHeight() const { return totalHeight_; }
  int GetPieceWidth(int number) const;   // 0 out of range
  int GetPieceHeight(int number) const;  // 0 out of range

  // Appends an image as one more piece; returns the new count.
  int AddPiece(const rt::ByteArray& image);
  // Removes piece `number`: 1, or 0 out of range.
  int RemovePiece(int number);

  // Cuts the image into pieces of `pieceWidth` from the left; with guides
  // each piece gets two marker lines across and two down its middle.
  int LoadEvenPieces(const rt::ByteArray& image, int pieceWidth, bool drawGuides);
  int LoadEvenPiecesCopy(const rt::ByteArray& image, int pieceWidth, bool drawGuides) {
    return LoadEvenPieces(image, pieceWidth, drawGuides);
  }

  COLORREF GetMarker() const { return marker_; }

 private:
  void Clear();
  const Piece* PieceAt(int number) const;

  int totalWidth_ = 0;
  int totalHeight_ = 0;
  std::vector<Piece> pieces_;
  COLORREF marker_ = kDefaultStripMarker;
};

}  // namespace skin
