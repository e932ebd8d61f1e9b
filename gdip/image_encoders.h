// The installed GDI+ image encoders, and the encoder of an image format.
#pragma once

#include <vector>

#include "gdip/gdiplus_api.h"
#include "runtime/byte_array.h"

namespace gdip {

// GDI+ format GUID texts the program encodes with.
inline constexpr char kPngFormat[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr char kBmpFormat[] = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";

// One installed encoder, its texts converted to the ANSI code page.
struct ImageEncoderRecord {
  rt::Text classId;
  rt::Text formatId;
  rt::Text codecName;
  rt::Text dllName;
  rt::Text formatDescription;
  rt::Text filenameExtension;
  rt::Text mimeType;
  int flags = 0;
  int version = 0;
  int signatureCount = 0;
  int signatureSize = 0;
  rt::ByteArray signaturePatterns;
  rt::ByteArray signatureMasks;
};

// Replaces the array by one record per installed encoder, in GDI+'s order,
// and returns their count; 0 with the array untouched when GDI+ cannot say.
int ListImageEncoders(std::vector<ImageEncoderRecord>& encoders);

// Class id text of the first encoder whose format id text equals the given
// one byte for byte; empty when none does. The list is read afresh each time.
rt::Text FindEncoderClsid(const rt::Text& formatId);

}  // namespace gdip
