// Pictures kept decoded between paints: the same bytes give the kept
// image, other bytes a new one, bytes that do not decode none.
#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"
#include "skin/core/decoded_picture.h"
#include "tests/support/gdip_test_env.h"

namespace {

TEST(DecodedPictureTest, KeepsTheImageOfTheSameBytesAndDecodesOthers) {
  const rt::ByteArray glow = rt::LoadEmbeddedBytes(IDR_SHINE_STRIP_GLOW);
  const rt::ByteArray band = rt::LoadEmbeddedBytes(IDR_SHINE_STRIP_BAND);
  ASSERT_FALSE(glow.empty());
  ASSERT_FALSE(band.empty());
  const skin::DecodedPicture picture;

  gdip::GdipImage* first = picture.Get(glow);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetWidth(), 90u);
  EXPECT_EQ(picture.Get(rt::ByteArray(glow)), first) << "equal bytes in another array: the kept image";

  gdip::GdipImage* other = picture.Get(band);
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->GetWidth(), 161u);
  EXPECT_EQ(picture.Get(glow)->GetWidth(), 90u) << "back to the first bytes";

  EXPECT_EQ(picture.Get(rt::ByteArray{1, 2, 3}), nullptr);
  EXPECT_EQ(picture.Get(rt::ByteArray{}), nullptr);
  ASSERT_NE(picture.Get(band), nullptr) << "a failed decode keeps nothing stale";
  picture.Forget();
  EXPECT_EQ(picture.Get(band)->GetWidth(), 161u);
}

}  // namespace
