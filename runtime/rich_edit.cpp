#include "runtime/rich_edit.h"

#include <windows.h>
#include <richedit.h>

#include "runtime/window_runtime.h"

namespace rt {

bool SetRichEditDefaultFormat(std::string_view window, std::string_view richEdit, const CharFormat& format) {
  HWND handle = WindowHandleOf(window, richEdit);
  if (!handle) return false;
  CHARFORMAT2A chars{};
  chars.cbSize = sizeof chars;
  chars.dwMask = CFM_FACE | CFM_SIZE | CFM_OFFSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT |
                 CFM_PROTECTED;
  chars.dwEffects =
      static_cast<DWORD>(format.effects) & (CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED);
  if (format.colour == kAutomaticColour) {
    chars.dwEffects |= CFE_AUTOCOLOR;
  } else {
    chars.crTextColor = static_cast<COLORREF>(format.colour);
  }
  chars.yHeight = format.sizePoints * 20;
  chars.yOffset = format.offsetPoints * 20;
  lstrcpynA(chars.szFaceName, format.face.c_str(), LF_FACESIZE);
  return SendMessageA(handle, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&chars)) != 0;
}

}  // namespace rt
