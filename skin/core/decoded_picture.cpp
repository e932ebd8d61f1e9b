#include "skin/core/decoded_picture.h"

#include <utility>

namespace skin {

gdip::GdipImage* DecodedPicture::Get(const rt::ByteArray& bytes) const { return Get(bytes, nullptr); }

gdip::GdipImage* DecodedPicture::Get(const rt::ByteArray& bytes, void (*prepare)(gdip::GdipImage&)) const {
  if (image_ && bytes == bytes_) return image_.get();
  Forget();
  auto image = std::make_shared<gdip::GdipImage>();
  if (bytes.empty() || !image->LoadFromStream(bytes)) return nullptr;
  if (prepare != nullptr) prepare(*image);
  bytes_ = bytes;
  image_ = std::move(image);
  return image_.get();
}

void DecodedPicture::Forget() const {
  image_.reset();
  bytes_.clear();
}

}  // namespace skin
