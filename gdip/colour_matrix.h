// The colour matrix that alpha-blended image drawing fills in.
#pragma once

#include "gdip/gdiplus_api.h"

namespace gdip {

// 5x5 REAL entries, row by row, all 0.0 at start; only the alpha image
// drawing writes it.
extern Gdiplus::ColorMatrix ColourMatrix;

}  // namespace gdip
