#include "gdip/colour_matrix.h"

namespace gdip {

Gdiplus::ColorMatrix ColourMatrix = {};

}  // namespace gdip
