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
  DownTriangle,     // a tree's expanded mark, a toolbar's drop arrow
  RightTriangle,    // the same turned: a tree's collapsed mark
  TintedCheckMark,  // an image check box's mark in the accent colour
};

inline constexpr std::size_t kKeptPictureCount = static_cast<std::size_t>(KeptPicture::TintedCheckMark) + 1;

}  // namespace skin
