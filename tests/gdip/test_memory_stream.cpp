// The in-memory stream images are decoded from and encoded into.
#include <gtest/gtest.h>

#include <utility>

#include "gdip/memory_stream.h"
#include "gdip/gdip_status.h"

namespace {

using gdip::MemoryStream;

rt::ByteArray ReadAll(IStream* stream) {
  rt::ByteArray bytes(64);
  ULONG read = 0;
  stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
  bytes.resize(read);
  return bytes;
}

TEST(MemoryStream, HoldsAPrivateCopyReadFromTheStart) {
  rt::ByteArray bytes = {1, 2, 3, 4, 5};
  MemoryStream stream;
  IStream* s = stream.CreateFromBytes(bytes);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(stream.GetStream(), s);
  bytes.assign(5, 0xEE);  // the caller's array is not read again
  EXPECT_EQ(stream.GetSize(), 5u);
  EXPECT_EQ(stream.ToBytes(), (rt::ByteArray{1, 2, 3, 4, 5}));
  EXPECT_EQ(ReadAll(s), (rt::ByteArray{1, 2, 3, 4, 5}));
}

TEST(MemoryStream, EmptyArrayGivesAStreamOverAnEmptyBlock) {
  MemoryStream stream;
  EXPECT_NE(stream.CreateFromBytes(rt::ByteArray{}), nullptr);
  EXPECT_EQ(stream.GetSize(), 0u);
  EXPECT_TRUE(stream.ToBytes().empty());
}

TEST(MemoryStream, SizeWithoutArrayGivesZeroedBlock) {
  MemoryStream stream;
  ASSERT_NE(stream.CreateFromBytes(nullptr, std::size_t{8}), nullptr);
  EXPECT_EQ(stream.ToBytes(), rt::ByteArray(8, 0));
}

TEST(MemoryStream, SizeBeyondTheArrayIsRefused) {
  const rt::ByteArray bytes = {1, 2};
  MemoryStream stream;
  ASSERT_NE(stream.CreateFromBytes(bytes), nullptr);
  const rt::ByteArray three = {7, 8, 9};
  EXPECT_EQ(stream.CreateFromBytes(&three, std::size_t{4}), nullptr);
  EXPECT_EQ(gdip::LastStatus, Gdiplus::InvalidParameter);
  EXPECT_EQ(stream.ToBytes(), bytes);  // what it held stays

  ASSERT_NE(stream.CreateFromBytes(&three, std::size_t{2}), nullptr);  // a shorter size is a prefix
  EXPECT_EQ(stream.ToBytes(), (rt::ByteArray{7, 8}));
}

TEST(MemoryStream, GrowsAsItIsWrittenAndGivesBackWhatWasWritten) {
  MemoryStream stream;
  IStream* s = stream.CreateFromBytes();
  ASSERT_NE(s, nullptr);
  const BYTE data[] = {0x10, 0x20, 0x30};
  ULONG written = 0;
  ASSERT_EQ(s->Write(data, 3, &written), S_OK);
  EXPECT_EQ(stream.ToBytes(), (rt::ByteArray{0x10, 0x20, 0x30}));
  // Shrinking the stream leaves a block larger than its contents.
  ULARGE_INTEGER two;
  two.QuadPart = 2;
  ASSERT_EQ(s->SetSize(two), S_OK);
  EXPECT_EQ(stream.ToBytes(), (rt::ByteArray{0x10, 0x20}));
}

TEST(MemoryStream, MovesAndReleases) {
  MemoryStream first;
  ASSERT_NE(first.CreateFromBytes(rt::ByteArray{1, 2, 3}), nullptr);
  MemoryStream second(std::move(first));
  EXPECT_EQ(first.GetStream(), nullptr);
  EXPECT_EQ(first.GetHglobal(), nullptr);
  EXPECT_TRUE(first.ToBytes().empty());
  EXPECT_EQ(second.ToBytes(), (rt::ByteArray{1, 2, 3}));

  MemoryStream third;
  ASSERT_NE(third.CreateFromBytes(rt::ByteArray{9}), nullptr);
  third = std::move(second);
  EXPECT_EQ(third.ToBytes(), (rt::ByteArray{1, 2, 3}));

  third.Release();
  EXPECT_EQ(third.GetStream(), nullptr);
  EXPECT_EQ(third.GetSize(), 0u);
  third.Release();  // harmless when empty
}

TEST(MemoryStream, AttachedStreamKeepsGoverningItsBlock) {
  IStream* foreign = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &foreign), S_OK);
  const BYTE data[] = {5, 6};
  foreign->Write(data, 2, nullptr);
  {
    MemoryStream stream;
    ASSERT_TRUE(stream.Attach(foreign));
    EXPECT_NE(stream.GetHglobal(), nullptr);
    EXPECT_EQ(stream.ToBytes(), (rt::ByteArray{5, 6}));
  }  // releases the reference; the stream frees its own block, once

  MemoryStream none;
  EXPECT_FALSE(none.Attach(nullptr));
}

}  // namespace
