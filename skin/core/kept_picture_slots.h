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
  TreeExpanded,   // the triangle as embedded, pointing down
  TreeCollapsed,  // the same turned to point right
};

inline constexpr std::size_t kKeptPictureCount = 8;

}  // namespace skin
