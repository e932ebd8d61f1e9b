#include "skin/core/decoded_picture.h"

#include <utility>

namespace skin {

gdip::GdipImage* DecodedPicture::Get(const rt::ByteArray& bytes) const { return Get(bytes, nullptr); }

gdip::GdipImage* DecodedPicture::Get(const rt::ByteArray& bytes, void (*prepare)(gdip::GdipBitmap&),
                                     std::uint32_t variant) const {
  if (image_ && bytes == bytes_ && prepare == prepare_ && variant == variant_) return image_.get();
  Forget();
  if (bytes.empty()) return nullptr;
  std::shared_ptr<gdip::GdipImage> image;
  if (prepare == nullptr) {
    image = std::make_shared<gdip::GdipImage>();
    if (!image->LoadFromStream(bytes)) return nullptr;
  } else {
    auto bitmap = std::make_shared<gdip::GdipBitmap>();
    if (!bitmap->CreateFromStream(bytes)) return nullptr;
    prepare(*bitmap);
    image = std::move(bitmap);
  }
  bytes_ = bytes;
  prepare_ = prepare;
  variant_ = variant;
  image_ = std::move(image);
  return image_.get();
}

void DecodedPicture::Forget() const {
  image_.reset();
  bytes_.clear();
  prepare_ = nullptr;
  variant_ = 0;
}

}  // namespace skin
