#include "skin/buttons/button_look.h"

#include "skin/buttons/button_records.h"
#include "skin/core/window_properties.h"

namespace skin {

ButtonCaption CaptionOf(HWND window, const ButtonRecord& record) {
  ButtonCaption caption{record.caption, record.font, static_cast<COLORREF>(prop::Read(window, prop::kTextColour)),
                        std::nullopt, &record.captionKit};
  if (HasTextEffect(record)) caption.halo = record.textEffect;
  return caption;
}

void AddCaptionKey(LookKey& key, const ButtonCaption& caption) {
  key.Add(caption.text).Add(caption.font.face).Add(caption.font.size).Add(caption.font.style).Add(caption.colour);
  key.Add(caption.halo.has_value()).Add(caption.halo.value_or(0));
}

}  // namespace skin
