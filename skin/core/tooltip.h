// A common-control tooltip window serving one owner window. Each tool is a
// rectangle of the owner's client area with an id and a text; the tooltip
// subclasses the owner to see its mouse.
//
// The object does not own its window: the tooltip window lives until the
// process ends, and a copy shares it. Before Create every request goes to
// window 0 and does nothing.
#pragma once

#include <windows.h>

#include <optional>

#include "runtime/byte_array.h"

namespace skin {

class Tooltip {
 public:
  // Creates the topmost tooltip window for `owner`; tips wrap at 600 pixels.
  HWND Create(HWND owner, bool balloon = false);

  // Adds tool `id`; without a rectangle it covers the owner's client area
  // as it is now. The control copies the text.
  void AddTool(std::optional<RECT> rect, const rt::Text& text, int id);
  // Adds a tool whose text the owner gives on each show (TTN_GETDISPINFO).
  void AddCallbackTool(const RECT& rect, int id);
  void SetToolRect(int id, const RECT& rect);
  void UpdateText(int id, const rt::Text& text);
  void DeleteTool(int id);

  LRESULT SetBackColour(COLORREF colour);
  LRESULT SetTextColour(COLORREF colour);
  LRESULT SetMaxWidth(int pixels);

  HWND GetWindow() const { return window_; }
  HWND GetOwner() const { return owner_; }
  int GetToolCount() const;

 private:
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;
  void SendTool(UINT message, int id, const RECT& rect, const char* text) const;

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
};

// The address of a text's characters, as a tool request carries it.
const char* TextPointer(const rt::Text& text);

}  // namespace skin
