// The eight state pictures check boxes and radio buttons may show in place
// of their drawn look, one colour per role, and which one each state
// shows.
#pragma once

#include <windows.h>

#include "skin/core/control_records.h"
#include "tests/skin/buttons/button_fixture.h"
#include "tests/skin/buttons/solid_png.h"

namespace quillora_test {

// 10 x 10 pictures; at height 16 they sit at (0, 3).
inline void GiveStateImages(skin::ButtonRecord& b) {
  b.useStateImages = 1;
  b.checkedImage = SolidPng(10, 10, RGB(255, 0, 0));
  b.checkedHoverImage = SolidPng(10, 10, RGB(0, 255, 0));
  b.checkedPressedImage = SolidPng(10, 10, RGB(0, 0, 255));
  b.checkedDisabledImage = SolidPng(10, 10, RGB(255, 255, 0));
  b.uncheckedImage = SolidPng(10, 10, RGB(0, 255, 255));
  b.uncheckedHoverImage = SolidPng(10, 10, RGB(255, 0, 255));
  b.uncheckedPressedImage = SolidPng(10, 10, RGB(128, 0, 0));
  b.uncheckedDisabledImage = SolidPng(10, 10, RGB(0, 128, 0));
}

struct StateImageCase {
  int itemState;
  WPARAM check;
  Rgb3 shown;
};

inline constexpr StateImageCase kStateImageCases[] = {
    {0, BST_CHECKED, {255, 0, 0}},
    {ODS_HOTLIGHT, BST_CHECKED, {0, 255, 0}},
    {ODS_HOTLIGHT | ODS_SELECTED, BST_CHECKED, {0, 0, 255}},  // over the hover image
    {ODS_DISABLED | ODS_HOTLIGHT, BST_CHECKED, {255, 255, 0}},
    {0, BST_UNCHECKED, {0, 255, 255}},
    {ODS_HOTLIGHT, BST_UNCHECKED, {255, 0, 255}},
    {ODS_HOTLIGHT | ODS_SELECTED, BST_UNCHECKED, {128, 0, 0}},
    {ODS_DISABLED, BST_UNCHECKED, {0, 128, 0}},
};

}  // namespace quillora_test
