// The installed encoders and GUID texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gdip/guid_text.h"
#include "gdip/image_encoders.h"
#include "tests/gdip/gdip_test_support.h"

namespace {

TEST(ImageEncoders, ListHoldsThePngEncoderWithItsTexts) {
  std::vector<gdip::ImageEncoderRecord> encoders(1);
  encoders[0].codecName = "stale";
  const int count = gdip::ListImageEncoders(encoders);
  ASSERT_GT(count, 0);
  ASSERT_EQ(encoders.size(), static_cast<std::size_t>(count));
  const auto png = std::find_if(encoders.begin(), encoders.end(),
                                [](const gdip::ImageEncoderRecord& e) { return e.formatId == gdip::kPngFormat; });
  ASSERT_NE(png, encoders.end());
  EXPECT_EQ(png->mimeType, "image/png");
  EXPECT_EQ(png->classId.size(), 38u);
  EXPECT_EQ(png->signatureCount * png->signatureSize, static_cast<int>(png->signaturePatterns.size()));
  EXPECT_EQ(png->signaturePatterns.size(), png->signatureMasks.size());
  ASSERT_GE(png->signaturePatterns.size(), 4u);
  EXPECT_EQ(png->signaturePatterns[0], 0x89);
}

TEST(ImageEncoders, FindMatchesTheFormatTextExactly) {
  std::vector<gdip::ImageEncoderRecord> encoders;
  gdip::ListImageEncoders(encoders);
  const rt::Text png = gdip::FindEncoderClsid(gdip::kPngFormat);
  EXPECT_FALSE(png.empty());
  for (const auto& e : encoders) {
    if (e.formatId == gdip::kPngFormat) {
      EXPECT_EQ(e.classId, png);
    }
  }

  EXPECT_TRUE(gdip::FindEncoderClsid("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}").empty());
  EXPECT_TRUE(gdip::FindEncoderClsid("").empty());
  // The memory-bitmap format has no encoder.
  EXPECT_TRUE(gdip::FindEncoderClsid("{B96B3CAA-0728-11D3-9D7B-0000F81EF32E}").empty());
}

TEST(GuidText, RoundTripsInUpperCase) {
  const rt::ByteArray bytes = gdip::TextToGuid("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}");
  ASSERT_EQ(bytes.size(), 16u);
  EXPECT_EQ(bytes[0], 0xAF);  // Data1 is little-endian
  EXPECT_EQ(gdip::GuidToText(bytes), gdip::kPngFormat);
}

TEST(GuidText, NonGuidsGiveZerosOrNothing) {
  EXPECT_EQ(gdip::TextToGuid(""), rt::ByteArray(16, 0));
  EXPECT_EQ(gdip::TextToGuid("not a guid"), rt::ByteArray(16, 0));
  EXPECT_EQ(gdip::GuidToText(rt::ByteArray(15, 1)), "");
  EXPECT_EQ(gdip::GuidToText(rt::ByteArray(16, 0)), "{00000000-0000-0000-0000-000000000000}");
}

}  // namespace
