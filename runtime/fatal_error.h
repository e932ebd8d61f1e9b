// The runtime's fatal error report: what a programming error such as a
// 1-based index outside its list turns into. The default report shows a
// message box and ends the process; tests put their own handler in.
#pragma once

#include <cstddef>

namespace rt {

using FatalErrorHandler = void (*)(const char* text);

// Shows the report and ends the process; never returns.
[[noreturn]] void ReportFatalError(const char* text);

// Replaces the report (nullptr restores the default); returns the old one.
// A handler that returns is followed by ExitProcess(1).
FatalErrorHandler SetFatalErrorHandler(FatalErrorHandler handler);

// Fatal report for a 1-based index outside 1..count.
[[noreturn]] void ReportIndexOutOfRange(const char* list, std::size_t index, std::size_t count);

// Checked 1-based access into any random-access container.
template <class Container>
auto& At1(Container& items, std::size_t index, const char* list = "list") {
  if (index < 1 || index > items.size()) ReportIndexOutOfRange(list, index, items.size());
  return items[index - 1];
}

}  // namespace rt
