// Starts GDI+ once for a test program and shuts it down after the last
// test, when every wrapper the tests made is gone. Include it in one test
// file of each program that uses the graphics wrappers.
#pragma once

#include <gtest/gtest.h>

#include "gdip/gdiplus_startup.h"

namespace quillora_test {

class GdiplusEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_NE(gdip::StartGdiplus(), 0u) << "GDI+ did not start"; }
  void TearDown() override { gdip::ShutdownGdiplus(); }
};

// gtest owns registered environments.
inline ::testing::Environment* const kGdiplusEnvironment =
    ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace quillora_test
