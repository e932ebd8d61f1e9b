// What every button painter draws its caption from, gathered before the
// drawing starts so the drawing itself reads no record or property.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/byte_array.h"
#include "skin/core/control_records.h"
#include "skin/core/font_spec.h"

namespace skin {

// A button's caption: the record's text and font, the window's "Kj_Ztys"
// colour, and the record's halo colour when it draws one.
struct ButtonCaption {
  rt::Text text;
  FontSpec font;
  COLORREF colour = 0;
  std::optional<COLORREF> halo;
};

ButtonCaption CaptionOf(HWND window, const ButtonRecord& record);

}  // namespace skin
