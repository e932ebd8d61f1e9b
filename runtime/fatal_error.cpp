#include "runtime/fatal_error.h"

#include <windows.h>

#include <cstdio>

namespace rt {
namespace {

void ShowFatalBox(const char* text) {
  MessageBoxA(nullptr, text, "运行时错误", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

FatalErrorHandler g_handler = ShowFatalBox;

}  // namespace

[[noreturn]] void ReportFatalError(const char* text) {
  g_handler(text);
  ExitProcess(1);
}

FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler) {
  FatalErrorHandler old = g_handler;
  g_handler = handler ? handler : ShowFatalBox;
  return old;
}

[[noreturn]] void ReportIndexOutOfRange(const char* list, std::size_t index, std::size_t count) {
  char text[256];
  std::snprintf(text, sizeof text, "数组下标越界: %s[%u], 成员数 %u", list,
                static_cast<unsigned>(index), static_cast<unsigned>(count));
  ReportFatalError(text);
}

}  // namespace rt
