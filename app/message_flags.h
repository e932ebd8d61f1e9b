// The message-box flags of the installer's questions and notices.
#pragma once

#include <windows.h>

namespace app {

inline constexpr unsigned kNoticeFlags = MB_OK | MB_ICONEXCLAMATION;         // 0x30
inline constexpr unsigned kInformationFlags = MB_OK | MB_ICONINFORMATION;    // 0x40
inline constexpr unsigned kOverwriteQuestionFlags = MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2;  // 0x134
inline constexpr unsigned kVersionWarningFlags = MB_OKCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON2;  // 0x131

}  // namespace app
