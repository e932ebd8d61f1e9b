#include "skin/buttons/button_look.h"

#include "skin/buttons/button_records.h"
#include "skin/core/window_properties.h"

namespace skin {

ButtonCaption CaptionOf(HWND window, const ButtonRecord& record) {
  ButtonCaption caption{record.caption, record.font, static_cast<COLORREF>(prop::Read(window, prop::kTextColour)),
                        std::nullopt};
  if (HasTextEffect(record)) caption.halo = record.textEffect;
  return caption;
}

}  // namespace skin
