#include "skin/frames/caption_layout.h"

#include <windows.h>

#include "skin/core/engine_globals.h"
#include "skin/core/geometry_makers.h"

namespace skin {

namespace {

constexpr int kStripHeight = 22;
constexpr int kPitch = 27;
constexpr float kButtonWidth = 26;
constexpr float kCloseWidth = 40;  // the close image is 38 wide
constexpr float kButtonHeight = 18;

}  // namespace

void LayoutCaptionButtons(int windowIndex) {
  SkinWindowRecord& record = SkinWindowTable.At(windowIndex);
  if (record.hwnd != nullptr) {
    RECT client{};
    GetClientRect(record.hwnd, &client);
    record.buttonsX = client.right - record.buttonsWidth + 1;
    record.buttonsHeight = kStripHeight;
  }
  const int x0 = record.buttonsX + 2;
  const int y0 = record.buttonsY + 1;
  int id = 0;
  for (CaptionButtonRecord& button : record.captionButtons) {
    const float width = button.kind == CaptionButtonKind::Close ? kCloseWidth : kButtonWidth;
    button.rect = MakeRectF(static_cast<float>(x0 + kPitch * id), static_cast<float>(y0), width,
                            kButtonHeight);
    ++id;
    const RECT tool = MakeRect(static_cast<int>(button.rect.x), static_cast<int>(button.rect.y),
                               static_cast<int>(button.rect.x + button.rect.width),
                               static_cast<int>(button.rect.y + button.rect.height));
    record.tooltip.SetToolRect(id, tool);
    record.tooltip.UpdateText(id, button.tooltipText);
  }
}

}  // namespace skin
