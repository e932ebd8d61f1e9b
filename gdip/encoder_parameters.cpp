#include "gdip/encoder_parameters.h"

#include <cstddef>

#include "gdip/guid_text.h"

namespace gdip {

namespace {

constexpr std::size_t kFirstParameter = offsetof(Gdiplus::EncoderParameters, Parameter);

std::size_t BlockSize(std::size_t parameters) {
  return kFirstParameter + parameters * sizeof(Gdiplus::EncoderParameter);
}

}  // namespace

int EncoderValueSize(int type) {
  switch (type) {
    case 1:  // byte
    case 2:  // ASCII
    case 7:  // undefined
      return 1;
    case 3:  // short
      return 2;
    case 4:  // long
      return 4;
    case 5:  // rational
    case 6:  // long range
      return 8;
    case 8:  // rational range
      return 16;
    default:
      return 0;
  }
}

bool NativeEncoderParameters::Build(const EncoderParametersRecord& record) {
  if (record.count < 0 || static_cast<std::size_t>(record.count) != record.parameters.size()) return false;
  for (const EncoderParameterRecord& p : record.parameters) {
    const auto needed = static_cast<std::size_t>(p.numberOfValues) * static_cast<std::size_t>(EncoderValueSize(p.type));
    if (p.numberOfValues < 0 || p.value.size() < needed) return false;
  }
  block_ = NativeBlock(BlockSize(record.parameters.size()));
  auto* block = block_.As<Gdiplus::EncoderParameters>();
  block->Count = static_cast<UINT>(record.count);
  for (std::size_t i = 0; i < record.parameters.size(); ++i) {
    const EncoderParameterRecord& source = record.parameters[i];
    Gdiplus::EncoderParameter& target = block->Parameter[i];
    target.Guid = GuidFromText(source.id);
    target.NumberOfValues = static_cast<ULONG>(source.numberOfValues);
    target.Type = static_cast<ULONG>(source.type);
    // GDI+ only reads the values.
    target.Value = source.value.empty() ? nullptr : const_cast<std::uint8_t*>(source.value.data());
  }
  return true;
}

void ReadEncoderParameters(NativeBlock& block, EncoderParametersRecord& record) {
  record = {};
  if (block.size() < kFirstParameter) return;
  const auto* native = block.As<Gdiplus::EncoderParameters>();
  // Only the parameters that fit in the block are read.
  std::size_t count = native->Count;
  while (count > 0 && BlockSize(count) > block.size()) --count;
  record.count = static_cast<int>(count);
  record.parameters.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const Gdiplus::EncoderParameter& source = native->Parameter[i];
    EncoderParameterRecord& target = record.parameters[i];
    target.id = GuidToText(source.Guid);
    target.numberOfValues = static_cast<int>(source.NumberOfValues);
    target.type = static_cast<int>(source.Type);
    const std::size_t size =
        static_cast<std::size_t>(source.NumberOfValues) * static_cast<std::size_t>(EncoderValueSize(target.type));
    if (source.Value != nullptr && size > 0) {
      const auto* first = static_cast<const std::uint8_t*>(source.Value);
      target.value.assign(first, first + size);
    }
  }
}

}  // namespace gdip
