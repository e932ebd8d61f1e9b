// The engine settings the button skins read, as the engine's start-up sets
// them: child controls skinned, the default accent, the glyph strip loaded.
// Include it in one test file of each program (GDI+ starts with it).
#pragma once

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "runtime/embedded_resource.h"
#include "skin/core/engine_globals.h"
#include "tests/support/gdip_test_env.h"

namespace quillora_test {

inline constexpr COLORREF kDefaultAccent = 0xDDCA22;

class ButtonSkinEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    skin::SkinChildControls = 1;
    skin::AccentColour = kDefaultAccent;
    ASSERT_EQ(skin::GlyphStrip.Load(rt::LoadEmbeddedBytes(IDR_GLYPH_STRIP)), 6);
  }
};

inline ::testing::Environment* const kButtonSkinEnvironment =
    ::testing::AddGlobalTestEnvironment(new ButtonSkinEnvironment);

}  // namespace quillora_test
