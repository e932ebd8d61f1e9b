#include "skin/buttons/button_proc.h"

#include "skin/buttons/button_records.h"
#include "skin/buttons/check_box_painter.h"
#include "skin/buttons/gradient_button_painter.h"
#include "skin/buttons/image_button_painters.h"
#include "skin/buttons/push_button_painter.h"
#include "skin/buttons/radio_button_painter.h"
#include "skin/core/cache_invalidation.h"
#include "skin/core/control_links.h"
#include "skin/core/hot_control.h"
#include "skin/core/window_properties.h"

#include "runtime/gdi_object.h"

namespace skin {

namespace {

void ShowAnimationFrame(HWND window, int frame) { PaintCheckBox(window, 0, frame); }
void PauseAnimation(DWORD milliseconds) { Sleep(milliseconds); }

ClickAnimationSteps& AnimationSteps() {
  static ClickAnimationSteps steps{&ShowAnimationFrame, &PauseAnimation};
  return steps;
}

// Frames and pauses: ticking an unticked box, clearing a ticked one.
constexpr int kTickFrames[] = {4, 3, 1, 3};
constexpr DWORD kTickPauses[] = {50, 45, 40};
constexpr int kClearFrames[] = {1, 3, 4, 0};
constexpr DWORD kClearPauses[] = {50, 45, 30};

void PlayClickAnimation(HWND window) {
  const bool ticking = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_UNCHECKED;
  const int* frames = ticking ? kTickFrames : kClearFrames;
  const DWORD* pauses = ticking ? kTickPauses : kClearPauses;
  const ClickAnimationSteps steps = AnimationSteps();
  for (int i = 0; i < 4; ++i) {
    if (i > 0) steps.pause(pauses[i - 1]);
    steps.showFrame(window, frames[i]);
  }
}

// Repaint of the buttons that paint themselves, by kind; nothing for the
// owner-drawn ones.
bool IsSelfPainted(ButtonKind kind) {
  return kind == ButtonKind::CheckBox || kind == ButtonKind::AutoRadio || kind == ButtonKind::ImageCheckBox;
}

void PaintSelf(HWND window, ButtonKind kind, int state) {
  switch (kind) {
    case ButtonKind::AutoRadio:
      PaintRadioButton(window, state);
      break;
    case ButtonKind::CheckBox:
      PaintCheckBox(window, state);
      break;
    case ButtonKind::ImageCheckBox:
      PaintImageCheckBox(window, state);
      break;
    default:
      break;
  }
}

// The native procedure repaints a check box or radio button outside
// WM_PAINT on these messages; the skin paints over it at once.
bool RepaintsNatively(UINT message) {
  return message == WM_ENABLE || message == WM_SETTEXT || message == BM_SETSTATE || message == WM_SETFOCUS;
}

void RepaintOverNative(HWND window) {
  const ListedButton listed = FindListedButton(window);
  if (!listed) return;
  const ButtonKind kind = listed.record->kind;
  if (kind != ButtonKind::CheckBox && kind != ButtonKind::AutoRadio) return;
  PaintSelf(window, kind, listed.record->hasFocus != 0 ? ODS_FOCUS : 0);
}

}  // namespace

ClickAnimationSteps SetClickAnimationSteps(const ClickAnimationSteps& steps) {
  ClickAnimationSteps& current = AnimationSteps();
  const ClickAnimationSteps before = current;
  current.showFrame = steps.showFrame != nullptr ? steps.showFrame : &ShowAnimationFrame;
  current.pause = steps.pause != nullptr ? steps.pause : &PauseAnimation;
  return before;
}

LRESULT CALLBACK ButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto passOn = [&] { return CallSavedProcedure(window, ButtonSkinProc, message, wParam, lParam); };
  ListedButton listed = FindListedButton(window);
  // A button whose properties do not name its own record is left to its
  // previous procedure.
  if (!listed) return passOn();
  ButtonRecord& record = *listed.record;
  const ButtonKind kind = record.kind;

  switch (message) {
    case WM_MOUSEMOVE:
      if (EnterHotControl(window, *listed.host, listed.listIndex, HotKind::Button)) PaintButton(window, 0, true);
      return passOn();
    case WM_MOUSELEAVE:
      LeaveHotControl(*listed.host);
      PaintButton(window, record.hasFocus != 0 ? ODS_FOCUS : 0, false);
      return passOn();
    case WM_WINDOWPOSCHANGING:
      MarkContainerDirty(window);
      return passOn();
    case WM_MOVE:
      InvalidateRect(window, nullptr, TRUE);
      return passOn();
    case WM_LBUTTONDOWN: {
      record.mouseDown = 1;
      if (!IsSelfPainted(kind)) return passOn();
      const LRESULT result = passOn();
      if (kind == ButtonKind::AutoRadio) {
        PaintRadioButton(window, ODS_SELECTED);
      } else if (kind == ButtonKind::CheckBox && prop::Read(window, prop::kClickAnimation) != 0) {
        PlayClickAnimation(window);
      } else {
        PaintSelf(window, kind, 0);
      }
      return result;
    }
    case WM_LBUTTONUP:
      record.mouseDown = 0;
      LeaveHotControl(*listed.host);
      return passOn();
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_PAINT: {
      if (!IsSelfPainted(kind)) return passOn();
      const rt::PaintScope paint(window);
      PaintSelf(window, kind, 0);
      return 0;
    }
    case WM_SETFOCUS:
      record.hasFocus = 1;
      break;
    case WM_KILLFOCUS: {
      record.hasFocus = 0;
      if (!IsSelfPainted(kind)) return passOn();
      const LRESULT result = passOn();
      PaintSelf(window, kind, 0);
      return result;
    }
    case WM_SETTEXT:
      // A null text clears the caption, as it clears the window's own text.
      record.caption = lParam != 0 ? rt::Text(reinterpret_cast<const char*>(lParam)) : rt::Text();
      break;
    case WM_NCPAINT:
      return DefWindowProcA(window, WM_NCPAINT, static_cast<WPARAM>(0xFFFFFFFFu), lParam);
    case WM_LBUTTONDBLCLK:
      return 0;
    case WM_KEYDOWN:
      if (wParam != VK_SPACE) return passOn();
      [[fallthrough]];
    case BM_SETCHECK: {
      if (!IsSelfPainted(kind)) return passOn();
      const LRESULT result = passOn();
      PaintSelf(window, kind, kind == ButtonKind::AutoRadio ? ODS_SELECTED : 0);
      return result;
    }
    case BM_SETSTATE:
      if (wParam == 0 && record.mouseDown == 1) return 0;
      break;
    default:
      break;
  }
  const LRESULT result = passOn();
  if (RepaintsNatively(message)) RepaintOverNative(window);
  return result;
}

void PaintButton(HWND window, int state, bool addHover) {
  rt::WindowDc dc(window);
  const int itemState = addHover ? (state | ODS_HOTLIGHT) : state;
  const ListedButton listed = FindListedButton(window);
  if (!listed) return;
  RECT client{};
  GetClientRect(window, &client);
  switch (listed.record->kind) {
    case ButtonKind::ImageButton:
      PaintImageButton(window, dc.get(), itemState, &client);
      break;
    case ButtonKind::Push:
      PaintPushButton(window, dc.get(), itemState, &client);
      break;
    case ButtonKind::AutoRadio:
      PaintRadioButton(window, itemState);
      break;
    case ButtonKind::CheckBox:
      PaintCheckBox(window, itemState);
      break;
    case ButtonKind::GradientButton:
      PaintGradientButton(window, dc.get(), itemState, &client);
      break;
    default:
      break;
  }
}

}  // namespace skin
