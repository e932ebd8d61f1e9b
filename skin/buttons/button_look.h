// What every button painter draws its caption from, gathered before the
// drawing starts so the drawing itself reads no record or property.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/byte_array.h"
#include "skin/core/control_image.h"
#include "skin/core/control_records.h"
#include "skin/core/font_spec.h"
#include "skin/core/skin_text.h"

namespace skin {

// A button's caption: the record's text and font, the window's "Kj_Ztys"
// colour, and the record's halo colour when it draws one; the record's
// kept font and format, none (made for each drawing) when not given.
struct ButtonCaption {
  rt::Text text;
  FontSpec font;
  COLORREF colour = 0;
  std::optional<COLORREF> halo;
  const TextKit* kit = nullptr;
};

ButtonCaption CaptionOf(HWND window, const ButtonRecord& record);

// Adds what the caption's look depends on (the kit draws the same as
// none, so it does not count).
void AddCaptionKey(LookKey& key, const ButtonCaption& caption);

}  // namespace skin
