// Short (8.3) forms of long paths for the status line.
#pragma once

#include <map>
#include <string_view>

#include "runtime/byte_array.h"

namespace app {

// The path's short form as the system gives it, asked in a buffer of 255
// characters; the path itself when the answer is blank (the call failed)
// or does not fit.
rt::Text ShortenPathForDisplay(std::string_view path);

// The same answers at the cost of one look-up per folder and, for a name
// that is not a short name already, one per file: the system's own call
// looks up every folder level of every path again, which costs
// milliseconds per path. A subfolder of a folder seen before costs only
// the look-up of its own name.
class DisplayPathShortener {
 public:
  rt::Text Shorten(std::string_view path);

 private:
  // The folder's short form, "" when it has none.
  rt::Text ShortFolder(std::string_view folder);

  std::map<rt::Text, rt::Text> known_;  // folders with a short form, and that form
};

// True for a name that is its own short form: plain ASCII, one to eight
// characters, optionally a dot and one to three more, none of them a blank
// or a character a short name may not hold.
bool IsShortFileName(std::string_view name);

}  // namespace app
