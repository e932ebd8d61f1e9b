#include "skin/core/layered_window.h"

#include "skin/core/host_record.h"

namespace skin {

namespace {

constexpr COLORREF kDefaultColourKey = 0xFF00FF;

}  // namespace

void MakeLayered(HWND window, bool transparent) {
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (!transparent) {
    if (!(style & WS_EX_LAYERED)) SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    return;
  }
  if (style & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) return;
  SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_LAYERED | WS_EX_TRANSPARENT);
}

void SetWindowAlpha(HWND window, int alpha, std::optional<COLORREF> colourKey) {
  MakeLayered(window);
  SetLayeredWindowAttributes(window, colourKey.value_or(kDefaultColourKey), static_cast<BYTE>(alpha),
                             LWA_COLORKEY | LWA_ALPHA);
}

void UpdateLayeredFromBuffer(HWND window, std::optional<HDC> source, std::optional<int> alpha,
                             std::optional<int> x, std::optional<int> y, std::optional<int> width,
                             std::optional<int> height, int sourceX, int sourceY) {
  if (!source) {
    const SkinWindowRecord* record = OwnSkinRecord(window);
    if (!record) return;
    source = record->backgroundDc.get();
  }
  RECT r{};
  GetWindowRect(window, &r);
  POINT position{x.value_or(r.left), y.value_or(r.top)};
  SIZE size{width.value_or(r.right - r.left), height.value_or(r.bottom - r.top)};
  POINT sourcePoint{sourceX, sourceY};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha.value_or(255)), AC_SRC_ALPHA};
  UpdateLayeredWindow(window, nullptr, &position, &size, *source, &sourcePoint, 0, &blend, ULW_ALPHA);
}

}  // namespace skin
