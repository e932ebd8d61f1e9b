// Which of the engine's embedded pictures a skinned window's record keeps
// decoded for its controls' painters.
#pragma once

#include <cstddef>

namespace skin {

enum class KeptPicture : std::size_t {
  ChevronUp,
  ChevronDown,
  ChevronLeft,
  ChevronRight,
  TreeTick,
  TreePartial,
  DownTriangle,   // a tree's expanded mark, a toolbar's drop arrow
  RightTriangle,  // the same turned: a tree's collapsed mark
};

inline constexpr std::size_t kKeptPictureCount = 8;

}  // namespace skin
