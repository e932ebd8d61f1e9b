#include "skin/frames/frame_globals.h"

namespace skin {

CaptionClickHandler CaptionClickRoutine = nullptr;
int BorderZone = 0;
int HotCaptionButton = 0;

}  // namespace skin
