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

int g_prepared = 0;
void CountAndTurn(gdip::GdipBitmap& bitmap) {
  ++g_prepared;
  bitmap.RotateFlip(gdip::RotateFlipType::Rotate90FlipNone);  // width and height swap
}
void CountOnly(gdip::GdipBitmap&) { ++g_prepared; }

// A prepared picture is prepared once per decoding; another preparation or
// another variant (what the preparation read, a tint colour) decodes anew.
TEST(DecodedPictureTest, PreparesOnceAndAgainForAnotherPreparationOrVariant) {
  const rt::ByteArray glow = rt::LoadEmbeddedBytes(IDR_SHINE_STRIP_GLOW);
  const skin::DecodedPicture picture;
  g_prepared = 0;
  gdip::GdipImage* turned = picture.Get(glow, &CountAndTurn, 7);
  ASSERT_NE(turned, nullptr);
  EXPECT_EQ(turned->GetHeight(), 90u);
  EXPECT_EQ(picture.Get(glow, &CountAndTurn, 7), turned);
  EXPECT_EQ(turned->GetHeight(), 90u) << "not turned twice";
  EXPECT_EQ(g_prepared, 1);

  EXPECT_EQ(picture.Get(glow, &CountAndTurn, 8)->GetHeight(), 90u);
  EXPECT_EQ(g_prepared, 2) << "another variant";
  EXPECT_EQ(picture.Get(glow, &CountOnly, 8)->GetWidth(), 90u);
  EXPECT_EQ(g_prepared, 3) << "another preparation";
  EXPECT_EQ(picture.Get(glow)->GetWidth(), 90u) << "plain again: not the prepared image";
  EXPECT_EQ(g_prepared, 3);
}

}  // namespace
