#include "skin/containers/range_installers.h"

namespace skin {

void SkinTrackbars(int /*windowIndex*/, HWND /*parent*/) {}

}  // namespace skin
