#include "gdip/image_encoders.h"

#include "gdip/gdip_status.h"
#include "gdip/guid_text.h"
#include "gdip/native_block.h"
#include "gdip/wide_text.h"

namespace gdip {

namespace {

// Signature bytes of a codec; GDI+ may keep them outside the block it filled.
rt::ByteArray SignatureBytes(const BYTE* first, std::size_t count) {
  if (count == 0 || first == nullptr) return {};
  return rt::ByteArray(first, first + count);
}

ImageEncoderRecord ReadEncoder(const Gdiplus::ImageCodecInfo& info) {
  ImageEncoderRecord record;
  record.classId = GuidToText(info.Clsid);
  record.formatId = GuidToText(info.FormatID);
  record.codecName = FromWideBytes(info.CodecName);
  record.dllName = FromWideBytes(info.DllName);
  record.formatDescription = FromWideBytes(info.FormatDescription);
  record.filenameExtension = FromWideBytes(info.FilenameExtension);
  record.mimeType = FromWideBytes(info.MimeType);
  record.flags = static_cast<int>(info.Flags);
  record.version = static_cast<int>(info.Version);
  record.signatureCount = static_cast<int>(info.SigCount);
  record.signatureSize = static_cast<int>(info.SigSize);
  const std::size_t signatureBytes = static_cast<std::size_t>(info.SigCount) * info.SigSize;
  record.signaturePatterns = SignatureBytes(info.SigPattern, signatureBytes);
  record.signatureMasks = SignatureBytes(info.SigMask, signatureBytes);
  return record;
}

}  // namespace

int ListImageEncoders(std::vector<ImageEncoderRecord>& encoders) {
  UINT count = 0;
  UINT size = 0;
  if (!Record(flat::GdipGetImageEncodersSize(&count, &size))) return 0;
  // Only as many codecs as the block can hold are read.
  if (static_cast<std::size_t>(count) * sizeof(Gdiplus::ImageCodecInfo) > size) count = size / sizeof(Gdiplus::ImageCodecInfo);
  NativeBlock block(size);
  Record(flat::GdipGetImageEncoders(count, size, block.As<Gdiplus::ImageCodecInfo>()));
  encoders.clear();
  encoders.reserve(count);
  const auto* codecs = block.As<Gdiplus::ImageCodecInfo>();
  for (UINT i = 0; i < count; ++i) encoders.push_back(ReadEncoder(codecs[i]));
  return static_cast<int>(count);
}

rt::Text FindEncoderClsid(const rt::Text& formatId) {
  std::vector<ImageEncoderRecord> encoders;
  ListImageEncoders(encoders);
  for (const ImageEncoderRecord& encoder : encoders)
    if (encoder.formatId == formatId) return encoder.classId;
  return {};
}

}  // namespace gdip
