#include "skin/core/tooltip.h"

#include <commctrl.h>

namespace skin {

namespace {

constexpr int kMaxTipWidth = 600;

}  // namespace

const char* TextPointer(const rt::Text& text) { return text.c_str(); }

HWND Tooltip::Create(HWND owner, bool balloon) {
  // The tooltip class lives in the common controls; make sure it is there.
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  owner_ = owner;
  DWORD style = TTS_ALWAYSTIP;
  if (balloon) style |= TTS_BALLOON;
  window_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  SetMaxWidth(kMaxTipWidth);
  return window_;
}

LRESULT Tooltip::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
  if (window_ == nullptr) return 0;
  return SendMessageA(window_, message, wParam, lParam);
}

// Every tool request carries the same record: the subclassing flag, the
// owner, the id, the rectangle and the text.
void Tooltip::SendTool(UINT message, int id, const RECT& rect, const char* text) const {
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.uFlags = TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = static_cast<UINT_PTR>(id);
  info.rect = rect;
  info.hinst = nullptr;
  info.lpszText = const_cast<char*>(text);  // the control copies it
  Send(message, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip::AddTool(std::optional<RECT> rect, const rt::Text& text, int id) {
  RECT area{};
  if (rect) {
    area = *rect;
  } else {
    GetClientRect(owner_, &area);
  }
  SendTool(TTM_ADDTOOLA, id, area, TextPointer(text));
}

void Tooltip::AddCallbackTool(const RECT& rect, int id) {
  SendTool(TTM_ADDTOOLA, id, rect, LPSTR_TEXTCALLBACKA);
}

void Tooltip::SetToolRect(int id, const RECT& rect) {
  SendTool(TTM_NEWTOOLRECTA, id, rect, nullptr);
}

void Tooltip::UpdateText(int id, const rt::Text& text) {
  SendTool(TTM_UPDATETIPTEXTA, id, RECT{}, TextPointer(text));
}

void Tooltip::DeleteTool(int id) { SendTool(TTM_DELTOOLA, id, RECT{}, nullptr); }

LRESULT Tooltip::SetBackColour(COLORREF colour) { return Send(TTM_SETTIPBKCOLOR, colour, 0); }

LRESULT Tooltip::SetTextColour(COLORREF colour) { return Send(TTM_SETTIPTEXTCOLOR, colour, 0); }

LRESULT Tooltip::SetMaxWidth(int pixels) { return Send(TTM_SETMAXTIPWIDTH, 0, pixels); }

int Tooltip::GetToolCount() const { return static_cast<int>(Send(TTM_GETTOOLCOUNT, 0, 0)); }

}  // namespace skin
