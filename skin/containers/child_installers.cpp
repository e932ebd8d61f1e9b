#include "skin/containers/child_installers.h"

#include "skin/buttons/button_installers.h"
#include "skin/containers/control_skin.h"
#include "skin/containers/progress_skin.h"
#include "skin/containers/range_installers.h"
#include "skin/containers/static_skins.h"
#include "skin/containers/transparent_children.h"
#include "skin/lists/edit_installers.h"
#include "skin/lists/list_installers.h"

namespace skin {

void RunChildInstallers(int windowIndex, HWND parent, std::optional<SIZE> dialogStatics) {
  SkinPushButtons(windowIndex, parent);
  SkinCheckButtons(windowIndex, parent);
  SkinEditControls(windowIndex, parent);
  SkinTrackbars(windowIndex, parent);
  SkinProgressBars(windowIndex, parent);
  SkinListControls(windowIndex, parent);
  SkinUpDowns(windowIndex, parent);
  SkinHeaders(windowIndex, parent);
  if (dialogStatics) SkinStatics(windowIndex, parent, dialogStatics->cx, dialogStatics->cy);
  SkinToolbars(windowIndex, parent);
  if (!dialogStatics) SkinTransparentChildren(windowIndex, parent);
}

}  // namespace skin
