// A picture's PNG bytes kept decoded between paints. Painters that draw
// the same small picture on every paint (a caption button's glyph, the
// progress bar's shine) would otherwise decode it each time, which costs
// more than the rest of their drawing.
#pragma once

#include <cstdint>
#include <memory>

#include "gdip/gdip_bitmap.h"
#include "gdip/gdip_image.h"
#include "runtime/byte_array.h"

namespace skin {

class DecodedPicture {
 public:
  // The image of `bytes`: the one kept when they are the bytes decoded
  // last time, else decoded anew. nullptr when they do not decode. The
  // kept image is a cache, so a const owner may fill it.
  gdip::GdipImage* Get(const rt::ByteArray& bytes) const;

  // The same, decoded as a bitmap with `prepare` applied once to each
  // fresh decoding (a picture kept turned or tinted); the kept image is
  // returned as prepared. `variant` names what the preparation depends on
  // beside the bytes (a tint colour): a different one decodes anew.
  gdip::GdipImage* Get(const rt::ByteArray& bytes, void (*prepare)(gdip::GdipBitmap&),
                       std::uint32_t variant = 0) const;

  // Lets go of the image; the next Get decodes again.
  void Forget() const;

 private:
  mutable rt::ByteArray bytes_;
  mutable void (*prepare_)(gdip::GdipBitmap&) = nullptr;
  mutable std::uint32_t variant_ = 0;
  // Shared, so the record that holds this stays copyable.
  mutable std::shared_ptr<gdip::GdipImage> image_;
};

}  // namespace skin
