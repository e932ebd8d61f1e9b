// GDI+'s encoder parameter block, built from and read into an
// EncoderParametersRecord.
#pragma once

#include <cstddef>

#include "gdip/image_records.h"
#include "gdip/native_block.h"

namespace gdip {

// The block handed to an encoding call; it points into the record's value
// bytes, so the record must outlive the call.
class NativeEncoderParameters {
 public:
  // False (nothing built) when the record's count differs from its
  // parameters or a parameter has fewer value bytes than its values need.
  bool Build(const EncoderParametersRecord& record);
  const Gdiplus::EncoderParameters* get() { return block_.As<Gdiplus::EncoderParameters>(); }

 private:
  NativeBlock block_{0};
};

// Replaces the record's contents by the parameters of a block GDI+ filled.
void ReadEncoderParameters(NativeBlock& block, EncoderParametersRecord& record);

}  // namespace gdip
